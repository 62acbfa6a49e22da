"""Drives the real Nuvessa program the way a screen reader and a doctor would.

The program runs under the X server and session bus that e2e_session.py sets
up. Everything it shows is read through AT-SPI, the interface screen readers
use; keys go in through the X server with xdotool, and a close request through
the window's frame is the WM_DELETE_WINDOW message a window manager would send.

Every wait polls with a deadline and fails with what it waited for and what it
saw last; nothing sleeps blindly.
"""

import ctypes
import ctypes.util
import os
import signal
import subprocess
import time

import pyatspi
from gi.repository import Atspi

PROGRAM = os.environ.get("NUVESSA_PROGRAM", "nuvessa")
CAPTION = "Kadrelo"  # every message box carries the application title
POLL = 0.05


class Timeout(AssertionError):
    pass


def wait_for(what, probe, timeout=10.0, seen=None):
    """Polls `probe` until it returns something true and returns that.
    On timeout, fails naming `what` and, if given, what `seen()` reports."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = probe()
        except AssertionError:
            raise
        except Exception:  # a window that went away while it was being read
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            detail = ""
            if seen:
                try:
                    detail = f"\n  last seen: {seen()}"
                except Exception as error:  # the program may be gone
                    detail = f"\n  last seen: ({error})"
            raise Timeout(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(POLL)


def holds_for(what, probe, duration=1.0):
    """Checks that `probe` stays true for `duration` seconds: for things that
    must not happen, such as a window leaving on a key that should do nothing."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not probe():
            raise AssertionError(f"no longer true within {duration:.1f} s: {what}")
        time.sleep(POLL)


def enable_accessibility_bus():
    """Tells the session's accessibility bus that a screen reader is listening."""
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
                    "variant:boolean:true"], check=True, stdout=subprocess.DEVNULL, timeout=20)


# ---- reading accessibles --------------------------------------------------

def is_showing(accessible):
    try:
        return accessible.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def is_checked(accessible):
    return accessible.getState().contains(pyatspi.STATE_CHECKED)


def is_focused(accessible):
    return accessible.getState().contains(pyatspi.STATE_FOCUSED)


def children(accessible):
    result = []
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            result.append(child)
    return result


def descendants(accessible, role=None, name=None, limit=400):
    """Depth-first, in the order the program lists its controls."""
    found, stack = [], list(reversed(children(accessible)))
    while stack and len(found) < limit:
        node = stack.pop()
        try:
            if (role is None or node.getRole() == role) and (name is None or node.name == name):
                found.append(node)
            stack.extend(reversed(children(node)))
        except Exception:
            continue
    return found


def find(accessible, role, name):
    matches = descendants(accessible, role, name)
    if not matches:
        raise AssertionError(f"no {Atspi.role_get_name(role)} named {name!r} in {accessible.name!r}; "
                             f"it holds: {outline(accessible)}")
    return matches[0]


def outline(accessible, limit=60):
    """A short picture of what an accessible holds, for failure messages."""
    parts = []
    for node in children(accessible)[:limit]:
        try:
            parts.append(f"{node.getRoleName()} {node.name!r}")
        except Exception:
            pass
    return "[" + ", ".join(parts) + "]"


def labels(window):
    return [node.name for node in descendants(window, pyatspi.ROLE_LABEL)]


def do_action(accessible, action_name):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if action_name not in names:
        raise AssertionError(f"{accessible.name!r} offers no {action_name!r} action, only {names}")
    action.doAction(names.index(action_name))


# ---- X windows -----------------------------------------------------------

class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def send_close_request(window_id):
    """Sends WM_DELETE_WINDOW to a window, exactly as a window manager does
    when the user clicks its frame's close box (there is no window manager
    under the bare test X server)."""
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.POINTER(_Event)]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(None)
    if not display:
        raise AssertionError("cannot open the X display to send a close request")
    try:
        event = _Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window_id
        event.xclient.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        if not xlib.XSendEvent(display, window_id, 0, 0, ctypes.byref(event)):
            raise AssertionError("the X server refused the close request")
        xlib.XFlush(display)
    finally:
        xlib.XCloseDisplay(display)


class ScreenGrab:
    """One picture of the whole display, to look at several places of it."""

    def __init__(self):
        result = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "ppm:-"],
                                capture_output=True, timeout=30)
        if result.returncode != 0:
            raise AssertionError(f"cannot read the screen: {result.stderr.decode(errors='replace')}")
        # Binary PPM: "P6", width, height, maximum, then the pixels as RGB bytes.
        header = result.stdout
        fields, position = [], 0
        while len(fields) < 4:
            while header[position:position + 1].isspace():
                position += 1
            end = position
            while not header[end:end + 1].isspace():
                end += 1
            fields.append(header[position:end])
            position = end
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = header[position + 1:]

    def colours(self, accessible):
        """The colours shown where the accessible is drawn, as (r, g, b)."""
        extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        found = set()
        for y in range(max(extents.y, 0), min(extents.y + extents.height, self.height)):
            row = y * self.width * 3
            for x in range(max(extents.x, 0), min(extents.x + extents.width, self.width)):
                at = row + x * 3
                found.add(tuple(self.pixels[at:at + 3]))
        return found


