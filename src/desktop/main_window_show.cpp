// mainform on screen: showing what the core asks for, and the history and the menu over
// the scene.
#include <QLabel>
#include <QMenu>

#include "desktop/app_setup.h"
#include "desktop/history_panel.h"
#include "desktop/main_window.h"
#include "desktop/message_line.h"
#include "desktop/screen_view.h"
#include "desktop/ui_text.h"
#include "platform/qt_picture_decoder.h"
#include "shell/continue_hint.h"

namespace hazama {

// The game writes line breaks as CR LF.
QString MainWindow::display_text(const std::string& text) {
    QString out = QString::fromStdString(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

bool MainWindow::hidden_with_text(Control control) {
    return control == Control::picface || control == Control::imamou0 ||
           control == Control::imamou1;
}

void MainWindow::set_visible(Control control, bool visible) {
    wanted_visible_[static_cast<int>(control)] = visible;
    this->control(control)->setVisible(visible && !(text_hidden_ && hidden_with_text(control)));
    if (control == Control::comstart) show_continue_hint();
}

void MainWindow::show_continue_hint() {
    if (continue_hint_ == nullptr) return;
    continue_hint_->setText(ui(kContinueHint));
    continue_hint_->setVisible(!control(Control::comstart)->isHidden() && hooks_.has_save &&
                               hooks_.has_save());
}

void MainWindow::set_enabled(Control control, bool enabled) {
    // A command starting: the story goes on in front of the reader.
    if (!enabled) close_overlays();
    this->control(control)->setEnabled(enabled);
}

void MainWindow::set_message(const std::string& text) {
    close_history();
    labmain_->show_line(display_text(text));
}

void MainWindow::reveal_message(const std::string& text, std::size_t shown) {
    const QString line = display_text(text);
    // A new line closes the history, as set_message does; its next characters do not.
    if (line != labmain_->text()) close_history();
    labmain_->show_part(line, display_text(text.substr(0, shown)).size());
}

void MainWindow::hide_text(bool hidden) {
    text_hidden_ = hidden;
    labmain_->setVisible(!hidden);
    for (Control c : {Control::picface, Control::imamou0, Control::imamou1})
        control(c)->setVisible(wanted_visible_[static_cast<int>(c)] && !hidden);
}

void MainWindow::set_face(const Plane* portrait) {
    if (portrait == nullptr || portrait->empty()) return;
    // The box keeps its own copy (a pixmap would share the buffer): the plane is reused
    // for the next portrait.
    scaling_.set_pixmap(static_cast<QLabel*>(control(Control::picface)),
                        QPixmap::fromImage(plane_image(*portrait).copy()));
}

void MainWindow::set_staff(int index, const StaffLabel& label) {
    if (index < 0 || index >= static_cast<int>(labstaff_.size())) return;
    QLabel* l = labstaff_[index];
    l->setText(display_text(label.text));
    scaling_.set_font(l, mincho(label.point_size, label.bold));
    set_text_colour(l, label.white ? Qt::white : Qt::black);
    scaling_.move(l, QPoint(label.x, label.y));  // and sized to its text
    l->setVisible(label.visible);
}

void MainWindow::set_notice(const std::string& text) {
    labcopy_->setText(display_text(text));
    scaling_.move(labcopy_, kNoticeAt);  // sized to its text
}

void MainWindow::show_reading_marks(bool auto_on, bool skipping) {
    auto_mark_->setVisible(auto_on);
    skip_mark_->setVisible(skipping);
}

void MainWindow::refresh_screen(const Plane& screen) {
    screen_->refresh(screen);
}

void MainWindow::dissolve_begins(const Plane& incoming) {
    screen_->dissolve_to(incoming);
}

// ---------------------------------------------------------------- history and menu

bool MainWindow::history_open() const {
    return history_->isVisible();
}

void MainWindow::open_history(const std::deque<HistoryEntry>& entries) {
    history_->set_entries(entries);
    history_->show();
    history_->raise();
}

void MainWindow::close_history() {
    if (history_->isHidden()) return;
    history_->hide();
    if (hooks_.history_closed) hooks_.history_closed();
}

void MainWindow::set_menu(QMenu* menu) {
    menu_ = menu;
}

void MainWindow::close_overlays() {
    if (menu_) menu_->close();
    close_history();
}

}  // namespace hazama
