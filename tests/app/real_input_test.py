# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program under real input: on a private X server, every button on
every control, drags, the designed keys, keys with a button held, then a seeded
random run, all sent through XTEST (xdotool). The program must live through
each step, copy the result a left click asks for, open the page once per click
or key press, and end with code 0 on Alt+X.
  real_input_test.py <mensaro> [events]
MENSARO_REAL_SEED replays a run."""

import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

if "MENSARO_X_READY" not in os.environ:
    os.environ["MENSARO_X_READY"] = "1"
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 800x600x24", sys.executable] + sys.argv)

program = sys.argv[1]
events = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
seed = int(os.environ.get("MENSARO_REAL_SEED") or random.SystemRandom().randrange(2**32))
scratch = tempfile.mkdtemp()
failures = []

# The controls in window pixels (left, top, width, height); the timer has no place.
CONTROLS = {
    "lstTo": (253, 24, 117, 146), "lstFrom": (129, 24, 117, 146), "lstType": (5, 24, 117, 146),
    "txtFrom": (4, 196, 145, 21), "cmdExit": (251, 246, 117, 37), "Image1": (4, 240, 222, 49),
    "Label6": (152, 197, 11, 20), "lblTo": (236, 220, 133, 16), "lblFrom": (16, 220, 133, 16),
    "Label5": (252, 4, 17, 16), "Label4": (128, 4, 31, 16), "Label1": (5, 4, 73, 16),
    "lblResult": (164, 196, 205, 21), "Label3": (164, 180, 58, 16), "Label2": (5, 180, 130, 16),
    "window": (300, 185, 1, 1),
}
RESULT = re.compile(r"0|-?\d+\.\d\d+|Overflow")


def centre(name):
    left, top, width, height = CONTROLS[name]
    return left + width // 2, top + height // 2


def xdo(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=False, stderr=subprocess.DEVNULL)


def at(x, y, *then):
    xdo("mousemove", "--window", window, x, y, *then)


def clipboard():
    got = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True, timeout=10)
    return got.stdout


def set_clipboard(text):
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text, text=True, check=True)


def pages():
    try:
        with open(f"{scratch}/opened") as log:
            return len(log.readlines())
    except FileNotFoundError:
        return 0


def check(ok, what):
    if not ok:
        failures.append(what)
        print(f"FAIL: {what} (replay: MENSARO_REAL_SEED={seed})")
    return ok


def alive(step):
    time.sleep(0.005)
    if proc.poll() is not None:
        check(False, f"the program ended with code {proc.returncode} at {step}")
        finish()


def copied(expected, step):
    """A left click on the result copies what it shows."""
    set_clipboard("nothing copied")
    time.sleep(0.5)  # past the double-click interval: a click just before would make this its second half
    at(*centre("lblResult"), "click", 1)
    alive(step)
    for _ in range(50):  # the program takes the clipboard once it has seen the click
        got = clipboard()
        if got != "nothing copied":
            break
        time.sleep(0.1)
    return check(RESULT.fullmatch(got) and (expected is None or got == expected), f"{step}: copied {got!r}")


def ends(what):
    """What was just sent ends the program, with code 0."""
    try:
        code = proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        proc.kill()
        code = "none: it went on"
    check(code == 0, f"{what} ended the program with code {code}")


def finish():
    if proc.poll() is None:
        proc.kill()
    proc.wait()
    with open(f"{scratch}/err", errors="replace") as err:
        reports = [line for line in err if "runtime error" in line or "Sanitizer" in line]
    check(not reports, "sanitizer: " + "".join(reports[:20]))
    shutil.rmtree(scratch)
    print(f"{'FAIL' if failures else 'ok'}: seed {seed}, {len(failures)} failures")
    sys.exit(1 if failures else 0)


def start():
    env = dict(os.environ, PATH=f"{scratch}:{os.environ['PATH']}", QT_QPA_PLATFORM="xcb", HOME=scratch,
               UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1",
               ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "abort_on_error=1:detect_leaks=0"))
    for variable in ("XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"):
        env.pop(variable, None)  # the link goes to xdg-open, which is ours
    started = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=open(f"{scratch}/err", "a"))
    found = subprocess.run(["xdotool", "search", "--sync", "--name", "^Mensaro$"], capture_output=True, text=True,
                           timeout=30).stdout.split()
    time.sleep(0.5)
    return started, found[0]


# The browser: a stand-in that logs each page it is handed.
with open(f"{scratch}/xdg-open", "w") as stub:
    stub.write(f'#!/bin/sh\necho "$1" >>"{scratch}/opened"\n')
os.chmod(f"{scratch}/xdg-open", 0o755)

proc, window = start()
at(*centre("cmdExit"), "click", 1)
ends("a click on Exit")

proc, window = start()
copied("1.00", "start-up")

# The context menu's Paste goes in at the caret.
set_clipboard("25.00")
at(*centre("txtFrom"), "click", 1)
xdo("type", "25")
xdo("key", "End")
at(*centre("txtFrom"), "click", 3)
time.sleep(0.3)
xdo("key", "p")
alive("context menu paste")
copied("2525.00", "context menu paste")

# One page per press: a click, a double click, F1 held past its repeat delay.
for name, action in (("a click on the picture", lambda: at(*centre("Image1"), "click", 1)),
                     ("a double click on the picture", lambda: at(*centre("Image1"), "click", "--repeat", 2,
                                                                  "--delay", 80, 1)),
                     ("F1 held", lambda: (xdo("keydown", "F1"), time.sleep(1.5), xdo("keyup", "F1")))):
    before = pages()
    action()
    alive(name)
    for _ in range(100):  # the stand-in browser starts when the program gets to it
        if pages() > before:
            break
        time.sleep(0.1)
    time.sleep(1)  # time for a second page, if one is coming
    check(pages() == before + 1, f"{name} opened {pages() - before} pages")
check(pages() == 3, f"one click, one double click and one held key opened {pages()} pages")

# Every button on every control, and on the bare window; Exit only with the
# buttons that do not press it.
for name in CONTROLS:
    x, y = centre(name)
    for button, clicks in ((1, 1), (3, 1), (2, 1), (1, 2), (4, 1), (5, 1)):
        if name == "cmdExit" and button == 1:
            continue
        at(x, y, "click", "--repeat", clicks, "--delay", 60, button)
        alive(f"button {button} x{clicks} on {name}")
    xdo("key", "Escape")  # closes the value box's context menu
copied(None, "every button")

# Drags from each control to the next, each button.
names = list(CONTROLS)
for here, there in zip(names, names[1:] + names[:1]):
    for button in (1, 3):
        if here == "cmdExit" and button == 1:
            continue
        at(*centre(here), "mousedown", button, "mousemove", "--window", window, *centre(there), "mouseup", button)
        alive(f"a drag with button {button} from {here} to {there}")
    xdo("key", "Escape")

# The designed keys, then the same with a button held down.
KEYS = ["Up", "Down", "Escape", "Tab", "shift+Tab", "ctrl+shift+c", "1", "period", "5", "minus", "BackSpace",
        "Home", "End", "Delete", "ctrl+v", "ctrl+a", "Left", "Right", "Page_Down", "Page_Up", "a", "M"]
for key in KEYS:
    xdo("key", key)
    alive(f"key {key}")
for name in ("txtFrom", "lstFrom", "lblResult", "Image1", "window"):
    for key in ("Up", "Down", "Escape", "Tab", "7"):
        at(*centre(name), "mousedown", 1, "key", key, "mouseup", 1)
        alive(f"key {key} with button 1 held on {name}")
copied(None, "keys")

# The random run. Left presses on Exit, Space and Return (which press a
# focused Exit) and Alt+X would end it, so they are left for the end.
rng = random.Random(seed)
width, height = 374, 295
for step in range(events):
    x, y = rng.randrange(width), rng.randrange(height)
    left, top, w, h = CONTROLS["cmdExit"]
    on_exit = left - 2 <= x < left + w + 2 and top - 2 <= y < top + h + 2
    if step % 50 == 49:  # a round trip through the program: it still answers
        xdo("key", "Escape")
        copied(None, f"step {step}")
    kind = rng.randrange(5)
    if kind == 0:
        button = rng.choice((2, 3, 4, 5) if on_exit else (1, 1, 2, 3, 4, 5))
        at(x, y, "click", "--repeat", rng.choice((1, 1, 2)), "--delay", rng.randrange(20, 120), button)
        what = f"button {button} at {x},{y}"
    elif kind == 1:
        button = rng.choice((3, 2) if on_exit else (1, 3, 2))
        x2, y2 = rng.randrange(width), rng.randrange(height)
        at(x, y, "mousedown", button, "mousemove", "--window", window, x2, y2, "mouseup", button)
        what = f"a drag with button {button} from {x},{y} to {x2},{y2}"
    elif kind == 2:
        button = rng.choice((2, 3) if on_exit else (1, 2, 3))
        key = rng.choice(KEYS)
        at(x, y, "mousedown", button, "key", key, "mouseup", button)
        what = f"key {key} with button {button} held at {x},{y}"
    else:
        key = rng.choice(KEYS)
        xdo("key", key)
        what = f"key {key}"
    alive(f"step {step}: {what}")

xdo("key", "Escape")
copied(None, "the random run")
xdo("key", "alt+x")
ends("Alt+X")
finish()
