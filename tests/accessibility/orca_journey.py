#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A blind child's keyboard journey with the screen reader Orca listening: Learn (a right and a
wrong answer, Orca's "where am I" on the keypad), a one-minute test left to run out, and the
report. Fails when a problem, a verdict, the score or the end of the test is not spoken.

    orca_journey.py PROGRAM ORCA_TOOLS_FOLDER OUTPUT_FOLDER

Exits with 77 (skipped) where Orca or the session tools are missing."""
import os
import re
import shutil
import sys
import time

program, tools, out = sys.argv[1:4]
if not os.path.isfile(os.path.join(tools, "orcasess.py")) or not shutil.which("orca") \
        or not shutil.which("Xvfb"):
    print("skipped: Orca, Xvfb or %s/orcasess.py is missing" % tools)
    sys.exit(77)
sys.path.insert(0, tools)
try:
    from orcasess import OrcaRun
except ImportError as missing:
    print("skipped: the Orca session cannot start: %s" % missing)
    sys.exit(77)

PROBLEM = re.compile(r"(\d+) (plus|minus|times|divided by) (\d+) equals\.?$")
failures = []


def answer(text):
    a, op, b = PROBLEM.search(text).groups()
    a, b = int(a), int(b)
    return {"plus": a + b, "minus": a - b, "times": a * b}.get(op, a // b if b else 0)


class Journey:
    def __init__(self, orca):
        self.o = orca

    def said(self, since):
        return [text for _, text, _ in self.o.speech()[since:]]

    def act(self, label, *keys, text=None):
        """Presses the keys and returns the index of the first utterance that follows."""
        self.o.step(label)
        start = len(self.o.speech())
        if text is not None:
            self.o.type(text)
        if keys:
            self.o.press(*keys)
        return start

    def expect(self, since, pattern, what, timeout=15.0):
        """Waits for an utterance matching pattern; returns it, or records the failure."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for text in self.said(since):
                if re.search(pattern, text):
                    return text
            time.sleep(0.25)
        failures.append("%s: nothing matching %r; heard %r" % (what, pattern, self.said(since)))
        return ""


with OrcaRun(out) as orca:
    j = Journey(orca)
    orca.s.launch([program]).window(None, timeout=40)
    j.expect(0, r"my name is", "the greeting", 40)
    orca.settle(1.5, 10)
    j.expect(j.act("a new name", "Return", text="Mia"), r"Answer", "the main window")
    orca.settle(1.5, 10)
    j.expect(j.act("L opens Learn", "l"), r"^l\s*$", "the key echo of L")
    orca.settle(1.5, 10)
    j.expect(j.act("Ok", "Return"), r"Press Enter to begin", "what to press to begin")
    orca.settle(1.5, 10)
    first = j.expect(j.act("begin", "Return"), PROBLEM.pattern, "the first problem")
    orca.settle(1.5, 10)
    if first:
        right = str(answer(first))
        j.expect(j.act("the right answer", text=right), r"Correct answer", "the verdict")
        orca.settle(1.5, 10)
        second = j.expect(j.act("Enter: the next problem", "Return"), PROBLEM.pattern,
                          "the next problem with the focus in the answer box")
        orca.settle(1.5, 10)
        heard = j.act("KP_Enter: Orca's where am I", "KP_Enter")
        orca.settle(2.0, 10)
        if second and not any(second in text for text in j.said(heard)):
            failures.append("KP_Enter: Orca did not read the problem %r: %r"
                            % (second, j.said(heard)))
        if second:
            right = answer(second)
            wrong = str((right + 1) % 10 if right < 10 else right + 1)
            j.expect(j.act("a wrong answer", text=wrong), r"WRONG ANSWER|Correct answer is",
                     "the wrong answer message")
            orca.settle(1.5, 10)
            j.expect(j.act("close the message", "Return"), PROBLEM.pattern,
                     "the problem after the message")
            orca.settle(1.5, 10)
    orca.press("Escape")
    orca.settle(1.5, 10)
    j.act("T: a test on the computer", "t")
    orca.settle(1.5, 10)
    orca.press("Return")
    orca.settle(1.5, 10)
    orca.press("Tab", *(["Up"] * 9))  # one minute
    orca.settle(1.5, 10)
    j.expect(j.act("Ok", "Return"), r"Press Enter to begin", "what to press to begin the test")
    orca.settle(1.5, 10)
    problem = j.expect(j.act("begin the test", "Return"), PROBLEM.pattern, "the first test problem")
    orca.settle(1.5, 10)
    if problem:
        scored = j.act("answer and Enter", "Return", text=str(answer(problem)))
        j.expect(scored, r"1 correct out of 1", "the running score")
        j.expect(scored, PROBLEM.pattern, "the next test problem")
    ended = j.act("the time runs out")
    j.expect(ended, r"10 seconds left", "the time left", 75)
    j.expect(ended, r"Time's up", "the end of the time", 20)
    j.expect(ended, r"Results", "the results", 15)
    orca.settle(1.5, 10)
    orca.press("Return")
    orca.settle(1.5, 10)
    j.expect(j.act("R: the report", "r"), r"Report Progress", "the report")
    orca.settle(1.5, 10)
    orca.press("Escape")
    orca.settle(1.0, 10)

for label, lines in orca.transcript():
    print("== " + label)
    for line in lines:
        print("   " + line)
for failure in failures:
    print("NOT SPOKEN: " + failure)
sys.exit(1 if failures else 0)
