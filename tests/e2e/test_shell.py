"""The splash screen, the main window and its topic list, and the way out."""

import time

import pyatspi

from nuvessa_driver import (client_position, colours_on_screen, descendants, focused_x_window, holds_for,
                            send_close_request, wait_for, x_property, xdotool)
from scenario import MAIN_TITLE, NOTHING_CHOSEN, WINDOW_MANAGER, Scenario

TOPICS = [
    "Adult respiratory distress syndrome", "Anemia", "Antepartum hemorrhage", "Asymptomatic bacteriuria",
    "Breast lump", "Breathlessness", "Breech presentation", "Brow presentation", "Burns",
    "Cardiac disease, noncyanotic", "Cardiac disease, cyanotic", "Coagulopathy", "Coarctation of aorta",
    "Collapse", "Compound presentation", "Convulsions", "Cough", "Ectopic pregnancy", "Edema", "Epistaxis",
    "Exposure to teratogen", "Face presentation", "Failure to gain weight", "Fetal distress",
    "Fetal macrosomia", "Fetal monitoring, antepartum", "Fetal monitoring, intrapartum",
    "Fetal tachyarrhythmia", "First trimester vaginal bleeding", "Goitre", "Hematemesis", "Hernia",
    "High floating presenting part", "Hydramnios", "Hydrocephalus", "Hydrops fetalis", "Hypertension",
    "Induction of labor", "Jaundice", "LMP unknown", "Loss of fetal movements", "Multiple pregnancy",
    "Nipple discharge", "Nonprogress of labor", "Occiput posterior position", "Oligohydramnios",
    "Out of wedlock pregnancy", "Pelvic contraction", "Pelvic/abdominopelvic lump", "Prenatal diagnosis",
    "Postdatism", "Postpartum hemorrhage, early", "Postpartum hemorrhage, late", "Postpartum mastalgia",
    "Premature rupture of membranes", "Preterm labor", "Previous cesarean section", "Pruritus",
    "Puerperal pyrexia", "Pulmonary thromboembolism", "Renal disease", "Rh-isoimmunization",
    "Septic abortion", "Soft tissue dystocia", "Suspicion of pregnancy", "Thyroid nodule", "Transverse lie",
    "Trauma", "Umbilical cord prolapse", "Uterus larger than expected", "Uterus smaller than expected",
    "Varicose veins", "Vomiting",
]


class Splash(Scenario):
    def test_a_key_leaves_at_once(self):
        splash = self.splash()
        self.assertIn("Nuvessa", [label.name for label in descendants(splash, pyatspi.ROLE_LABEL)])
        self.assertIn("Version 1.0", [label.name for label in descendants(splash, pyatspi.ROLE_LABEL)])
        # An arrow key gives no character and leaves the splash screen in place.
        self.program.key_to(None, "Right")
        holds_for("the splash screen stays on an arrow key",
                  lambda: self._nuvessa_window(with_topics=False) and not self.main_window_shown())
        started = time.monotonic()
        self.program.key_to(None, "x")
        self.main_window(timeout=3)
        self.assertLess(time.monotonic() - started, 3)
        wait_for("the splash screen to go", lambda: self._nuvessa_window(with_topics=False) is None)
        self.assert_showing(MAIN_TITLE)

    def test_untouched_it_leaves_after_eight_seconds(self):
        self.splash()
        seen = time.monotonic()
        self.main_window(timeout=15)
        left = time.monotonic()
        # Its eight seconds run from its load, which comes after the program's start
        # and before the splash screen could be seen.
        self.assertGreaterEqual(left - self.program.started, 8.0, "the splash screen left too early")
        self.assertLess(left - seen, 10.0, "the splash screen stayed too long")
        self.assert_showing(MAIN_TITLE)


