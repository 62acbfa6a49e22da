"""Whole walks of the Anemia tree, by pointer and by keyboard alone, Home from
deep in the tree, Exit, and closing a question screen through its frame."""

import pyatspi

from nuvessa_driver import descendants, is_checked, is_focused, send_close_request, wait_for
from scenario import MAIN_TITLE, NOTHING_SELECTED_ON_SCREEN, Scenario

ANEMIA = "Anemia"

# Each question screen announces its prompt as the window's description; the
# first one its introduction before it.
PROMPT = {
    1: "Anemia is an extremely common condition during pregnancy. Unless iron and folic acid supplements are "
       "given, hemoglobin tends to drop progressively as pregnancy advances, due to increased maternal and fetal "
       "demands. Check the hemoglobin level of the gravida at the first antenatal visit.",
    2: "Check the hemogram, peripheral smear, and blood indices of the gravida.",
    4: "Check the reticulocyte production index (Reticulocyte count X Hematocrit/45) /2",
    5: "Perform a detailed systemic examination. Perform appropriate tests to confirm the diagnosis, in joint "
       "consultation with a physician.",
    6: "Check serum iron levels.",
    7: "Perform hemoglobin electrophoresis.",
    8: "Get a direct Coomb's test done on the patient's blood.",
    11: "Assess the severity of the anemia by hemoglobin estimation.",
    12: "Check adequacy of the time available for the treatment of the cause of the anemia to raise the "
        "hemoblobin level to at least 9 g/dL (preferably 10 g/dL) by 37 completed weeks of pregnancy.",
    13: "Check if the hemoglobin level is above 2 g/dL.",
}

NO_ANEMIA = ("There is no anemia in pregnancy, the lowering of hemoglobin level being due to hemodilution of "
             "pregnancy. Give the gravida iron and folic acid supplements throughout the pregnancy to meet the "
             "needs of the mother and fetus both.")
IRON_DEFICIENCY = ("The diagnosis is iron deficiency anemia. Confirm it by estimating serum iron, total "
                   "iron-binding capacity, and serum ferritin levels. Find out its cause and treat it.")
TIME_ADEQUATE = ("Continue treatment of the cause of the anemia. Check hemoglobin level periodically to confirm "
                 "adequate response to treatment. Check hemoglobin level at term or when the gravida goes in "
                 "labor, and if it is less than 9 g/dL, give adequate transfusion of packed cells to raise the "
                 "hemoglobin level to 9 g/dL.")

# A walk: (screen, option caption, messages that follow OK). The last step ends the walk on its screen.
SHORTEST_DIAGNOSIS = [
    (1, "Less than 10 g/dL", []),
    (2, "Hypochromia, microcytosis", [IRON_DEFICIENCY]),
    (11, "5-8 g/dL", ["The anemia is moderate."]),
    (12, "Adequate", [TIME_ADEQUATE]),
]
LONGEST = [
    (1, "Less than 10 g/dL", []),
    (2, "Normochromia, normocytosis", []),
    (4, "Above 2", []),
    (6, "High", []),
    (7, "HbS", ["The diagnosis is sickle cell disease. Treat the gravida in joint consultation with a "
                "hematologist."]),
    (11, "Less than 5 g/dL", ["The anemia is severe."]),
    (12, "Inadequate", []),
    (13, "Not more than 2 g/dL", ["Perform modified exchange transfusion."]),
]
HEMOGLOBINOPATHY = [
    (1, "Less than 10 g/dL", []),
    (2, "Anisocytosis", ["The diagnosis is a hemoglobinopathy."]),
    # A screen reader hears one blank where the caption shows seven.
    (7, "High HbA2, normal or high HbF",
     ["The diagnosis is beta-thalassemia. Treat the gravida in joint consultation with a hematologist."]),
    (11, "8-10 g/dL", ["The anemia is mild."]),
    (12, "Inadequate", []),
    (13, "More than 2 g/dL", ["Give packed cell transfusion. Achieve a hemoglobin level of at least 9 g/dL by "
                              "term or when she goes in labor."]),
]
CHRONIC_DISEASE = [
    (1, "Less than 10 g/dL", []),
    (2, "Normochromia, normocytosis", []),
    (4, "Low", ["The diagnosis is anemia due to a chronic disease."]),
    (5, "Hypothyroidism", ["Treat the gravida in joint consultation with an endocrinologist."]),
    (11, "8-10 g/dL", ["The anemia is mild."]),
    (12, "Adequate", [TIME_ADEQUATE]),
]


