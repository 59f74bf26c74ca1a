#include "platform/qt/ForegroundWindow.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace velkor {
namespace {

// This program's own active window: all that Qt can tell without a window system's help.
class QtForeground : public ForegroundWindow
{
public:
    void remember() override { my_window = QGuiApplication::focusWindow(); }
    void give_back() override
    {
        if (my_window)
            my_window->requestActivate();
    }

private:
    QPointer<QWindow> my_window;
};

struct FreeReply
{
    void operator()(void* reply) const { std::free(reply); }
};

xcb_atom_t intern(xcb_connection_t* connection, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Any program's window, through the window manager's _NET_ACTIVE_WINDOW on the root window.
class X11Foreground : public ForegroundWindow
{
public:
    X11Foreground(xcb_connection_t* connection, xcb_window_t root)
        : my_connection(connection), my_root(root), my_active_atom(intern(connection, "_NET_ACTIVE_WINDOW"))
    {
    }

    void remember() override
    {
        my_own.remember();
        my_window = XCB_WINDOW_NONE;
        if (my_active_atom == XCB_ATOM_NONE)
            return;
        std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(xcb_get_property_reply(
            my_connection, xcb_get_property(my_connection, 0, my_root, my_active_atom, XCB_ATOM_WINDOW, 0, 1),
            nullptr));
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 4)
            std::memcpy(&my_window, xcb_get_property_value(reply.get()), sizeof my_window);
    }

    void give_back() override
    {
        if (my_window == XCB_WINDOW_NONE) {
            my_own.give_back(); // no window manager that keeps the active window
            return;
        }
        xcb_client_message_event_t event = {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = my_window;
        event.type = my_active_atom;
        event.data.data32[0] = 2; // asked for by the user (the Yes), not by a program on its own
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(my_connection, 0, my_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(my_connection);
    }

private:
    xcb_connection_t* my_connection;
    xcb_window_t my_root;
    xcb_atom_t my_active_atom;
    xcb_window_t my_window = XCB_WINDOW_NONE;
    QtForeground my_own;
};

} // namespace

std::unique_ptr<ForegroundWindow> make_foreground_window()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection) {
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        if (screens.rem > 0)
            return std::make_unique<X11Foreground>(connection, screens.data->root);
    }
    return std::make_unique<QtForeground>();
}

} // namespace velkor
