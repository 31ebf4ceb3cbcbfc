// The file dialog's own words in the game's language (file_dialog_words.h).
#include "desktop/file_dialog_words.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>

#include "desktop/ui_text.h"

namespace hazama {
namespace {

// The columns of Qt's file model.
constexpr int kSizeColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;

}  // namespace

QVariant FileDialogWords::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    const bool words =
        role == Qt::DisplayRole && index.column() >= kSizeColumn && index.column() <= kDateColumn;
    if (files == nullptr || !words) return QIdentityProxyModel::data(index, role);
    const QFileInfo file = files->fileInfo(mapToSource(index));
    const QLocale locale = ui_english() ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale(QLocale::Japanese, QLocale::Japan);
    if (index.column() == kDateColumn)
        return locale.toString(file.lastModified(), QLocale::ShortFormat);
    if (index.column() == kSizeColumn) {
        if (file.isDir()) return QString();
        // Bytes in words; from a kilobyte on, the units every language writes alike.
        if (file.size() < 1024) return ui("%1 バイト").arg(file.size());
        return locale.formattedDataSize(file.size(), 1, QLocale::DataSizeTraditionalFormat);
    }
    if (file.isDir()) return ui("フォルダー");
    const QString suffix = file.suffix().toUpper();
    return suffix.isEmpty() ? ui("ファイル") : ui("%1 ファイル").arg(suffix);
}

void use_game_words(QFileDialog& dialog) {
    dialog.setProxyModel(new FileDialogWords(&dialog));
}

}  // namespace hazama
