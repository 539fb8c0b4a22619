// Closes the window that has the keyboard focus as a window manager's close
// button does: it sends the window WM_DELETE_WINDOW (ICCCM 4.2.8.1), which the
// toolkit answers as a click on the close button.
//
//   close-window    (on $DISPLAY)

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Replies that xcb allocates; free() releases them.
template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> owned(Reply *reply)
{
    return {reply, &std::free};
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

int main()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const auto focus =
        owned(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    if (!focus || focus->focus == XCB_NONE || focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT)
        return 1;
    xcb_client_message_event_t message{
        XCB_CLIENT_MESSAGE, 32, 0, focus->focus, atom(connection, "WM_PROTOCOLS"), {}};
    message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    // A checked request waits for the server's answer: the request is carried
    // out before the connection closes. Sent and left at once, a loaded
    // server was seen to drop it with the closed connection.
    const auto error = owned(xcb_request_check(
        connection, xcb_send_event_checked(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                                           reinterpret_cast<const char *>(&message))));
    xcb_disconnect(connection);
    return error ? 1 : 0;
}
