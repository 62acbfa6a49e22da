"""A walk by keyboard heard through Orca itself, which speaks to a null sound
device and keeps its files in a temporary home."""

import os
import pathlib
import re
import shutil
import signal
import subprocess
import tempfile

from nuvessa_driver import wait_for
from test_anemia import ANEMIA, NO_ANEMIA, PROMPT, AnemiaScenario


class SpokenWalk(AnemiaScenario):
    def setUp(self):
        # Orca first, to hear the first window. Without a sound device it hangs at its
        # first "stop speaking"; the customisation makes its log line-buffered.
        self.home = pathlib.Path(tempfile.mkdtemp(prefix="nuvessa-orca-"))
        (self.home / "prefs").mkdir()
        (self.home / ".asoundrc").write_text("pcm.!default { type null }\n")
        (self.home / "prefs/orca-customizations.py").write_text(
            "import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)\n")
        env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_") or k == "XDG_RUNTIME_DIR"}
        self.orca = subprocess.Popen(["orca", "-u", self.home / "prefs", f"--debug-file={self.home}/log"],
                                     env=dict(env, HOME=str(self.home), GSETTINGS_BACKEND="memory"),
                                     start_new_session=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(self.stop_orca)
        self.heard("Screen reader on", 0, timeout=60)
        super().setUp()

    def said(self):
        log = self.home / "log"
        return re.findall(r"SPEECH OUTPUT: '(.*)'\s*[\[{]", log.read_text(errors="replace")) if log.exists() else []

    def heard(self, words, after, timeout=30):
        """Waits until Orca has said `words` in utterance `after` or later; returns which one."""
        def probe():
            assert self.orca.poll() is None, f"Orca ended with status {self.orca.returncode}"
            return next((i + 1 for i, said in enumerate(self.said()) if i >= after and words in said), None)
        return wait_for(f"Orca to say {words!r}", probe, timeout, seen=lambda: self.said()[after:][-6:]) - 1

    def stop_orca(self):
        os.killpg(self.orca.pid, signal.SIGKILL)  # it keeps nothing, and may not heed SIGTERM
        self.orca.wait(5)
        # The speech server Orca started leaves its number in the session's runtime folder.
        server = pathlib.Path(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher/pid/speech-dispatcher.pid")
        try:
            os.kill(int(server.read_text()), signal.SIGTERM)
        except (OSError, ValueError):
            pass  # none started, or it has ended on its own
        shutil.rmtree(self.home, ignore_errors=True)

    def test_a_walk_is_spoken(self):
        main = self.leave_splash()
        self.program.choose_topic(main, 1)
        mark = len(self.said())
        self.program.press(main, "OK")
        self.heard(PROMPT[1], mark)  # the introduction, then the step to take
        # An option, its place and its question; then the next one by the arrow.
        self.program.key_to(ANEMIA, "Tab", "Tab")
        option = self.heard("10 g/dL or more", mark)
        self.heard("1 of 2. Check the hemoglobin level", option)
        self.program.key_to(ANEMIA, "Down")
        self.heard("2 of 2", self.heard("Less than 10 g/dL", option))
        # The first one selected and OK: its message is read out.
        self.program.key_to(ANEMIA, "Up", "space", "shift+Tab", "shift+Tab")
        self.program.key_to(ANEMIA, "Return")
        self.heard(NO_ANEMIA, option)
        self.program.answer_box(NO_ANEMIA, by_key=True)
        # Help's first question by Tab and Space: its answer is read out.
        self.program.key_to(ANEMIA, "alt+h")
        self.program.press(self.main_window(), "Help")
        self.program.window("Help")
        mark = len(self.said())
        self.program.key_to("Help", "Tab", "space")
        self.heard("You can start the application by clicking on its icon in the Start Menu.",
                   self.heard("How do I start the application ?", mark))
        self.program.key_to("Help", "alt+e")
        self.assert_ends_cleanly()
