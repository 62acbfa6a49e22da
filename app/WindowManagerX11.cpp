#include "app/WindowManager.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {
// Window managers answer a frame request within a few milliseconds; one that
// has not answered by then is taken to draw no frame.
constexpr int frameAnswerWaitMs = 200;
constexpr int frameAnswerPollMs = 2;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_connection_t* x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The atoms of these names. An atom never changes while the connection lasts,
// and every screen that loads asks for the same ones, so each name is asked of
// the X server once; names not yet known are asked together, one wait for all.
template <std::size_t N>
std::array<xcb_atom_t, N> atoms(xcb_connection_t* connection, const std::array<const char*, N>& names)
{
    static std::map<std::string, xcb_atom_t, std::less<>> known;
    std::array<xcb_atom_t, N> found{};
    std::array<std::optional<xcb_intern_atom_cookie_t>, N> asked;
    for (std::size_t i = 0; i < N; ++i) {
        const auto it = known.find(std::string_view(names[i]));
        if (it != known.end())
            found[i] = it->second;
        else
            asked[i] = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (!asked[i])
            continue;
        const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, *asked[i], nullptr));
        found[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        if (found[i] != XCB_ATOM_NONE)
            known.emplace(names[i], found[i]);
    }
    return found;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    return atoms(connection, std::array{name})[0];
}

// A 32-bit property of a window (atoms, cardinals or window ids); empty when it is not set.
std::vector<uint32_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window)
{
    const ReplyPtr<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// A window manager that follows the EWMH rules names itself on the root window
// and lists there what it supports; nothing is listed where none runs.
std::vector<uint32_t> windowManagerFeatures(xcb_connection_t* connection, xcb_window_t root)
{
    if (property(connection, root, atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW).empty())
        return {};
    return property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
}

bool listed(const std::vector<uint32_t>& features, xcb_atom_t feature)
{
    return std::find(features.begin(), features.end(), feature) != features.end();
}

// Waits, a short and bounded time, for the window manager to state the frame of a window.
std::vector<uint32_t> awaitFrameExtents(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents)
{
    QElapsedTimer waited;
    waited.start();
    std::vector<uint32_t> answer;
    while ((answer = property(connection, window, extents, XCB_ATOM_CARDINAL)).size() < 4
           && waited.elapsed() < frameAnswerWaitMs)
        QThread::msleep(frameAnswerPollMs);
    return answer;
}

void copyProperty(xcb_connection_t* connection, xcb_window_t from, xcb_window_t to, xcb_atom_t name)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, from, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
    if (reply && reply->type != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, to, name, reply->type, reply->format,
                            static_cast<uint32_t>(xcb_get_property_value_length(reply.get()) / (reply->format / 8)),
                            xcb_get_property_value(reply.get()));
}

// For a window manager that frames windows without answering frame requests:
// a stand-in of the same kind and decoration is mapped minimised and off the
// taskbar, so that nothing shows, and its frame is read before it goes again.
std::vector<uint32_t> standInFrameExtents(xcb_connection_t* connection, xcb_window_t root, xcb_window_t model,
                                          xcb_atom_t extents)
{
    const xcb_window_t standIn = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, standIn, root, 0, 0, 64, 64, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    for (const char* name : {"_NET_WM_WINDOW_TYPE", "_MOTIF_WM_HINTS", "WM_NORMAL_HINTS"})
        copyProperty(connection, model, standIn, atom(connection, name));
    // WM_HINTS: the initial state (flag 2) is iconic (3).
    const uint32_t hints[9] = {2, 0, 3, 0, 0, 0, 0, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, standIn, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32, 9,
                        hints);
    const uint32_t states[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                               atom(connection, "_NET_WM_STATE_SKIP_PAGER"), atom(connection, "_NET_WM_STATE_HIDDEN")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, standIn, atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM,
                        32, 3, states);
    xcb_map_window(connection, standIn);
    xcb_flush(connection);
    std::vector<uint32_t> answer = awaitFrameExtents(connection, standIn, extents);
    xcb_destroy_window(connection, standIn);
    xcb_flush(connection);
    return answer;
}
} // namespace

QSizeF WindowManager::displaySize(const QScreen* display)
{
    xcb_connection_t* connection = x11Connection();
    // One X screen spans every monitor; its size is the display's only when there is one.
    if (!connection || QGuiApplication::screens().size() != 1)
        return display->geometry().size();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return QSizeF(screen->width_in_pixels, screen->height_in_pixels) / display->devicePixelRatio();
}

QMarginsF WindowManager::frameExtents(QWidget* window)
{
    // Once the window has been on view the toolkit knows its frame; before its
    // first show only the window manager does.
    if (window->isVisible()) {
        const QRect outer = window->frameGeometry();
        const QRect client = window->geometry();
        return QMarginsF(client.left() - outer.left(), client.top() - outer.top(),
                         outer.right() - client.right(), outer.bottom() - client.bottom());
    }
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return {};
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = rootOf(connection, id);
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    if (root == XCB_WINDOW_NONE)
        return {};
    const std::vector<uint32_t> features = windowManagerFeatures(connection, root);
    if (!listed(features, extents))
        return {};

    std::vector<uint32_t> answer;
    if (listed(features, request)) {
        // Asked of the window manager itself, which states the frame on the window.
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = request;
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection);
        answer = awaitFrameExtents(connection, id, extents);
    } else {
        answer = standInFrameExtents(connection, root, id, extents);
    }
    if (answer.size() < 4)
        return {};
    // Left, right, top, bottom, in the display's own pixels.
    const double ratio = window->devicePixelRatioF();
    return {answer[0] / ratio, answer[2] / ratio, answer[1] / ratio, answer[3] / ratio};
}

void WindowManager::keepOffTaskbar(QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    // Set before the window is mapped, the toolkit keeps these states beside its own.
    const auto [skipTaskbar, skipPager, state] = atoms(
        connection, std::array{"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_STATE"});
    const uint32_t states[] = {skipTaskbar, skipPager};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), state,
                        XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}
