# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The real program under real input: on a private X server, every button on
every control, drags, the designed keys, keys with a button held, then a seeded
random run, all sent through XTEST (xdotool). The program must live through
each step, copy what the result shows when it is clicked, open the page once
per click or key press, and end with code 0 on Alt+X. Where each control is,
the program's accessibility tree says.
  real_input_test.py <mensaro> [events]
MENSARO_REAL_SEED replays a run."""

import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

if "MENSARO_X_READY" not in os.environ:  # a private D-Bus session (for the tree) and X server
    os.environ["MENSARO_X_READY"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 800x600x24",
                                   sys.executable] + sys.argv)

import pyatspi  # noqa: E402 (reaches the accessibility bus of the session above)

program = sys.argv[1]
events = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
seed = int(os.environ.get("MENSARO_REAL_SEED") or random.SystemRandom().randrange(2**32))
scratch = tempfile.mkdtemp()
failures = []


def wait_for(get, ok=bool, seconds=10):
    """Calls get() until ok() takes what it returns, or the time is up; returns its last answer."""
    end = time.monotonic() + seconds
    while not ok(value := get()) and time.monotonic() < end:
        time.sleep(0.05)
    return value


def output(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=30).stdout


def xdo(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=False, stderr=subprocess.DEVNULL)


def at(x, y, *then):
    xdo("mousemove", "--window", window, x, y, *then)


def centre(name):
    left, top, width, height = controls[name]
    return left + width // 2, top + height // 2


def on(name, x, y, margin=2):
    left, top, width, height = controls[name]
    return left - margin <= x < left + width + margin and top - margin <= y < top + height + margin


def clipboard():
    return output("xclip", "-o", "-selection", "clipboard")


def set_clipboard(text):
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text, text=True, check=True)
    wait_for(clipboard, lambda got: got == text)  # xclip takes the clipboard after it has returned


def pages():
    log = f"{scratch}/opened"
    return len(open(log).readlines()) if os.path.exists(log) else 0


def menu_open():
    """A window of the program's on screen besides its own, and no tool tip."""
    return any(w != window and "TOOLTIP" not in output("xprop", "-id", w, "_NET_WM_WINDOW_TYPE")
               for w in output("xdotool", "search", "--onlyvisible", "--class", "mensaro").split())


def check(ok, what):
    if not ok:
        failures.append(what)
        print(f"FAIL: {what} (replay: MENSARO_REAL_SEED={seed})")


def alive(step):
    time.sleep(0.005)
    if proc.poll() is not None:
        check(False, f"the program ended with code {proc.returncode} at {step}")
        finish()


def copied(step, expected=None, *first):
    """A left click on the result copies what it shows. `first` goes just before it, quick enough for a click
    there and this one to make a double click; the copy must then be `expected`."""
    set_clipboard("nothing copied")
    at(*centre(RESULT), *first, "click", 1)
    alive(step)
    got = wait_for(clipboard, lambda text: text == expected if expected else text != "nothing copied")
    shown = result_label.name.removeprefix("Result: ")
    check(got == shown and expected in (None, got), f"{step}: copied {got!r}; the result shows {shown!r}")


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


def ours(app, pid):
    try:
        return app is not None and app.get_process_id() == pid
    except Exception:  # gone since the desktop listed it
        return False


def start():
    """The program, once its value box has the keyboard: the process, its window, and its frame in the tree."""
    env = dict(os.environ, PATH=f"{scratch}:{os.environ['PATH']}", QT_QPA_PLATFORM="xcb", HOME=scratch,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1",
               ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "abort_on_error=1:detect_leaks=0"))
    for variable in ("XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"):
        env.pop(variable, None)  # the link goes to xdg-open, which is ours
    started = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=open(f"{scratch}/err", "a"))
    found = output("xdotool", "search", "--sync", "--name", "^Mensaro$").split()
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if ours(a, started.pid)), None), bool, 30)
    if app is None:
        sys.exit("FAIL: the program never appeared in the accessibility tree")
    value_box = next(child for child in app[0] if child.getRoleName() == "text")
    wait_for(lambda: value_box.getState().contains(pyatspi.STATE_FOCUSED))
    return started, found[0], app[0]


# The browser: a stand-in that logs each page it is handed.
with open(f"{scratch}/xdg-open", "w") as stub:
    stub.write(f'#!/bin/sh\necho "$1" >>"{scratch}/opened"\n')
os.chmod(f"{scratch}/xdg-open", 0o755)

proc, window, frame = start()
# Each control with a place, by role and name: its left, top, width and height in the window.
boxes = {f"{c.getRoleName()} {c.name}": c.queryComponent().getExtents(pyatspi.WINDOW_COORDS) for c in frame}
controls = {name: (b.x, b.y, b.width, b.height) for name, b in boxes.items() if b.width > 0}
EXIT, RESULT, VALUE, PICTURE = (next(name for name in controls if name.startswith(kind))
                                for kind in ("push button", "label Result: ", "text", "image"))
