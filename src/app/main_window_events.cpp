// mainform's event side: keys and clicks, scripts started by buttons, closing, and the
// waits as nested event loops.
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <utility>

#include "app/app_setup.h"
#include "app/main_window.h"

namespace hazama {
// ---------------------------------------------------------------- input

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (auto* receiver = qobject_cast<QWidget*>(watched)) {
                return filter_key(receiver, static_cast<QKeyEvent*>(event));
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            if (auto* receiver = qobject_cast<QWidget*>(watched)) {
                return filter_click(receiver, static_cast<QMouseEvent*>(event));
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

// Every key that types a character is the window's, whichever control has the focus:
// Space and Enter release a waiting line, the rest do nothing, and none reaches a button.
// Tab still moves the focus, and Alt mnemonics are shortcuts that never arrive here.
bool MainWindow::filter_key(QWidget* receiver, QKeyEvent* key) {
    if (receiver != this && !isAncestorOf(receiver)) return false;
    const bool space = key->key() == Qt::Key_Space;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
    if (!space && !enter && key->text().isEmpty()) return false;
    if (key->type() == QEvent::KeyPress && !closing_) {
        const int code = space ? 32 : enter ? 13 : key->text().at(0).unicode();
        run_script([this, code] { form_->Form_KeyPress(code); });
    }
    return true;
}

// A click on a release input: the left button goes down and comes up on the control.
bool MainWindow::filter_click(QWidget* receiver, QMouseEvent* mouse) {
    const auto input = release_inputs_.find(receiver);
    if (input == release_inputs_.end()) return false;
    if (mouse->button() != Qt::LeftButton) return true;
    if (mouse->type() != QEvent::MouseButtonRelease) {
        pressed_ = receiver;
        return true;
    }
    const bool click =
        pressed_ == receiver && receiver->rect().contains(mouse->position().toPoint());
    pressed_ = nullptr;
    if (click && !closing_) {
        const auto handler = input->second;
        run_script([this, handler] { (form_.get()->*handler)(); });
    }
    return true;
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) background_pressed_ = true;
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton && background_pressed_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) background_pressed_ = false;
    if (click && !closing_) run_script([this] { form_->Form_Click(); });
}

// ---------------------------------------------------------------- scripts and closing

void MainWindow::run_script(const std::function<void()>& script) {
    try {
        script();
    } catch (const GameClosed&) {
        QCoreApplication::quit();
    } catch (const std::exception& e) {
        fail(QString::fromStdString(e.what()));
    } catch (...) {
        fail(QStringLiteral("予期しないエラーが発生しました"));
    }
}

void MainWindow::fail(const QString& text) {
    std::cerr << text.toStdString() << std::endl;
    exit_status_ = 1;
    if (!closing_) {
        QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Ok, this);
        modal_ = &box;
        box.exec();
        modal_ = nullptr;
    }
    if (!closing_) {
        try {
            form_->Form_Unload();
        } catch (...) {
            exit_game();
        }
    }
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing is never cancelled.
    if (!closing_) run_script([this] { form_->Form_Unload(); });
    event->accept();
}

void MainWindow::exit_game() {
    closing_ = true;
    for (QTimer* t : timers_) t->stop();
    for (QEventLoop* loop : loops_) loop->exit(1);
    if (modal_) modal_->close();
    close();
    QCoreApplication::quit();
}

// ---------------------------------------------------------------- time and waits

std::uint32_t MainWindow::now_ms() {
    return static_cast<std::uint32_t>(clock_.elapsed());
}

bool MainWindow::run_loop(QEventLoop& loop) {
    if (closing_) return false;
    loops_.push_back(&loop);
    const int result = loop.exec();
    std::erase(loops_, &loop);
    // A negative result: the application is quitting and every loop returns at once.
    if (result < 0) closing_ = true;
    return result == 0 && !closing_;
}

void MainWindow::wait_until(std::uint32_t deadline) {
    while (!closing_) {
        const auto left = static_cast<std::int32_t>(deadline - now_ms());
        if (left <= 0) return;
        QEventLoop loop;
        QTimer alarm;
        alarm.setTimerType(Qt::PreciseTimer);
        alarm.setSingleShot(true);
        connect(&alarm, &QTimer::timeout, &loop, [&loop] { loop.exit(0); });
        alarm.start(left);
        if (!run_loop(loop)) return;
    }
}

void MainWindow::wait_for_release() {
    if (closing_) return;
    QEventLoop loop;
    QEventLoop* const outer = std::exchange(release_loop_, &loop);
    run_loop(loop);
    release_loop_ = outer;
}

void MainWindow::release() {
    if (release_loop_ != nullptr) release_loop_->exit(0);
}

void MainWindow::process_events() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MainWindow::set_timer(TimerId id, int interval_ms, std::function<void()> tick) {
    ticks_[static_cast<int>(id)] = std::move(tick);
    set_timer_interval(id, interval_ms);
}

void MainWindow::set_timer_interval(TimerId id, int interval_ms) {
    QTimer* timer = timers_[static_cast<int>(id)];
    if (interval_ms <= 0 || closing_) {
        timer->stop();
    } else {
        timer->start(interval_ms);
    }
}

}  // namespace hazama