class AnemiaScenario(Scenario):
    def start_anemia(self):
        main = self.leave_splash()
        self.program.choose_topic(main, 1)
        self.program.press(main, "OK")
        screen = self.screen(1)
        wait_for("the main window to hide", lambda: not self.main_window_shown(), seen=self.program.showing_names)
        return main, screen

    def screen(self, number):
        """Waits for question screen `number`, known by the prompt it announces."""
        def probe():
            screens = [w for w in self.program.showing() if w.name == ANEMIA]
            return screens[0] if len(screens) == 1 and screens[0].description == PROMPT[number] else None
        return wait_for(f"question screen {number}", probe,
                        seen=lambda: [(w.name, w.description) for w in self.program.showing()])

    def assert_fresh(self, screen):
        """A screen just opened: nothing selected, the focus on OK."""
        self.assertEqual([o.name for o in self.program.options(screen) if is_checked(o)], [],
                         "a question screen opened with an option selected")
        self.program.wait_focused(screen, pyatspi.ROLE_PUSH_BUTTON, "OK")

    def walk(self, steps, screen):
        """Answers each step by pointer, reading and closing every message box."""
        for index, (number, option, messages) in enumerate(steps):
            screen = self.screen(number)
            if index > 0:
                self.assert_fresh(screen)
            self.program.choose(screen, option)
            self.program.press(screen, "OK")
            for message in messages:
                self.program.answer_box(message)
                # The next message or screen comes only once this box is closed.
            last = index == len(steps) - 1
            if not last:
                next_number = steps[index + 1][0]
                self.screen(next_number)
        # The walk ends on its last screen, which keeps its selection.
        self.assertTrue(self.program.no_message_box())
        checked = [o.name for o in self.program.options(screen) if is_checked(o)]
        self.assertEqual(checked, [steps[-1][1]])
        return screen


class Walks(AnemiaScenario):
    def test_shortest_walk_to_a_diagnosis_then_home(self):
        main, screen = self.start_anemia()
        self.assert_fresh(screen)
        # OK with nothing selected warns and changes nothing.
        self.program.press(screen, "OK")
        self.program.answer_box(NOTHING_SELECTED_ON_SCREEN, warning=True)
        self.screen(1)
        self.assert_sized_and_centred(self.program.x_window(ANEMIA), 0.95)
        last = self.walk(SHORTEST_DIAGNOSIS, screen)
        self.assert_sized_and_centred(self.program.x_window(ANEMIA), 0.75)
        # The management message comes again on a second OK; the screen stays.
        self.program.press(last, "OK")
        self.program.answer_box(TIME_ADEQUATE)
        self.screen(12)
        self.program.press(last, "Home")
        main = self.main_window()
        self.assert_showing(MAIN_TITLE)
        self.assertEqual(self.program.chosen_topic(main), ANEMIA)
        self.assertEqual(len(self.program.topics(main)), 73)

    def test_longest_walk_then_exit(self):
        _, screen = self.start_anemia()
        last = self.walk(LONGEST, screen)
        # Exit from a question screen, with the main window hidden, ends everything.
        self.program.press(last, "Exit")
        self.assert_ends_cleanly()

    def test_hemoglobinopathy_walk(self):
        _, screen = self.start_anemia()
        self.walk(HEMOGLOBINOPATHY, screen)

    def test_chronic_disease_walk(self):
        _, screen = self.start_anemia()
        self.walk(CHRONIC_DISEASE, screen)

    def test_no_anemia_stays_on_the_first_screen(self):
        _, screen = self.start_anemia()
        self.program.choose(screen, "10 g/dL or more")
        for _ in range(2):
            self.program.press(screen, "OK")
            self.program.answer_box(NO_ANEMIA)
            self.screen(1)
        # Changing the answer goes on.
        self.program.choose(screen, "Less than 10 g/dL")
        self.program.press(screen, "OK")
        self.assert_fresh(self.screen(2))


