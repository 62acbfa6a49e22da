#!/usr/bin/python3
"""Runs end-to-end scenarios of Nuvessa in a private desktop session.

Starts a headless X server of its own (Xvfb picks a free display and says
which, so parallel runs never collide), then runs the given unittest names
under a private D-Bus session, where the accessibility bus starts on demand:

  e2e_session.py --program build/nuvessa test_shell.MainWindow.test_topics

--window-manager openbox runs the session under a real window manager, as a
doctor's desktop has one; the scenarios learn its name from
NUVESSA_E2E_WINDOW_MANAGER. Or, with --script, any Python script that drives the program the same way.
"""

import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time

HERE = pathlib.Path(__file__).resolve().parent


def start_x_server(size):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{size}x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as announcement:
        display = announcement.readline().strip()
    if not display:
        server.kill()
        sys.exit("e2e: the X server (Xvfb) did not start")
    return server, f":{display}"


def start_window_manager(name, env):
    """Starts a window manager and waits until it has claimed the screen, so
    that the program's first window is already managed."""
    # Kept off the accessibility bus: a GTK window manager would otherwise name a
    # bus of its own on the display, where the scenarios would look for the program.
    # Its log goes to the session's private folder, not the home's cache.
    manager = subprocess.Popen([name], env=dict(env, NO_AT_BRIDGE="1", GTK_A11Y="none",
                                                XDG_CACHE_HOME=env["XDG_RUNTIME_DIR"]),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline:
        claimed = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                                 capture_output=True, text=True)
        if "window id" in claimed.stdout:
            return manager
        if manager.poll() is not None:
            break
        time.sleep(0.05)
    manager.kill()
    sys.exit(f"e2e: the window manager {name} did not start")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="the nuvessa executable to drive")
    parser.add_argument("--screen", default="1280x1024", help="the display's size in pixels")
    parser.add_argument("--window-manager", help="run under this window manager, e.g. openbox")
    parser.add_argument("--script", help="run this Python script (with the remaining arguments) instead of tests")
    parser.add_argument("tests", nargs="*", help="unittest names, e.g. test_shell.Splash")
    arguments = parser.parse_args()

    server, display = start_x_server(arguments.screen)
    runtime_dir = tempfile.mkdtemp(prefix="nuvessa-e2e-")  # private, as the toolkit expects
    manager = None
    try:
        env = dict(os.environ, DISPLAY=display, NUVESSA_PROGRAM=os.path.abspath(arguments.program),
                   PYTHONPATH=str(HERE), PYTHONDONTWRITEBYTECODE="1")
        env.pop("XAUTHORITY", None)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env["XDG_RUNTIME_DIR"] = runtime_dir
        if arguments.window_manager:
            manager = start_window_manager(arguments.window_manager, env)
            env["NUVESSA_E2E_WINDOW_MANAGER"] = arguments.window_manager
        if arguments.script:
            python = [os.path.abspath(arguments.script), *arguments.tests]
            cwd = os.getcwd()
        else:
            python = ["-m", "unittest", "-v", *arguments.tests]
            cwd = HERE
        # The pyatspi bindings call deprecated names of their own library; that is not ours to mend.
        command = ["dbus-run-session", "--", "/usr/bin/python3", "-W", "ignore::DeprecationWarning", *python]
        return subprocess.run(command, env=env, cwd=cwd, timeout=600).returncode
    finally:
        if manager:
            manager.terminate()
            manager.wait(10)
        server.terminate()
        server.wait(10)
        shutil.rmtree(runtime_dir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
