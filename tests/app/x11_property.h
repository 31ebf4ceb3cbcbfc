// A property of a window as the window manager reads it, on a real X screen.
#pragma once

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace hazama {

// The property `name` of the X window `id`, in 32-bit words; empty when there is none.
inline std::vector<std::uint32_t> x11_property(std::uint32_t id, const char* name,
                                               xcb_atom_t type) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) return {};
    xcb_connection_t* c = x11->connection();
    const auto atom_reply = std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)>(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr), &free);
    if (!atom_reply) return {};
    const auto reply = std::unique_ptr<xcb_get_property_reply_t, decltype(&free)>(
        xcb_get_property_reply(c, xcb_get_property(c, 0, id, atom_reply->atom, type, 0, 32),
                               nullptr),
        &free);
    if (!reply) return {};
    const auto* words = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {words, words + xcb_get_property_value_length(reply.get()) / 4};
}

// The atom named `name`, 0 when the server has none.
inline std::uint32_t x11_atom(const char* name) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) return 0;
    xcb_connection_t* c = x11->connection();
    const auto reply = std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)>(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::strlen(name), name), nullptr), &free);
    return reply ? reply->atom : 0;
}

}  // namespace hazama
