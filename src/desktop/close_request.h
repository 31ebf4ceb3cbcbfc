// A window manager's request to close the game window while a dialog of the game is open.
#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>

class QWidget;

namespace hazama {

// Qt drops a close request for a window that a modal dialog blocks, so the close box of the
// game window would do nothing while the chooser, a file dialog or a message box is up.
// This filter sees the request on X11 before Qt drops it and hands it to `on_close`
// (queued, from the event loop). Elsewhere, and while no dialog is open, it does nothing.
class CloseRequestFilter : public QAbstractNativeEventFilter {
  public:
    CloseRequestFilter(QWidget* window, std::function<void()> on_close);
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

  private:
    QWidget* window_;
    std::function<void()> on_close_;
    std::uint32_t protocols_ = 0;  // the atoms WM_PROTOCOLS and WM_DELETE_WINDOW, 0 when
    std::uint32_t delete_ = 0;     // the window system is not X11
};

}  // namespace hazama
