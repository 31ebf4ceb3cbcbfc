// A window manager's request to close the game window while a dialog of the game is open.
#include "desktop/close_request.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace hazama {
namespace {

std::uint32_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (reply == nullptr) return 0;
    const std::uint32_t value = reply->atom;
    std::free(reply);
    return value;
}

}  // namespace

CloseRequestFilter::CloseRequestFilter(QWidget* window, std::function<void()> on_close)
    : window_(window), on_close_(std::move(on_close)) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    protocols_ = atom(x11->connection(), "WM_PROTOCOLS");
    delete_ = atom(x11->connection(), "WM_DELETE_WINDOW");
}

bool CloseRequestFilter::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (protocols_ == 0 || type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) return false;
    const auto* request = static_cast<const xcb_client_message_event_t*>(message);
    if (request->format != 32 || request->type != protocols_ ||
        request->data.data32[0] != delete_ || request->window != window_->winId())
        return false;
    // Without a dialog, Qt delivers the close itself.
    if (QApplication::activeModalWidget() != nullptr) QTimer::singleShot(0, window_, on_close_);
    return false;
}

}  // namespace hazama