class MainWindow(Scenario):
    def test_title_controls_and_topics_in_order(self):
        main = self.leave_splash()
        self.assertEqual(main.name, "Nuvessa")
        labels = [label.name for label in descendants(main, pyatspi.ROLE_LABEL)]
        self.assertIn(" Nuvessa", labels)
        self.assertIn("Select an item from the drop down list in the combination box, and then click OK", labels)
        buttons = {b.name: b.description for b in descendants(main, pyatspi.ROLE_PUSH_BUTTON)}
        self.assertEqual(buttons, {
            "OK": "Click to accept selection in combination box",
            "Help": "Click to obtain help",
            "About": "Click to obtain information about the program",
            "Exit": "Click to close the application",
        })
        self.assertEqual(self.program.topics(main), TOPICS)
        self.assertIsNone(self.program.chosen_topic(main), "a topic is chosen when the window opens")
        self.program.wait_focused(main, pyatspi.ROLE_PUSH_BUTTON, "OK")

    def test_ok_with_nothing_chosen_warns(self):
        main = self.leave_splash()
        self.program.press(main, "OK")
        self.program.answer_box(NOTHING_CHOSEN, warning=True)
        self.assert_showing(MAIN_TITLE)
        # Enter at once, with the focus still on OK, gives the same warning.
        self.program.key_to(MAIN_TITLE, "Return")
        self.program.answer_box(NOTHING_CHOSEN, warning=True, by_key=True)
        self.assertIsNone(self.program.chosen_topic(main))

    def test_a_topic_without_guidance_keeps_the_main_window(self):
        main = self.leave_splash()
        self.program.choose_topic(main, TOPICS.index("Antepartum hemorrhage"))
        self.program.press(main, "OK")
        text = self.program.answer_box()
        self.assertIn("Antepartum hemorrhage", text)
        self.assertTrue(self.main_window_shown(), "the main window went away for a topic with no walk")
        self.assert_showing(MAIN_TITLE)
        self.assertEqual(self.program.chosen_topic(main), "Antepartum hemorrhage")

    def test_exit_ends_the_program(self):
        main = self.leave_splash()
        self.program.press(main, "Exit")
        self.assert_ends_cleanly()

    def test_closing_the_main_window_through_its_frame_ends_the_program(self):
        self.leave_splash()
        self.program.x_window(MAIN_TITLE)
        send_close_request(self.program.x_window(MAIN_TITLE))
        self.assert_ends_cleanly()


class Installed(Scenario):
    """A short run of the program as installed: it finds its pictures beside
    itself through the bin/nuvessa link, and works."""

    def test_smoke(self):
        splash = self.splash()
        self.assertPictureLoaded(splash)
        hints = self.program.x_window(None)
        self.assertIn("_NET_WM_STATE_SKIP_TASKBAR", x_property(hints, "_NET_WM_STATE") or "")
        self.assertNotIn("SPLASH", x_property(hints, "_NET_WM_WINDOW_TYPE"))
        main = self.leave_splash_by_typing()
        self.assertPictureLoaded(main)
        main_id = self.program.x_window(MAIN_TITLE)
        self.assert_sized_and_centred(main_id, 0.95)
        self.assertEqual(len(self.program.topics(main)), 73)

        self.program.press(main, "About")
        self.assertAboutBoxHints(self.program.x_window("About MyApp"))
        self.program.key_to("About MyApp", "Escape")
        self.program.wait_gone("About MyApp")
        self.program.press(main, "OK")
        self.program.answer_box(NOTHING_CHOSEN, warning=True)
        # With both boxes gone the main window has the keyboard focus again, so its access keys work at once.
        wait_for("the main window to have the focus back", lambda: focused_x_window() == main_id,
                 seen=focused_x_window)
        xdotool("key", "alt+e")
        self.assert_ends_cleanly()

    def assertAboutBoxHints(self, about):
        """A fixed dialog of its own without minimise or maximise, off the
        taskbar, its client area at 2340, 1935 twips."""
        self.assertIn("_NET_WM_STATE_SKIP_TASKBAR", x_property(about, "_NET_WM_STATE") or "")
        self.assertTrue(x_property(about, "_NET_WM_WINDOW_TYPE").startswith("_NET_WM_WINDOW_TYPE_DIALOG"))
        # The Motif functions minimise (8) and maximise (16) are off.
        flags, functions = (int(n, 16) for n in x_property(about, "_MOTIF_WM_HINTS").split(", ")[:2])
        self.assertTrue(flags & 1, "the Motif hints leave the functions to the window manager")
        self.assertEqual(functions & (8 | 16), 0, f"Motif functions {functions:#x}")
        if WINDOW_MANAGER:
            actions = x_property(about, "_NET_WM_ALLOWED_ACTIONS") + ","
            self.assertIn("_NET_WM_ACTION_CLOSE,", actions)
            for action in ("MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"):
                self.assertNotIn(f"_NET_WM_ACTION_{action},", actions)
        self.assertEqual(client_position(about)[:2], (156, 129))

    def assertPictureLoaded(self, window):
        images = descendants(window, pyatspi.ROLE_IMAGE)
        self.assertEqual(len(images), 1, f"pictures: {[i.name for i in images]}")
        self.assertTrue(images[0].name, "the picture has no description for a screen reader")
        # An empty picture box is one flat colour; the drawn picture has many.
        wait_for(f"{images[0].name!r} to show its picture", lambda: colours_on_screen(images[0]) > 50,
                 seen=lambda: f"{colours_on_screen(images[0])} colours")
