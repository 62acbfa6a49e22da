#!/usr/bin/python3
"""Takes the screenshots in docs/screenshots from the real program.

Run through scripts/screenshots, which starts the program's own headless X
server and session bus; this script drives the program as the end-to-end
tests do and saves PNGs of what the display shows.
"""

import pathlib
import subprocess
import sys

import pyatspi

from nuvessa_driver import Program, descendants, do_action, enable_accessibility_bus, find, wait_for, xdotool

OUT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "docs/screenshots")


def geometry(window_id):
    fields = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window_id).split())
    return int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])


def shoot(name, *window_ids):
    """Saves the part of the display that holds the given windows."""
    boxes = [geometry(w) for w in window_ids]
    left = min(x for x, _, _, _ in boxes)
    top = min(y for _, y, _, _ in boxes)
    right = max(x + w for x, _, w, _ in boxes)
    bottom = max(y + h for _, y, _, h in boxes)
    target = OUT / f"{name}.png"
    subprocess.run(["import", "-silent", "-window", "root", "-crop",
                    f"{right - left}x{bottom - top}+{left}+{top}", "+repage", "-strip", str(target)], check=True)
    print(f"saved {target}")


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    enable_accessibility_bus()
    program = Program()
    try:
        program.key_to(None, "space")
        main_window = program.window("Nuvessa")
        wait_for("the main window's topic list", lambda: descendants(main_window, pyatspi.ROLE_COMBO_BOX))
        program.choose_topic(main_window, 1)
        main_id = program.x_window("Nuvessa")
        shoot("main-window", main_id)

        program.press(main_window, "Help")
        help_window = program.window("Help")
        do_action(find(help_window, pyatspi.ROLE_LABEL, "How do I use the application ?"), "Press")
        program.focus("Help")
        shoot("help", program.x_window("Help"))
        program.press(help_window, "Home")
        program.wait_gone("Help")

        program.press(main_window, "About")
        program.window("About MyApp")
        shoot("about", program.x_window("About MyApp"))
        program.key_to("About MyApp", "Escape")
        program.wait_gone("About MyApp")

        program.press(main_window, "OK")
        first = program.window("Anemia")
        program.choose(first, "Less than 10 g/dL")
        program.press(first, "OK")
        hub = wait_for("the hemogram screen", lambda: next(
            (w for w in program.showing() if w.name == "Anemia" and "hemogram" in w.description), None))
        program.choose(hub, "Hypochromia, microcytosis")
        screen_id = program.x_window("Anemia")
        shoot("question-screen", screen_id)

        program.press(hub, "OK")
        program.message_box()
        shoot("message-box", screen_id, program.x_window("Kadrelo"))
        program.answer_box()
        program.press(program.window("Anemia"), "Exit")
        program.wait_end()
    finally:
        program.stop()


if __name__ == "__main__":
    main()
