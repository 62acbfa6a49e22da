"""A walk by keyboard with the Orca screen reader running, checked by what
Orca says: the first screen's introduction and prompt, an option and its
place, a message box's text, and an answer of the Help window.

Orca speaks to a null sound device and keeps its settings, its log and every
file it or its speech server writes in a temporary home of its own."""

import os
import pathlib
import re
import shutil
import signal
import subprocess
import tempfile
import time

from nuvessa_driver import wait_for
from test_anemia import ANEMIA, NO_ANEMIA, AnemiaScenario

INTRODUCTION = ("Anemia is an extremely common condition during pregnancy. Unless iron and folic acid supplements "
                "are given, hemoglobin tends to drop progressively as pregnancy advances, due to increased maternal "
                "and fetal demands.")
PROMPT = "Check the hemoglobin level of the gravida at the first antenatal visit."
FIRST_ANSWER = "You can start the application by clicking on its icon in the Start Menu."
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'\s*[\[{]")


class Orca:
    """One run of Orca, and what it has said so far, from its debug log."""

    def __init__(self):
        self.home = pathlib.Path(tempfile.mkdtemp(prefix="nuvessa-orca-"))
        prefs = self.home / "prefs"
        prefs.mkdir()
        # Without a sound device Orca hangs at its first "stop speaking".
        (self.home / ".asoundrc").write_text("pcm.!default { type null }\n")
        # Orca buffers its log; a line at a time lets the test follow it.
        (prefs / "orca-customizations.py").write_text(
            "import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)\n")
        self.log = self.home / "orca.log"
        env = dict(os.environ, HOME=str(self.home), XDG_CONFIG_HOME=str(self.home / ".config"),
                   XDG_DATA_HOME=str(self.home / ".local/share"), XDG_CACHE_HOME=str(self.home / ".cache"),
                   GSETTINGS_BACKEND="memory")
        self.process = subprocess.Popen(["orca", "-u", str(prefs), f"--debug-file={self.log}"], env=env,
                                        start_new_session=True, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.wait_said("Screen reader on", timeout=60)

    def said(self):
        try:
            text = self.log.read_text(errors="replace")
        except FileNotFoundError:
            return []
        return [m.group(1) for m in map(SPOKEN.search, text.splitlines()) if m]

    def wait_said(self, words, after=0, timeout=30):
        """Waits for an utterance holding `words`, at or after utterance number
        `after`, and returns its number."""
        def probe():
            if self.process.poll() is not None:
                raise AssertionError(f"Orca ended with status {self.process.returncode}")
            spoken = self.said()
            found = [i for i in range(after, len(spoken)) if words in spoken[i]]
            return found[0] + 1 if found else None
        return wait_for(f"Orca to say {words!r}", probe, timeout, seen=lambda: self.said()[after:][-8:]) - 1

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait(5)
        # The speech server Orca started leaves its process number in the session's runtime folder.
        pidfile = pathlib.Path(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher/pid/speech-dispatcher.pid")
        try:
            server = int(pidfile.read_text())
            os.kill(server, signal.SIGTERM)
            deadline = time.monotonic() + 5
            while time.monotonic() < deadline and os.path.exists(f"/proc/{server}"):
                time.sleep(0.05)
        except (OSError, ValueError):
            pass
        shutil.rmtree(self.home, ignore_errors=True)


class SpokenWalk(AnemiaScenario):
    def setUp(self):
        # Orca first, so that it hears the program's first window.
        self.orca = Orca()
        self.addCleanup(self.orca.stop)
        super().setUp()

    def test_a_walk_is_spoken(self):
        main = self.leave_splash()
        self.program.choose_topic(main, 1)
        mark = len(self.orca.said())
        self.program.press(main, "OK")
        self.screen(1)
        # The introduction first, then the step to take.
        introduction = self.orca.wait_said(INTRODUCTION, mark)
        self.orca.wait_said(PROMPT, introduction)

        # Into the options: the first one, its place and its question.
        mark = len(self.orca.said())
        self.program.key_to(ANEMIA, "Tab", "Tab")
        option = self.orca.wait_said("10 g/dL or more", mark)
        self.orca.wait_said(f"1 of 2. {PROMPT}", option)
        self.program.key_to(ANEMIA, "Down")
        self.orca.wait_said("2 of 2", self.orca.wait_said("Less than 10 g/dL", option + 1))

        # Back up to the first, select it, and OK: its message is read out.
        self.program.key_to(ANEMIA, "Up", "space", "shift+Tab", "shift+Tab")
        mark = len(self.orca.said())
        self.program.key_to(ANEMIA, "Return")
        self.orca.wait_said(NO_ANEMIA, mark)
        self.program.answer_box(NO_ANEMIA, by_key=True)

        # Home, Help, Tab to the first question and ask it: the answer is read out.
        self.program.key_to(ANEMIA, "alt+h")
        main = self.main_window()
        self.program.press(main, "Help")
        self.program.window("Help")
        mark = len(self.orca.said())
        self.program.key_to("Help", "Tab")
        question = self.orca.wait_said("How do I start the application ?", mark)
        self.program.key_to("Help", "space")
        self.orca.wait_said(FIRST_ANSWER, question + 1)

        self.program.key_to("Help", "alt+e")
        self.assert_ends_cleanly()
