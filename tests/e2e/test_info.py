"""The Help window and the About box, opened beside the main window."""

import pathlib
import tempfile
import unittest

import pyatspi

from nuvessa_driver import (Program, ScreenGrab, descendants, do_action, find, text_of, visible_x_windows,
                            wait_for)
from scenario import MAIN_TITLE, Scenario

QUESTIONS = [
    "How do I start the application ?",
    "How do I use the application ?",
    "How do I end the application ?",
    "How do I use Help ?",
    "How do I find details of the application ?",
]
ANSWERS = [
    "You can start the application by clicking on its icon in the Start Menu.",
    "You have to select an item from the list in the combination box, and then click OK. You will be offered "
    "some choices. Click on the appropiate one and then click OK. Continue in this way until the final answer "
    "is offered to you. Click OK on the message box to close it.",
    "You have to click on Exit to close the application.",
    "You have to click Help in the startup screen to obtain help.",
    "You have to check About in the Startup screen to open the About dialog box. It will also give you "
    "information about your computer system.",
]
BLUE = (0, 0, 255)
ABOUT_TITLE = "About MyApp"
UNAVAILABLE = "System Information Is Unavailable At This Time"


class Help(Scenario):
    def open_help(self, main):
        self.program.press(main, "Help")
        return self.program.window("Help")

    def question(self, help_window, number):
        return find(help_window, pyatspi.ROLE_LABEL, QUESTIONS[number - 1])

    def answer_area(self, help_window):
        # The answer area is the last label of the window, below the questions.
        return descendants(help_window, pyatspi.ROLE_LABEL)[-1]

    def answer(self, help_window):
        """The answer as a screen reader can read it: the area's text, or its
        name or description when those carry it."""
        area = self.answer_area(help_window)
        try:
            return text_of(area)
        except NotImplementedError:
            return area.description or area.name

    def answer_drawn(self, help_window):
        # Empty, the answer area is one flat colour; with an answer, it shows text.
        return len(ScreenGrab().colours(self.answer_area(help_window))) > 2

    def blue_questions(self, help_window):
        screen = ScreenGrab()
        return [n for n in range(1, 6) if BLUE in screen.colours(self.question(help_window, n))]

    def click(self, help_window, number):
        do_action(self.question(help_window, number), "Press")
        wait_for(f"question {number} alone in blue", lambda: self.blue_questions(help_window) == [number],
                 seen=lambda: self.blue_questions(help_window))
        wait_for("an answer in the answer area", lambda: self.answer_drawn(help_window))

    def test_questions_and_answers(self):
        main = self.leave_splash()
        help_window = self.open_help(main)
        self.assert_showing(MAIN_TITLE, "Help")
        labels = [label.name for label in descendants(help_window, pyatspi.ROLE_LABEL)]
        for text in ["Help", "Click on a question below to obtain help", *QUESTIONS]:
            self.assertIn(text, labels)
        self.assertFalse(self.answer_drawn(help_window), "the answer area is not empty at first")
        self.assertEqual(self.blue_questions(help_window), [])

        self.click(help_window, 2)
        self.click(help_window, 4)
        self.click(help_window, 4)
        for number in (1, 3, 5):
            self.click(help_window, number)

        # Home closes it; the next Help opens a fresh one.
        self.program.press(help_window, "Home")
        self.program.wait_gone("Help")
        self.assert_showing(MAIN_TITLE)
        help_window = self.open_help(main)
        self.assertFalse(self.answer_drawn(help_window), "the new Help window shows an old answer")
        self.assertEqual(self.blue_questions(help_window), [])

    def test_a_screen_reader_reads_each_answer(self):
        main = self.leave_splash()
        help_window = self.open_help(main)
        for number in range(1, 6):
            do_action(self.question(help_window, number), "Press")
            wait_for(f"the answer to question {number} to be readable",
                     lambda: self.answer(help_window) == ANSWERS[number - 1],
                     timeout=3, seen=lambda: self.answer(help_window))

    def test_exit_from_help_ends_the_program(self):
        main = self.leave_splash()
        help_window = self.open_help(main)
        # Exit holds the focus when the window opens: Space presses it.
        self.program.wait_focused(help_window, pyatspi.ROLE_PUSH_BUTTON, "Exit")
        self.program.key_to("Help", "space")
        self.assert_ends_cleanly()


class About(Scenario):
    def setUp(self):
        # No system information tool on the program's search path but the one a test puts there.
        self.tools = tempfile.TemporaryDirectory(prefix="nuvessa-tools-")
        self.addCleanup(self.tools.cleanup)
        self.windows_before = visible_x_windows()
        self.program = Program(PATH=self.tools.name)
        self.addCleanup(self.program.stop)

    def open_about(self, main):
        self.program.press(main, "About")
        return self.program.window(ABOUT_TITLE)

    def test_texts_and_ways_to_close(self):
        main = self.leave_splash()
        about = self.open_about(main)
        self.assert_showing(MAIN_TITLE, ABOUT_TITLE)
        labels = [label.name for label in descendants(about, pyatspi.ROLE_LABEL)]
        self.assertEqual(labels[:3], [
            "Nuvessa", "Version 1.0",
            "This program is used to obtain a diagnosis based on the patient's history, examination findings, "
            "and invesigation findings supplied to the computer, and then to make a decision about the "
            "management options available in that situation."])
        self.assertEqual(len(labels), 4, f"labels: {labels}")
        self.assertTrue(labels[3], "the legal notice is empty")
        self.assertEqual([b.name for b in descendants(about, pyatspi.ROLE_PUSH_BUTTON)], ["OK", "System Info..."])
        self.program.wait_focused(about, pyatspi.ROLE_PUSH_BUTTON, "OK")

        # Esc closes it, whatever has the focus.
        self.program.key_to(ABOUT_TITLE, "Tab")
        self.program.wait_focused(about, pyatspi.ROLE_PUSH_BUTTON, "System Info...")
        self.program.key_to(ABOUT_TITLE, "Escape")
        self.program.wait_gone(ABOUT_TITLE)
        self.assert_showing(MAIN_TITLE)

        # Enter on OK closes it too.
        about = self.open_about(main)
        self.program.wait_focused(about, pyatspi.ROLE_PUSH_BUTTON, "OK")
        self.program.key_to(ABOUT_TITLE, "Return")
        self.program.wait_gone(ABOUT_TITLE)
        self.assert_showing(MAIN_TITLE)

    def test_system_info_unavailable(self):
        main = self.leave_splash()
        about = self.open_about(main)
        self.program.press(about, "System Info...")
        self.program.answer_box(UNAVAILABLE)
        self.assert_showing(MAIN_TITLE, ABOUT_TITLE)

    def test_system_info_starts_the_tool(self):
        marker = pathlib.Path(self.tools.name) / "started"
        tool = pathlib.Path(self.tools.name) / "hardinfo"
        tool.write_text(f"#!/bin/sh\necho started > {marker}\n")
        tool.chmod(0o755)
        main = self.leave_splash()
        about = self.open_about(main)
        self.program.press(about, "System Info...")
        wait_for("the system information tool to start", marker.exists)
        self.assertTrue(self.program.no_message_box(), "a message box came although the tool started")
        self.assert_showing(MAIN_TITLE, ABOUT_TITLE)