class Leaving(AnemiaScenario):
    def test_home_from_the_deepest_screen(self):
        main, screen = self.start_anemia()
        self.walk(LONGEST[:-1], screen)
        deep = self.screen(13)
        self.program.press(deep, "Home")
        main = self.main_window()
        self.assert_showing(MAIN_TITLE)
        self.assertEqual(self.program.chosen_topic(main), ANEMIA)
        self.assertEqual(len(self.program.topics(main)), 73)
        # OK again starts a fresh walk.
        self.program.press(main, "OK")
        self.assert_fresh(self.screen(1))

    def test_closing_a_question_screen_through_its_frame(self):
        _, screen = self.start_anemia()
        self.walk(SHORTEST_DIAGNOSIS[:1], screen)
        self.screen(2)
        send_close_request(self.program.x_window(ANEMIA))
        self.program.wait_gone(ANEMIA)
        # Never left running with nothing on view: the main window comes back as it was.
        main = self.main_window()
        self.assert_showing(MAIN_TITLE)
        self.assertEqual(self.program.chosen_topic(main), ANEMIA)
        # And closing that one too ends the program.
        send_close_request(self.program.x_window(MAIN_TITLE))
        self.assert_ends_cleanly()


    def test_closing_screens_beside_help_through_their_frames(self):
        main = self.leave_splash()
        self.program.press(main, "Help")
        self.program.window("Help")
        self.program.choose_topic(main, 1)
        self.program.press(main, "OK")
        self.screen(1)
        wait_for("the main window to hide", lambda: not self.main_window_shown())
        # The question screen goes; Help is still on view, so nothing more is needed.
        send_close_request(self.program.x_window(ANEMIA))
        self.program.wait_gone(ANEMIA)
        self.assertIn("Help", [w.name for w in self.program.showing()])
        # Help goes too: the main window comes back rather than leave nothing on view.
        send_close_request(self.program.x_window("Help"))
        self.program.wait_gone("Help")
        main = self.main_window()
        self.assert_showing(MAIN_TITLE)
        self.assertEqual(self.program.chosen_topic(main), ANEMIA)


