# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Real input through XTEST where the accessibility tree places controls: copies, a context menu's Paste, the page,
a seeded random run (MENSARO_REAL_SEED replays it), code 0 on Alt+X.   real_input_test.py <mensaro> [events]"""

import os
import random
import subprocess
import sys
import tempfile
import time

import pyatspi

events = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
seed = int(os.environ.get("MENSARO_REAL_SEED") or random.SystemRandom().randrange(2**32))
scratch = tempfile.TemporaryDirectory()  # removed at exit


def check(ok, what):  # the first failure ends the run
    return ok or sys.exit(f"FAIL: {what} (replay: MENSARO_REAL_SEED={seed})")


def wait_for(get, ok=bool, seconds=10):  # get()'s last answer, once ok() takes it or the time is up
    end = time.monotonic() + seconds
    while not ok(value := get()) and time.monotonic() < end:
        time.sleep(0.05)
    return value


def output(*command):
    return subprocess.run([str(word) for word in command], capture_output=True, text=True, timeout=30).stdout


def at(box, *then):  # to the centre of a (left, top, width, height) of the window; then `then`
    output("xdotool", "mousemove", "--window", window, box[0] + box[2] // 2, box[1] + box[3] // 2, *then)


def alive(step):
    time.sleep(0.005)
    check(proc.poll() is None, f"the program ended with code {proc.returncode} at {step}")


def clipboard(text=None):  # what it holds, or hands it `text`
    if text is None:
        return output("xclip", "-o", "-selection", "clipboard")
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text, text=True, check=True)
    wait_for(clipboard, lambda got: got == text)  # xclip takes the clipboard after it has returned


def copied(step, expected=None, *first):  # a left click on the result, just after `first`, copies what it shows
    clipboard("nothing copied")
    at(RESULT, *first, "click", 1)
    alive(step)
    got = wait_for(clipboard, lambda text: text == expected if expected else text != "nothing copied")
    shown = result.name.removeprefix("Result: ")
    check(got == shown and expected in (None, got), f"{step}: copied {got!r}; the result shows {shown!r}")


def pages():
    return len(open(f"{scratch.name}/opened").readlines()) if os.path.exists(f"{scratch.name}/opened") else 0


# The program, with a stand-in browser that logs each page it is handed; its frame once its value box has the keys.
with open(f"{scratch.name}/xdg-open", "w") as stub:
    stub.write(f'#!/bin/sh\necho "$1" >>"{scratch.name}/opened"\n')
os.chmod(f"{scratch.name}/xdg-open", 0o755)
env = dict(os.environ, PATH=f"{scratch.name}:{os.environ['PATH']}", QT_QPA_PLATFORM="xcb", HOME=scratch.name,
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
for variable in ("XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"):
    env.pop(variable, None)  # the link goes to xdg-open, which is ours
proc = subprocess.Popen([sys.argv[1]], env=env, stdout=subprocess.DEVNULL)  # its reports go to the test's log
app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Mensaro"), None),
               bool, 30)
frame = check(app, "the program never appeared in the accessibility tree")[0]
wait_for(lambda: any(c.getState().contains(pyatspi.STATE_FOCUSED) for c in frame if c.getRole() == pyatspi.ROLE_TEXT))
# Polled: xdotool's own --sync once returned nothing at once (Debian 13).
window = wait_for(lambda: output("xdotool", "search", "--onlyvisible", "--name", "^Mensaro$").split())[0]

# The controls used by name, with their boxes in the window.
found = {"result" if child.name.startswith("Result: ") else child.getRole(): child for child in frame}
EXIT, RESULT, VALUE, PICTURE = (tuple(found[r].queryComponent().getExtents(pyatspi.WINDOW_COORDS)) for r in
                                (pyatspi.ROLE_PUSH_BUTTON, "result", pyatspi.ROLE_TEXT, pyatspi.ROLE_IMAGE))
result = found["result"]

# The first clicks on the result: a click, Up, then a click that ends a double click: the new result is copied.
copied("a click, Up and a click", "1.001", "click", 1, "key", "Up")

# The context menu's Paste goes in at the caret: the menu is a window of the program's besides its own, and no tip.
clipboard("25.00")
at(VALUE, "click", 1, "type", "25")  # typed over the value, which a click selects: the caret at the end
at(VALUE, "click", 3)
check(wait_for(lambda: any(w != window and "TOOLTIP" not in output("xprop", "-id", w, "_NET_WM_WINDOW_TYPE")
                           for w in output("xdotool", "search", "--onlyvisible", "--class", "mensaro").split())),
      "a right click on the value box opened no menu")
output("xdotool", "key", "p")
wait_for(lambda: result.name.endswith(" 2525.00"))  # the clipboard read before the copy below sets it again
copied("context menu paste", "2525.00")

# One page per press: a click, a double click, F1 held past its repeat delay.
for name, sent in (("a click", ("click", 1)), ("a double click", ("click", "--repeat", 2, "--delay", 80, 1)),
                   ("F1 held", ("keydown", "F1", "sleep", 1.5, "keyup", "F1"))):  # on the picture
    before = pages()
    at(PICTURE, *sent)
    wait_for(pages, lambda count: count > before)  # the stand-in browser starts when the program gets to it
    time.sleep(1)  # time for a second page, if one is coming
    check(pages() == before + 1, f"{name} opened {pages() - before} pages")

# The random run over every control and the bare window: a click, double click or turn of the wheel, a drag, a key
# with a button held or alone; a copy per 50 steps. No left press on Exit, nor Space or Return (its keys): those end it.
KEYS = ["Up", "Down", "Escape", "Tab", "shift+Tab", "ctrl+shift+c", "1", "period", "5", "minus", "BackSpace",
        "Home", "End", "Delete", "ctrl+v", "ctrl+a", "Left", "Right", "Page_Down", "Page_Up", "a", "M"]
rng = random.Random(seed)
size = frame.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
left, top, width, height = EXIT
for step in range(events):
    x, y, key = rng.randrange(size.width), rng.randrange(size.height), rng.choice(KEYS)
    button = rng.choice((2, 3) if left - 2 <= x < left + width + 2 and top - 2 <= y < top + height + 2 else (1, 2, 3))
    sent = rng.choice((("click", "--repeat", rng.choice((1, 1, 2)), "--delay", rng.randrange(20, 120),
                        rng.choice((button, 4, 5))),
                       ("mousedown", button, "mousemove", "--window", window, rng.randrange(size.width),
                        rng.randrange(size.height), "mouseup", button),
                       ("mousedown", button, "key", key, "mouseup", button), ("key", key), ("key", key)))
    at((x, y, 0, 0), *sent)
    alive(f"step {step}: {' '.join(map(str, sent))} at {x},{y}")
    if step % 50 == 49:
        output("xdotool", "key", "Escape")
        copied(f"step {step}")

output("xdotool", "key", "Escape", "alt+x")
code = wait_for(proc.poll, lambda code: code is not None)
proc.kill()  # if it went on
check(code == 0, f"Alt+X ended the program with code {code}" if code is not None else "Alt+X left it running")
print(f"ok: seed {seed}")
