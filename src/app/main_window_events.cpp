// mainform's event side: keys and clicks, scripts started by buttons, closing, and the
// waits as nested event loops.
#include <sys/timerfd.h>
#include <unistd.h>

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <utility>

#include "app/app_setup.h"
#include "app/main_window.h"

namespace hazama {
namespace {

// A one-shot timer file on the monotonic clock, which the event loop watches like a socket.
class TimerFile {
  public:
    TimerFile() : fd_(timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK)) {}
    ~TimerFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    TimerFile(const TimerFile&) = delete;
    TimerFile& operator=(const TimerFile&) = delete;

    int fd() const { return fd_; }
    // Rings `from_now_ns` from now (at once if that has passed); false without a timer file.
    bool arm(qint64 from_now_ns) {
        if (fd_ < 0) return false;
        itimerspec when{};
        const qint64 ns = std::max<qint64>(from_now_ns, 1);
        when.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
        when.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
        return timerfd_settime(fd_, 0, &when, nullptr) == 0;
    }

  private:
    int fd_;
};

}  // namespace

// ---------------------------------------------------------------- input

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (auto* receiver = qobject_cast<QWidget*>(watched);
        receiver && filter_reading(receiver, event))
        return true;
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
    // Skip may have stopped by itself since the last choice.
    remember();
    // Closing is never cancelled.
    close_game();
    event->accept();
}

void MainWindow::close_game() {
    if (!closing_) run_script([this] { form_->Form_Unload(); });
}

void MainWindow::exit_game() {
    closing_ = true;
    for (QTimer* t : timers_) t->stop();
    for (QEventLoop* loop : loops_) loop->exit(1);
    if (modal_) modal_->close();
    close_reading_overlays();
    close();
    QCoreApplication::quit();
}

// ---------------------------------------------------------------- time and waits

std::uint32_t MainWindow::now_ms() {
    const auto ms = static_cast<std::uint32_t>(clock_.elapsed());
    // The frame log names the first reading after a step: a dissolve's start, exactly.
    if (std::exchange(clock_after_note_, false)) std::fprintf(stderr, "clock %u\n", ms);
    return ms;
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
    woken_ = false;
    while (!closing_ && !std::exchange(woken_, false)) {
        const qint64 now_ns = clock_.nsecsElapsed();
        const auto left =
            static_cast<std::int32_t>(deadline - static_cast<std::uint32_t>(now_ns / 1000000));
        if (left <= 0) return;
        QEventLoop loop;
        // A QTimer counts whole milliseconds from a start that our clock has already
        // truncated, and Qt rounds its wait up again: a frame would wake up to 2 ms late.
        // A timer file set to the deadline itself wakes within a fraction of a millisecond.
        TimerFile alarm;
        if (!alarm.arm(static_cast<qint64>(left) * 1000000 - now_ns % 1000000)) {
            QTimer::singleShot(left, Qt::PreciseTimer, &loop, [&loop] { loop.exit(0); });
            if (!run_loop(loop)) return;
            continue;
        }
        QSocketNotifier ring(alarm.fd(), QSocketNotifier::Read);
        // The file stays readable once it has rung: listen no more, or a wait nested
        // inside this one would be woken over and over.
        connect(&ring, &QSocketNotifier::activated, &loop, [&ring, &loop] {
            ring.setEnabled(false);
            loop.exit(0);
        });
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