class Keyboard(AnemiaScenario):
    """One whole walk with the keyboard alone: Tab, arrows, Space, Enter and
    the access keys, every step checked through what a screen reader hears."""

    def focused(self, window):
        return [f"{c.getRoleName()} {c.name!r}" for c in descendants(window) if is_focused(c)]

    def keys_until(self, title, window, key, wanted, what, limit=25):
        """Presses `key` until `wanted(focused control)` holds."""
        for _ in range(limit):
            controls = [c for c in descendants(window) if is_focused(c)]
            if controls and wanted(controls[0]):
                return controls[0]
            before = self.focused(window)
            self.program.key_to(title, key)
            wait_for(f"{key} to move the focus", lambda: self.focused(window) != before,
                     seen=lambda: self.focused(window))
        raise AssertionError(f"{key} never reached {what}; focus on {self.focused(window)}")

    def answer_by_keys(self, number, option, messages):
        screen = self.screen(number)
        self.program.wait_focused(screen, pyatspi.ROLE_PUSH_BUTTON, "OK")
        self.keys_until(ANEMIA, screen, "Tab", lambda c: c.getRole() == pyatspi.ROLE_RADIO_BUTTON, "an option")
        captions = [o.name for o in self.program.options(screen)]
        current = [c.name for c in descendants(screen) if is_focused(c)][0]
        key = "Down" if captions.index(option) >= captions.index(current) else "Up"
        self.keys_until(ANEMIA, screen, key, lambda c: c.name == option, repr(option))
        self.program.key_to(ANEMIA, "space")
        wait_for(f"{option!r} to be selected",
                 lambda: [o.name for o in self.program.options(screen) if is_checked(o)] == [option])
        self.keys_until(ANEMIA, screen, "shift+Tab", lambda c: c.name == "OK", "OK")
        self.program.key_to(ANEMIA, "Return")
        for message in messages:
            self.program.answer_box(message, by_key=True)
        return screen

    def test_whole_walk_by_keyboard(self):
        main = self.leave_splash()
        self.program.wait_focused(main, pyatspi.ROLE_PUSH_BUTTON, "OK")
        # Into the topic list, and down to "Anemia".
        self.keys_until(MAIN_TITLE, main, "Tab", lambda c: c.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT),
                        "the topic list")
        for _ in range(2):
            self.program.key_to(MAIN_TITLE, "Down")
        wait_for("Anemia to be chosen", lambda: self.program.chosen_topic(main) == ANEMIA,
                 seen=lambda: self.program.chosen_topic(main))
        self.keys_until(MAIN_TITLE, main, "Tab", lambda c: c.name == "OK", "OK")
        self.program.key_to(MAIN_TITLE, "Return")

        for number, option, messages in SHORTEST_DIAGNOSIS:
            self.answer_by_keys(number, option, messages)
        self.screen(12)
        # Alt+H: Home.
        self.program.key_to(ANEMIA, "alt+h")
        main = self.main_window()
        self.assertEqual(self.program.chosen_topic(main), ANEMIA)
        # Alt+E: Exit.
        self.program.key_to(MAIN_TITLE, "alt+e")
        self.assert_ends_cleanly()

    def test_tab_and_arrows_reach_every_control_of_the_hub_screen(self):
        self.start_anemia()
        self.answer_by_keys(1, "Less than 10 g/dL", [])
        hub = self.screen(2)
        self.program.wait_focused(hub, pyatspi.ROLE_PUSH_BUTTON, "OK")

        # Tab: OK, Exit, the options as one stop, Home, and round to OK again.
        stops = []
        for _ in range(4):
            before = self.focused(hub)
            self.program.key_to(ANEMIA, "Tab")
            wait_for("Tab to move the focus", lambda: self.focused(hub) != before, seen=lambda: self.focused(hub))
            stops.append(self.focused(hub)[0])
        self.assertEqual(stops, ["push button 'Exit'", "radio button 'Hypochromia, microcytosis'",
                                 "push button 'Home'", "push button 'OK'"])

        # The arrows go by number across the three columns, and round the ends: Right
        # from the seventh past the last to the first, Left back to the last, Up on.
        self.keys_until(ANEMIA, hub, "Tab", lambda c: c.getRole() == pyatspi.ROLE_RADIO_BUTTON, "an option")
        reached = self.focused(hub)
        for key, times in (("Down", 6), ("Right", 7), ("Left", 1), ("Up", 1)):
            for _ in range(times):
                before = self.focused(hub)
                self.program.key_to(ANEMIA, key)
                wait_for(f"{key} to move the focus", lambda: self.focused(hub) != before,
                         seen=lambda: self.focused(hub))
                reached += self.focused(hub)
        captions = [f"radio button {o.name!r}" for o in self.program.options(hub)]
        self.assertEqual(reached, captions + captions[:1] + captions[:-3:-1])
        # Moving the focus chose nothing: only Space does.
        self.assertEqual([o.name for o in self.program.options(hub) if is_checked(o)], [])