def colours_on_screen(accessible):
    """How many colours the screen shows where the accessible is drawn: one
    for an empty picture box, many for a picture."""
    return len(ScreenGrab().colours(accessible))


def text_of(accessible):
    """The text a screen reader reads from a label or text field."""
    return accessible.queryText().getText(0, -1)


def xdotool(*arguments, check=True):
    result = subprocess.run(["xdotool", *map(str, arguments)], capture_output=True, text=True, timeout=20)
    if check and result.returncode != 0:
        raise AssertionError(f"xdotool {' '.join(map(str, arguments))} failed: {result.stderr.strip()}")
    return result.stdout


def visible_x_windows(pid=None):
    """Mapped windows on the display (of one process when `pid` is given),
    as (id, title) pairs."""
    arguments = ["search", "--onlyvisible"]
    arguments += ["--pid", pid] if pid else ["--name", ""]
    ids = xdotool(*arguments, check=False).split()
    windows = []
    for window_id in ids:
        title = xdotool("getwindowname", window_id, check=False).rstrip("\n")
        windows.append((int(window_id), title))
    return windows


def x_property(window_id, name):
    """An X window's property as xprop prints it, or None when it is not set."""
    out = subprocess.run(["xprop", "-id", str(window_id), name], capture_output=True, text=True).stdout
    return out.split("=", 1)[1].strip() if "=" in out else None


