// The session's face on the desktop (desktop_face.h).
#include "desktop/desktop_face.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "desktop/settings_dialog.h"
#include "desktop/slot_screen.h"
#include "desktop/ui_text.h"

namespace hazama {
namespace {

// A box goes over the dialog on top (the slot screen's when it is open), else the window.
QWidget* over(QWidget& window) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : &window;
}

}  // namespace

DesktopFace::DesktopFace(MainWindow& window, QtPlatform& platform)
    : window_(window), platform_(platform), notice_(&window) {
    platform_.set_teller([this](const std::string& text) { notice(text); });
}

bool DesktopFace::fullscreen() const {
    return window_.fullscreen();
}

void DesktopFace::set_fullscreen(bool on) {
    window_.set_fullscreen(on);
}

int DesktopFace::window_size() const {
    return window_.window_size();
}

void DesktopFace::set_window_size(int percent) {
    window_.set_window_size(percent);
}

// Measured against the screen's room for windows (without the panels).
int DesktopFace::first_window_size() const {
    const QScreen* s = window_.screen();
    if (s == nullptr) return Face::first_window_size();
    const QRect room = s->availableGeometry();
    return hazama::first_window_size(room.width(), room.height());
}

bool DesktopFace::history_both() const {
    return window_.history_both();
}

void DesktopFace::set_history_both(bool both) {
    window_.set_history_both(both);
}

void DesktopFace::set_language(Language language) {
    window_.set_language(language);
}

void DesktopFace::notice(const std::string& text) {
    notice_.tell(QString::fromStdString(text));
}

void DesktopFace::warn(const std::string& text, const std::string& detail) {
    QMessageBox box(QMessageBox::Warning, ui("ハザマ"), QString::fromStdString(text),
                    QMessageBox::Ok, over(window_));
    box.setInformativeText(QString::fromStdString(detail));
    platform_.exec_modal(box);
}

bool DesktopFace::ask(const std::string& question, bool yes_first) {
    QMessageBox box(QMessageBox::Question, ui("ハザマ"), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, over(window_));
    box.setDefaultButton(yes_first ? QMessageBox::Yes : QMessageBox::No);
    return platform_.exec_modal(box) && box.clickedButton() == box.button(QMessageBox::Yes);
}

void DesktopFace::show_slots(SlotPages& pages) {
    SlotScreen screen(&window_, pages);
    platform_.exec_modal(screen);
}

bool DesktopFace::show_settings(const Settings& current,
                                const std::function<void(const Settings&)>& choose,
                                bool title_offered) {
    SettingsDialog dialog(&window_, current, choose, title_offered);
    platform_.exec_modal(dialog);
    return dialog.to_title();
}

std::string DesktopFace::thumbnail_png(const Plane& screen) {
    return scene_thumbnail_png(screen);
}

void DesktopFace::run_script(const std::function<void()>& script) {
    platform_.run_script(script);
}

}  // namespace hazama
