// The file dialog's own words in the game's language (file_dialog_words.h).
#include "desktop/file_dialog_words.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>

#include "desktop/ui_text.h"

namespace hazama {
namespace {

// The columns of Qt's file model.
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;

}  // namespace

QVariant FileDialogWords::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    const bool words =
        role == Qt::DisplayRole && (index.column() == kTypeColumn || index.column() == kDateColumn);
    if (files == nullptr || !words) return QIdentityProxyModel::data(index, role);
    const QFileInfo file = files->fileInfo(mapToSource(index));
    if (index.column() == kDateColumn) {
        const QLocale locale = ui_english() ? QLocale(QLocale::English, QLocale::UnitedStates)
                                            : QLocale(QLocale::Japanese, QLocale::Japan);
        return locale.toString(file.lastModified(), QLocale::ShortFormat);
    }
    if (file.isDir()) return ui("フォルダー");
    const QString suffix = file.suffix().toUpper();
    return suffix.isEmpty() ? ui("ファイル") : ui("%1 ファイル").arg(suffix);
}

void use_game_words(QFileDialog& dialog) {
    dialog.setProxyModel(new FileDialogWords(&dialog));
}

}  // namespace hazama
