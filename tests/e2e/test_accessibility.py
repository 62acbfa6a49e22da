"""What a screen reader can say of every window: each control a spoken name,
each picture a short description of what it shows, each question screen its
prompt, and each warning that it is one."""

import unittest

import pyatspi

from nuvessa_driver import descendants, is_showing
from scenario import MAIN_TITLE, NOTHING_CHOSEN, Scenario

# Roles a screen reader speaks by name; fillers and panels are layout only.
SPOKEN = {
    pyatspi.ROLE_PUSH_BUTTON: "button",
    pyatspi.ROLE_RADIO_BUTTON: "option",
    pyatspi.ROLE_COMBO_BOX: "combination box",
    pyatspi.ROLE_IMAGE: "picture",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_TEXT: "text field",
}


class Accessibility(Scenario):
    def unnamed(self, window):
        """Controls on view that a screen reader could only call by their role."""
        missing = []
        for node in descendants(window):
            role = node.getRole()
            if role == pyatspi.ROLE_TEXT and node.parent.getRole() == pyatspi.ROLE_COMBO_BOX:
                continue  # the topic list's own field, spoken with the list
            if role in SPOKEN and is_showing(node) and not node.name.strip():
                missing.append(SPOKEN[role])
        return missing

    def assert_all_named(self, window):
        self.assertTrue(window.name.strip(), f"a {window.getRoleName()} window has no name")
        self.assertEqual(self.unnamed(window), [], f"unnamed controls in {window.name!r}")

    def assert_picture_described(self, window):
        pictures = descendants(window, pyatspi.ROLE_IMAGE)
        self.assertEqual(len(pictures), 1)
        name = pictures[0].name
        # Short, and about what it shows rather than the file or the product.
        self.assertTrue(0 < len(name) <= 80, f"picture description {name!r}")
        self.assertNotIn(".jpg", name.lower())
        self.assertNotEqual(name.strip().lower(), "nuvessa")

    def test_every_window_speaks(self):
        splash = self.splash()
        self.assert_all_named(splash)
        self.assert_picture_described(splash)

        main = self.leave_splash()
        self.assert_all_named(main)
        self.assert_picture_described(main)
        # The topic list says what it is for.
        topic_list = self.program.topic_list(main)
        self.assertTrue(topic_list.description.strip(), "the topic list has no description")

        # A warning says it is one; the box is named by its caption.
        self.program.press(main, "OK")
        box = self.program.message_box()
        self.assertEqual(box.name, "Kadrelo")
        self.assertEqual(box.description, "Warning")
        self.assertEqual([b.name for b in descendants(box, pyatspi.ROLE_PUSH_BUTTON)], ["OK"])
        self.program.answer_box(NOTHING_CHOSEN, warning=True)

        self.program.press(main, "Help")
        self.assert_all_named(self.program.window("Help"))
        self.program.press(main, "About")
        self.assert_all_named(self.program.window("About MyApp"))

        self.program.choose_topic(main, 1)
        self.program.press(main, "OK")
        screen = self.program.window("Anemia")
        self.assert_all_named(screen)
        # The prompt is announced with the window, after the introduction.
        self.assertTrue(screen.description.endswith(
            ". Check the hemoglobin level of the gravida at the first antenatal visit."))
        self.assertIn(MAIN_TITLE, [w.name for w in self.program.windows()])

    # A screen reader would call an unnamed icon just "image".
    def test_the_warning_icon_is_named(self):
        main = self.leave_splash()
        self.program.press(main, "OK")
        self.assert_all_named(self.program.message_box())
