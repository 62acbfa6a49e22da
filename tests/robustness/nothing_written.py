#!/usr/bin/env python3
"""Runs the real program under X with empty home, configuration, data and
cache folders, uses every window by keyboard as a user would, exits, and fails
if the program wrote any file or made any folder: there, in its own folder, or
in the folder it was started from. A font cache of the windowing system is
allowed. It also fails if any process the program started outlives it. The
session is a hostile one: no session bus, standard output and error a pipe
whose reader has gone, and a splash picture cut short, whose warning is the
first write to that pipe.

Usage (under an X server, e.g. xvfb-run -a): nothing_written.py PATH-TO-nuvessa
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

WAIT_SECONDS = 20
# A font cache written by the windowing system's font library, not by the program.
ALLOWED_PARTS = ("fontconfig",)


def xdotool(*arguments, timeout=WAIT_SECONDS):
    result = subprocess.run(["xdotool", *arguments], capture_output=True, text=True, timeout=timeout)
    return result.stdout.split()


class Session:
    def __init__(self, program, environment, folder, output):
        self.process = subprocess.Popen([program], env=environment, cwd=folder, stdout=output, stderr=output)
        self.steps = []

    def window(self, name):
        """Waits until a window of the program with this exact title is on view, and gives it the keyboard."""
        self.steps.append(f"wait for '{name}'")
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                self.fail(f"the program ended while '{name}' was awaited")
            found = xdotool("search", "--all", "--onlyvisible", "--pid", str(self.process.pid), "--name", f"^{name}$")
            if found:
                xdotool("windowfocus", "--sync", found[-1])
                return found[-1]
            time.sleep(0.05)
        self.fail(f"no window '{name}' came on view")

    def gone(self, name):
        self.steps.append(f"wait until '{name}' is gone")
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            if not xdotool("search", "--all", "--onlyvisible", "--pid", str(self.process.pid), "--name", f"^{name}$"):
                return
            time.sleep(0.05)
        self.fail(f"the window '{name}' stayed on view")

    def keys(self, *keys):
        self.steps.append("press " + " ".join(keys))
        for key in keys:
            xdotool("key", "--clearmodifiers", key)

    def answer_box(self):
        """Reads nothing, closes the message box with Enter."""
        self.window("Kadrelo")
        self.keys("Return")
        self.gone("Kadrelo")

    def fail(self, reason):
        self.process.kill()
        sys.exit("FAIL: " + reason + "\nsteps:\n  " + "\n  ".join(self.steps))


def use_every_window(session):
    # The splash screen has no title: it is the program's first window on view.
    deadline = time.monotonic() + WAIT_SECONDS
    splash = []
    while not splash and time.monotonic() < deadline:
        if session.process.poll() is not None:
            session.fail(f"the program ended with status {session.process.returncode} before its first window")
        splash = xdotool("search", "--all", "--onlyvisible", "--pid", str(session.process.pid), "--class", "")
        time.sleep(0.05)
    if not splash:
        session.fail("the splash screen did not come on view")
    xdotool("windowfocus", "--sync", splash[-1])
    session.keys("space")

    # The main window opens with the focus on OK: with no topic chosen, the warning.
    session.window("Nuvessa")
    session.keys("Return")
    session.answer_box()

    # Anemia: the topic list comes fourth after OK in the tab order, OK right after it.
    session.window("Nuvessa")
    session.keys("Tab", "Tab", "Tab", "Tab", "Down", "Down", "Tab", "space")
    question_screens = set()
    for screen in range(3):
        # Each question screen opens with the focus on OK; its first finding is
        # two tabs on. On the first screen the second finding leads on (Down).
        question_screens.add(session.window("Anemia"))
        session.keys("Tab", "Tab", "Down" if screen == 0 else "space", "shift+Tab", "shift+Tab", "space")
        time.sleep(0.3)
        if xdotool("search", "--all", "--onlyvisible", "--pid", str(session.process.pid), "--name", "^Kadrelo$"):
            session.answer_box()
    question_screens.add(session.window("Anemia"))
    if len(question_screens) < 2:
        session.fail("the walk never left the first question screen")
    session.keys("alt+h")               # Home
    session.gone("Anemia")

    session.window("Nuvessa")
    session.keys("alt+h")               # Help
    session.window("Help")
    session.keys("alt+h")               # Help's Home
    session.gone("Help")

    session.window("Nuvessa")
    session.keys("alt+b")               # About
    session.window("About MyApp")
    session.keys("alt+s")               # System Info: nothing to start here
    session.answer_box()
    session.window("About MyApp")
    session.keys("Escape")
    session.gone("About MyApp")

    session.window("Nuvessa")
    session.keys("alt+e")               # Exit


def written_under(folder):
    found = []
    for root, folders, names in os.walk(folder):
        for name in folders + names:
            path = os.path.join(root, name)
            if not any(part in path for part in ALLOWED_PARTS):
                found.append(path)
    return found


def processes_left_behind(marker):
    """Processes still running whose environment holds the marker, which only
    the program's own environment, and so its children's, contains."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as environ, open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                if marker.encode() in environ.read():
                    command = cmdline.read().replace(b"\0", b" ").decode(errors="replace")
                    found.append(f"{pid}: {command}")
        except OSError:
            continue
    return found


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    built = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as scratch:
        # The program runs from a folder of its own, with its two pictures beside it.
        program_folder = os.path.join(scratch, "program")
        os.mkdir(program_folder)
        for name in ("nuvessa", "Ut1.jpg", "UT2.jpg"):
            shutil.copy2(os.path.join(os.path.dirname(built), name), program_folder)
        splash_picture = os.path.join(program_folder, "UT2.jpg")
        os.truncate(splash_picture, os.path.getsize(splash_picture) // 3)
        before = {name: os.stat(os.path.join(program_folder, name)).st_mtime_ns
                  for name in os.listdir(program_folder)}

        watched = {}
        for name in ("home", "config", "data", "cache", "runtime", "start", "tmp", "empty-path"):
            watched[name] = os.path.join(scratch, name)
            os.mkdir(watched[name], 0o700)
        environment = {
            "DISPLAY": os.environ["DISPLAY"],
            "HOME": watched["home"],
            "XDG_CONFIG_HOME": watched["config"],
            "XDG_DATA_HOME": watched["data"],
            "XDG_CACHE_HOME": watched["cache"],
            "XDG_RUNTIME_DIR": watched["runtime"],
            "TMPDIR": watched["tmp"],
            # No System Information program can be found or started.
            "PATH": watched["empty-path"],
            "QT_QPA_PLATFORM": "xcb",
        }
        if "XAUTHORITY" in os.environ:
            environment["XAUTHORITY"] = os.environ["XAUTHORITY"]

        # No session bus address is set: none may be started that outlives the program.
        reader, writer = os.pipe()
        os.close(reader)
        session = Session(os.path.join(program_folder, "nuvessa"), environment, watched["start"], writer)
        os.close(writer)
        use_every_window(session)
        try:
            code = session.process.wait(timeout=WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            session.fail("the program did not end after Exit")
        if code != 0:
            session.fail(f"the program ended with status {code}")

        # A daemon that outlived the program may still be on its way up.
        time.sleep(0.5)
        left = processes_left_behind(watched["home"])
        if left:
            sys.exit("FAIL: processes outlived the program:\n  " + "\n  ".join(left))

        written = []
        for folder in watched.values():
            written += written_under(folder)
        after = {name: os.stat(os.path.join(program_folder, name)).st_mtime_ns
                 for name in os.listdir(program_folder)}
        if after != before:
            written.append(f"{program_folder} changed: {sorted(set(after) ^ set(before)) or 'a file rewritten'}")
        if written:
            sys.exit("FAIL: the program wrote:\n  " + "\n  ".join(written))
        print(f"PASS: {len(session.steps)} steps, every window used, nothing written, nothing left running")


if __name__ == "__main__":
    main()