def client_position(window_id):
    out = subprocess.run(["xwininfo", "-id", str(window_id)], capture_output=True, text=True).stdout
    info = dict(line.strip().split(": ", 1) for line in out.splitlines() if ": " in line)
    return tuple(int(info[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def outer_geometry(window_id):
    """Left, top, width and height of a window with the frame its window
    manager states it drew around it (visible frame only)."""
    left, top, width, height = client_position(window_id)
    extents = x_property(window_id, "_NET_FRAME_EXTENTS")
    l, r, t, b = (int(n) for n in extents.split(", ")) if extents else (0,) * 4
    return left - l, top - t, width + l + r, height + t + b


def focused_x_window():
    return int(xdotool("getwindowfocus", check=False).strip() or 0)


# ---- the program ---------------------------------------------------------

class Program:
    """One run of the real program, from its start to its end."""

    def __init__(self, path=PROGRAM, **environment):
        self.path = path
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   QT_QPA_PLATFORM="xcb", **environment)
        env.pop("QT_SCALE_FACTOR", None)
        # A session of its own, so that anything it might leave behind can be found.
        self.started = time.monotonic()
        self.process = subprocess.Popen([path], env=env, start_new_session=True,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.app = wait_for(f"{path} to appear on the accessibility bus", self._find_app, timeout=20)

    def _find_app(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended at start with status {self.process.returncode}: "
                                 f"{self.output()}")
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    # Read states and names afresh at every poll, not from a cache.
                    Atspi.Accessible.set_cache_mask(app, Atspi.Cache.NONE)
                    return app
            except Exception:
                continue
        return None

    def output(self):
        if self.process.poll() is None or self.process.stdout is None:
            return ""
        return self.process.stdout.read().decode(errors="replace")[-2000:]

    # -- windows

    def windows(self):
        """The program's top-level windows, shown or hidden."""
        if self.process.poll() is not None:
            # Fail at once, not after a wait's full timeout.
            raise AssertionError(f"the program ended unexpectedly with status {self.process.returncode}: "
                                 f"{self.output()}")
        self.app.clear_cache()
        return children(self.app)

    def showing(self):
        return [w for w in self.windows() if is_showing(w)]

    def showing_names(self):
        return [f"{w.getRoleName()} {w.name!r}" for w in self.showing()]

    def window(self, name, timeout=10.0):
        """Waits for a shown top-level window with that title and returns it."""
        def probe():
            matches = [w for w in self.showing() if w.name == name and w.getRole() != pyatspi.ROLE_ALERT]
            return matches[0] if matches else None
        return wait_for(f"a window titled {name!r}", probe, timeout, seen=self.showing_names)

    def wait_gone(self, name, timeout=10.0):
        wait_for(f"the window {name!r} to close",
                 lambda: not any(w.name == name and w.getRole() != pyatspi.ROLE_ALERT for w in self.showing()),
                 timeout, seen=self.showing_names)

    def message_box(self, timeout=10.0):
        def probe():
            boxes = [w for w in self.showing() if w.getRole() == pyatspi.ROLE_ALERT]
            return boxes[0] if boxes else None
        return wait_for("a message box", probe, timeout, seen=self.showing_names)

    def no_message_box(self):
        return not any(w.getRole() == pyatspi.ROLE_ALERT for w in self.showing())

    def read_box(self, box):
        """What a screen reader says of a message box: its caption, its text
        (the label that is not the icon), and its description."""
        texts = [name for name in labels(box) if name]
        return box.name, " ".join(texts), box.description

    def answer_box(self, expected_text=None, warning=False, by_key=False):
        """Reads the message box on view, checks it, and closes it with OK.
        Returns its text."""
        box = self.message_box()
        caption, text, description = self.read_box(box)
        if expected_text is not None:
            assert text == expected_text, f"message box says {text!r}, expected {expected_text!r}"
        assert caption == CAPTION, f"message box captioned {caption!r}, expected {CAPTION!r}"
        if warning:
            assert description == "Warning", f"a warning box describes itself as {description!r}"
        else:
            assert description != "Warning", "a plain message announces itself as a warning"
        buttons = descendants(box, pyatspi.ROLE_PUSH_BUTTON)
        assert [b.name for b in buttons] == ["OK"], f"message box buttons: {[b.name for b in buttons]}"
        if by_key:
            self.key_to(CAPTION, "Return")
        else:
            do_action(buttons[0], "Press")
        wait_for("the message box to close", self.no_message_box, seen=self.showing_names)
        return text

    # -- controls

    def press(self, window, name):
        do_action(find(window, pyatspi.ROLE_PUSH_BUTTON, name), "Press")

    def choose(self, window, caption):
        option = find(window, pyatspi.ROLE_RADIO_BUTTON, caption)
        do_action(option, "Toggle" if "Toggle" in _action_names(option) else "Press")
        wait_for(f"option {caption!r} to be selected", lambda: is_checked(option))

    def options(self, window):
        return descendants(window, pyatspi.ROLE_RADIO_BUTTON)

    def topic_list(self, main):
        # The window's one combination box, whatever it is named.
        return find(main, pyatspi.ROLE_COMBO_BOX, None)

    def topics(self, main):
        combo = self.topic_list(main)
        lists = descendants(combo, pyatspi.ROLE_LIST)
        assert lists, f"the topic list holds no list: {outline(combo)}"
        return [item.name for item in children(lists[0])]

    def choose_topic(self, main, index):
        """Opens the topic list and picks an entry with the keys, as the
        combination box cannot be set through AT-SPI alone."""
        combo = self.topic_list(main)
        do_action(combo, "ShowMenu")
        entries = descendants(combo, pyatspi.ROLE_LIST)[0]
        wait_for("the topic list to open", lambda: is_showing(entries))
        xdotool("key", "--delay", "5", "Home", *(["Down"] * index), "Return")
        wanted = self.topics(main)[index]
        wait_for(f"topic {wanted!r} to be chosen", lambda: self.chosen_topic(main) == wanted,
                 seen=lambda: self.chosen_topic(main))

    def chosen_topic(self, main):
        """The topic the list's field shows as chosen, or None while it shows
        something that is not a topic (such as "Topic List" at first)."""
        combo = self.topic_list(main)
        entries = [e.name for e in children(descendants(combo, pyatspi.ROLE_LIST)[0])]
        fields = [c for c in children(combo) if c.getRole() == pyatspi.ROLE_TEXT]
        shown = fields[0].queryText().getText(0, -1) if fields else combo.name
        return shown if shown in entries else None

    # -- keys

    def x_window(self, title, timeout=10.0):
        """The X window of the program's shown window with that title; with
        no title, its only shown window (the splash screen has no title)."""
        def probe():
            shown = visible_x_windows(self.process.pid)
            if title is None:
                return shown[0][0] if len(shown) == 1 else None
            matches = [wid for wid, name in shown if name == title]
            return matches[-1] if matches else None
        return wait_for(f"an X window titled {title!r}", probe, timeout,
                        seen=lambda: visible_x_windows(self.process.pid))

    def focus(self, title):
        """Gives the X focus to the program's window with that title."""
        window_id = self.x_window(title)
        xdotool("windowfocus", "--sync", window_id)
        return window_id

    def key_to(self, title, *keys):
        """Gives the X focus to the program's window with that title, then types the keys."""
        window_id = self.x_window(title)
        xdotool("windowfocus", "--sync", window_id)
        xdotool("key", "--delay", "20", *keys)

    def wait_focused(self, window, role, name):
        control = find(window, role, name)
        wait_for(f"{name!r} to have the keyboard focus", lambda: is_focused(control),
                 seen=lambda: [f"{c.getRoleName()} {c.name!r}" for c in descendants(window) if is_focused(c)])
        return control

    # -- the end

    def wait_end(self, timeout=10.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program still runs {timeout:.0f} s later; on view: "
                                 f"{self.showing_names()}")

    def leftovers(self):
        """Processes still in the program's session after it ended."""
        left = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
                if int(fields[3]) == self.process.pid and fields[0] != "Z":
                    left.append(int(entry))
            except (OSError, IndexError, ValueError):
                continue
        return left

    def stop(self):
        """Ends the program if a test left it running."""
        if self.process.poll() is None:
            try:
                os.killpg(self.process.pid, signal.SIGTERM)
                self.process.wait(5)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait(5)
        if self.process.stdout:
            self.process.stdout.close()


def _action_names(accessible):
    action = accessible.queryAction()
    return [action.getName(i) for i in range(action.nActions)]
