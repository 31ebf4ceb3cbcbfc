// Fails a window test at once when it leaves a modal dialog open that nothing answers
// (a message box the test did not expect, say), naming the test and the dialog, and
// closes the dialog so that the suite goes on, instead of every later test waiting behind
// it until the suite's time limit.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <functional>

namespace hazama {

class ModalWatch : public QObject {
  public:
    using Report = std::function<void(const QString& dialog)>;

    // A dialog that stays the active modal one for `limit` with no key or button pressed
    // anywhere is unanswered: `report` hears of it, and it is closed.
    explicit ModalWatch(std::chrono::milliseconds limit = std::chrono::seconds(10),
                        Report report = fail_test)
        : limit_(limit), report_(std::move(report)) {
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { look(); });
        timer_.start(50);
        qApp->installEventFilter(this);
    }
    ~ModalWatch() override { qApp->removeEventFilter(this); }

    static void fail_test(const QString& dialog) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        ADD_FAILURE() << (test ? test->test_suite_name() + std::string(".") + test->name()
                               : std::string("a test"))
                      << " left a modal dialog unanswered: " << dialog.toStdString();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
                since_ = std::chrono::steady_clock::now();
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void look() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const auto now = std::chrono::steady_clock::now();
        if (dialog == nullptr || dialog != seen_) {
            seen_ = dialog;
            since_ = now;
            return;
        }
        if (now - since_ < limit_) return;
        QString name = dialog->metaObject()->className() + QStringLiteral(" \"") +
                       dialog->windowTitle() + QStringLiteral("\"");
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            name += QStringLiteral(": ") + box->text();
        seen_ = nullptr;
        report_(name);
        dialog->reject();
    }

    std::chrono::milliseconds limit_;
    Report report_;
    QTimer timer_;
    QPointer<QDialog> seen_;
    std::chrono::steady_clock::time_point since_ = std::chrono::steady_clock::now();
};

}  // namespace hazama
