// The Qt platform: scripts and closing, the modal windows, and what the core shows handed
// to the window.
#include "desktop/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "desktop/app_setup.h"
#include "desktop/file_dialog_words.h"
#include "desktop/go_position.h"
#include "desktop/main_window.h"
#include "desktop/ui_text.h"
#include "form/main_form.h"
#include "platform/qt_picture_decoder.h"

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

QtPlatform::QtPlatform(MainWindow& window, MediaDevice& media)
    : window_(window), media_(media), alarm_([this] {
          // The innermost wait's deadline has come (a nested wait's may be later still).
          if (waits_.empty() || !waits_.back().deadline_ns) return;
          if (clock_.nsecsElapsed() >= *waits_.back().deadline_ns) {
              waits_.back().loop->exit(0);
          } else {
              arm_alarm();
          }
      }) {
    clock_.start();
    for (int i = 0; i < 2; ++i) {
        timers_[i] = new QTimer(&window_);
        timers_[i]->setTimerType(Qt::PreciseTimer);
        QObject::connect(timers_[i], &QTimer::timeout, &window_, [this, i] {
            if (!closing_ && ticks_[i]) run_script(ticks_[i]);
        });
    }
}

QtPlatform::~QtPlatform() {
    for (QTimer* t : timers_) delete t;
}

// ---------------------------------------------------------------- scripts and closing

void QtPlatform::run_script(const std::function<void()>& script) {
    try {
        script();
    } catch (const GameClosed&) {
        QCoreApplication::quit();
    } catch (const std::exception& e) {
        fail(QString::fromStdString(e.what()));
    } catch (...) {
        fail(ui("予期しないエラーが発生しました"));
    }
}

void QtPlatform::fail(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toStdString().c_str());
    exit_status_ = 1;
    QMessageBox box(QMessageBox::Critical, ui("ハザマ"), text, QMessageBox::Ok, &window_);
    exec_modal(box);
    if (!closing_ && unload_) {
        try {
            unload_();
        } catch (...) {
            exit_game();
        }
    }
    QCoreApplication::quit();
}

void QtPlatform::close_game() {
    if (!closing_ && unload_) run_script(unload_);
}

void QtPlatform::exit_game() {
    closing_ = true;
    for (QTimer* t : timers_) t->stop();
    for (const Wait& w : waits_) w.loop->exit(1);
    if (modal_) modal_->close();
    window_.close_overlays();
    window_.close();
    QCoreApplication::quit();
}

// ---------------------------------------------------------------- what the core shows

void QtPlatform::set_visible(Control control, bool visible) {
    window_.set_visible(control, visible);
}

void QtPlatform::set_enabled(Control control, bool enabled) {
    window_.set_enabled(control, enabled);
}

void QtPlatform::set_message(const std::string& text) {
    window_.set_message(text);
}

void QtPlatform::reveal_message(const std::string& text, std::size_t shown) {
    window_.reveal_message(text, shown);
}

void QtPlatform::hide_text(bool hidden) {
    window_.hide_text(hidden);
}

void QtPlatform::copy_text(const std::string& text) {
    QGuiApplication::clipboard()->setText(MainWindow::display_text(text));
}

void QtPlatform::tell(const std::string& text) {
    if (teller_) teller_(text);
}

void QtPlatform::set_face(const Plane* portrait) {
    window_.set_face(portrait);
}

void QtPlatform::set_staff(int index, const StaffLabel& label) {
    window_.set_staff(index, label);
}

void QtPlatform::set_notice(const std::string& text) {
    window_.set_notice(text);
}

void QtPlatform::show_reading_marks(bool auto_on, bool skipping) {
    window_.show_reading_marks(auto_on, skipping);
}

void QtPlatform::refresh_screen(const Plane& screen) {
    window_.refresh_screen(screen);
}

void QtPlatform::dissolve_begins(const Plane& incoming) {
    window_.dissolve_begins(incoming);
}

bool QtPlatform::load_picture(const std::string& path, Plane& into, std::string& error) {
    return decode_picture(path, into, error);
}

// ---------------------------------------------------------------- modal windows

bool QtPlatform::exec_modal(QDialog& dialog) {
    if (closing_) return false;
    window_.scale_dialog(&dialog);
    // A question asked over another dialog: closing the game closes the one on top, and
    // the one below when its turn comes again.
    QPointer<QDialog> below = modal_;
    modal_ = &dialog;
    dialog.exec();
    modal_ = below;
    if (closing_ && modal_) modal_->close();
    return !closing_;
}

int QtPlatform::choose(const std::array<std::string, 3>& captions) {
    GoPosition chooser(&window_, captions);
    return exec_modal(chooser) ? chooser.chosen() : -1;
}

std::optional<std::string> QtPlatform::ask_file(const FileRequest& request) {
    QString folder = QString::fromStdString(request.initial_dir);
    // The game ends its folder with a backslash, which names no folder here.
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('\\'))) folder.chop(1);
    // Once a file has been chosen, the dialog opens where it lies.
    if (!last_folder_.isEmpty() && QFileInfo(last_folder_).isDir()) folder = last_folder_;

    QFileDialog dialog(&window_, QString::fromStdString(request.title), folder,
                       qt_filter(request.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    use_game_words(dialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any name may be typed, as in the open dialog of the game: a missing file is refused
    // by the load itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.default_extension));
    const bool answered = exec_modal(dialog) && dialog.result() == QDialog::Accepted;
    if (!answered || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    last_folder_ = QFileInfo(chosen).absolutePath();
    return chosen.toStdString();
}

void QtPlatform::message_box(const std::string& text, const std::string& detail) {
    QMessageBox box(QMessageBox::NoIcon, ui("ハザマ"), QString::fromStdString(text),
                    QMessageBox::Ok, &window_);
    box.setInformativeText(QString::fromStdString(detail));
    exec_modal(box);
}

}  // namespace hazama
