// mainform's modal windows: the move chooser, the file dialog and the message box.
#include <QFileDialog>
#include <QMessageBox>

#include "app/app_setup.h"
#include "app/go_position.h"
#include "app/main_window.h"

namespace hazama {
namespace {

// The game writes its filter as "description|pattern|..."; Qt wants "description
// (pattern)" entries joined by ";;", with patterns separated by spaces.
QString qt_filter(const std::string& game_filter) {
    const QStringList parts = QString::fromStdString(game_filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
            entries << description;
        } else {
            entries << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
        }
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace

int MainWindow::choose(const std::array<std::string, 3>& captions) {
    if (closing_) return -1;
    GoPosition chooser(this, captions);
    scale_dialog(&chooser);
    modal_ = &chooser;
    chooser.exec();
    modal_ = nullptr;
    return closing_ ? -1 : chooser.chosen();
}

std::optional<std::string> MainWindow::ask_file(const FileRequest& request) {
    if (closing_) return std::nullopt;
    QString folder = QString::fromStdString(request.initial_dir);
    // The game ends its folder with a backslash, which names no folder here.
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('\\'))) folder.chop(1);

    QFileDialog dialog(this, QString::fromStdString(request.title), folder,
                       qt_filter(request.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any name may be typed, as in the open dialog of the game: a missing file is refused
    // by the load itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.default_extension));
    scale_dialog(&dialog);
    modal_ = &dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    modal_ = nullptr;
    if (!accepted || closing_ || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

void MainWindow::message_box(const std::string& text, const std::string& detail) {
    if (closing_) return;
    QMessageBox box(QMessageBox::NoIcon, kTitle, QString::fromStdString(text), QMessageBox::Ok,
                    this);
    box.setInformativeText(QString::fromStdString(detail));
    scale_dialog(&box);
    modal_ = &box;
    box.exec();
    modal_ = nullptr;
}

}  // namespace hazama