size = frame.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
width, height = size.width, size.height
# The bare window: its free point nearest the middle.
controls["the window"] = (*min(((x, y) for x in range(0, width, 4) for y in range(0, height, 4)
                                if not any(on(name, x, y) for name in controls)),
                               key=lambda p: abs(p[0] - width // 2) + abs(p[1] - height // 2)), 1, 1)
at(*centre(EXIT), "click", 1)
ends("a click on Exit")

proc, window, frame = start()
result_label = next(child for child in frame if child.name.startswith("Result: "))
# The first clicks on the result: a click, Up, then a click that ends a double click: the new result is copied.
copied("a click, Up and a click", "1.001", "click", 1, "key", "Up")

# The context menu's Paste goes in at the caret.
set_clipboard("25.00")
at(*centre(VALUE), "click", 1, "type", "25")
xdo("key", "End")
at(*centre(VALUE), "click", 3)
check(wait_for(menu_open), "a right click on the value box opened no menu")
xdo("key", "p")
alive("context menu paste")
copied("context menu paste", "2525.00")

# One page per press: a click, a double click, F1 held past its repeat delay.
for name, action in (("a click on the picture", lambda: at(*centre(PICTURE), "click", 1)),
                     ("a double click on the picture", lambda: at(*centre(PICTURE), "click", "--repeat", 2,
                                                                  "--delay", 80, 1)),
                     ("F1 held", lambda: (xdo("keydown", "F1"), time.sleep(1.5), xdo("keyup", "F1")))):
    before = pages()
    action()
    alive(name)
    wait_for(pages, lambda count: count > before)  # the stand-in browser starts when the program gets to it
    time.sleep(1)  # time for a second page, if one is coming
    check(pages() == before + 1, f"{name} opened {pages() - before} pages")

# Every button on every control and on the bare window, and drags from each
# to the next; no left press on Exit.
names = list(controls)
for here, there in zip(names, names[1:] + names[:1]):
    for button, clicks in ((1, 1), (3, 1), (2, 1), (1, 2), (4, 1), (5, 1), (1, 0), (3, 0)):  # 0: a drag
        if here == EXIT and button == 1:
            continue
        if clicks:
            at(*centre(here), "click", "--repeat", clicks, "--delay", 60, button)
        else:
            at(*centre(here), "mousedown", button, "mousemove", "--window", window, *centre(there), "mouseup", button)
        alive(f"button {button} x{clicks} on {here}" if clicks else f"a drag with button {button} to {there}")
    xdo("key", "Escape")  # closes the value box's context menu
copied("every button")

# The designed keys, then the same with a button held down.
KEYS = ["Up", "Down", "Escape", "Tab", "shift+Tab", "ctrl+shift+c", "1", "period", "5", "minus", "BackSpace",
        "Home", "End", "Delete", "ctrl+v", "ctrl+a", "Left", "Right", "Page_Down", "Page_Up", "a", "M"]
for key in KEYS:
    xdo("key", key)
    alive(f"key {key}")
for name in (VALUE, "list From unit", RESULT, PICTURE, "the window"):
    for key in ("Up", "Down", "Escape", "Tab", "7"):
        at(*centre(name), "mousedown", 1, "key", key, "mouseup", 1)
        alive(f"key {key} with button 1 held on {name}")
copied("keys")

# The random run. Left presses on Exit, Space and Return (which press a
# focused Exit) and Alt+X would end it, so they are left for the end.
rng = random.Random(seed)
for step in range(events):
    if step % 50 == 49:  # a round trip through the program: it still answers
        xdo("key", "Escape")
        copied(f"step {step}")
    x, y, x2, y2 = rng.randrange(width), rng.randrange(height), rng.randrange(width), rng.randrange(height)
    button, key, kind = rng.choice((2, 3) if on(EXIT, x, y) else (1, 2, 3)), rng.choice(KEYS), rng.randrange(5)
    # A click (or a turn of the wheel), a drag, a key with a button held, or a key alone.
    sent = (("click", "--repeat", rng.choice((1, 1, 2)), "--delay", rng.randrange(20, 120), rng.choice((button, 4, 5))),
            ("mousedown", button, "mousemove", "--window", window, x2, y2, "mouseup", button),
            ("mousedown", button, "key", key, "mouseup", button))[kind] if kind < 3 else ()
    if sent:
        at(x, y, *sent)
    else:
        xdo("key", key)
    alive(f"step {step}: {' '.join(map(str, sent))} at {x},{y}" if sent else f"step {step}: key {key}")

xdo("key", "Escape")
copied("the random run")
xdo("key", "alt+x")
ends("Alt+X")
finish()
