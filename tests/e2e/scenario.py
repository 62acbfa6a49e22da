"""The base of every scenario: a fresh run of the program per test."""

import unittest

import pyatspi

import os

from nuvessa_driver import (Program, descendants, enable_accessibility_bus, focused_x_window, is_showing,
                            outer_geometry, visible_x_windows, wait_for, xdotool)

WINDOW_MANAGER = os.environ.get("NUVESSA_E2E_WINDOW_MANAGER")

MAIN_TITLE = "Nuvessa"
NOTHING_CHOSEN = ("Nothing is selected! You have to select an item from the drop-down list in the "
                  "combination box and then click OK.")
NOTHING_SELECTED_ON_SCREEN = ("Nothing is selected. You have to select one item by clicking on its radio "
                              "button and then click OK.")


class Scenario(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        enable_accessibility_bus()

    def setUp(self):
        self.windows_before = visible_x_windows()
        self.program = Program()
        self.addCleanup(self.program.stop)

    # The splash screen and the main window share the name "Nuvessa"; the
    # main window is the one with the topic list.
    def splash(self, timeout=10.0):
        return wait_for("the splash screen", lambda: self._nuvessa_window(with_topics=False), timeout,
                        seen=self.program.showing_names)

    def main_window(self, timeout=10.0):
        return wait_for("the main window", lambda: self._nuvessa_window(with_topics=True), timeout,
                        seen=self.program.showing_names)

    def _nuvessa_window(self, with_topics):
        for window in self.program.showing():
            if window.name != MAIN_TITLE or window.getRole() == pyatspi.ROLE_ALERT:
                continue
            has_topics = bool(descendants(window, pyatspi.ROLE_COMBO_BOX))
            if has_topics == with_topics:
                return window
        return None

    def main_window_shown(self):
        return self._nuvessa_window(with_topics=True) is not None

    def leave_splash(self):
        """Skips the splash screen with a key, as an impatient doctor would."""
        self.splash()
        self.program.key_to(None, "space")
        return self.main_window()

    def leave_splash_by_typing(self):
        """Leaves the splash screen with a key typed into whatever has the
        focus: the splash screen must have it as it opens."""
        self.splash()
        splash = self.program.x_window(None)
        wait_for("the splash screen to have the keyboard focus", lambda: focused_x_window() == splash,
                 seen=focused_x_window)
        xdotool("key", "x")
        return self.main_window()

    def assert_sized_and_centred(self, window_id, factor):
        """The window, frame and title bar included, is that share of the display, centred, to a pixel."""
        width, height = (int(n) for n in xdotool("getdisplaygeometry").split())
        left, top, outer_width, outer_height = outer_geometry(window_id)
        for got, wanted in ((outer_width, width * factor), (outer_height, height * factor),
                            (left, (width - outer_width) / 2), (top, (height - outer_height) / 2)):
            self.assertLessEqual(abs(got - wanted), 1,
                                 f"{outer_width}x{outer_height}+{left}+{top} on {width}x{height}")

    def assert_showing(self, *names):
        shown = sorted(w.name for w in self.program.showing())
        self.assertEqual(shown, sorted(names), f"on view: {self.program.showing_names()}")

    def assert_ends_cleanly(self):
        status = self.program.wait_end()
        self.assertEqual(status, 0, f"the program ended with status {status}: {self.program.output()}")
        self.assertEqual(self.program.leftovers(), [], "processes of the program were left behind")
        self.assertEqual(sorted(visible_x_windows()), sorted(self.windows_before),
                         "windows were left on the display")


__all__ = ["Scenario", "is_showing", "MAIN_TITLE", "WINDOW_MANAGER", "NOTHING_CHOSEN", "NOTHING_SELECTED_ON_SCREEN"]
