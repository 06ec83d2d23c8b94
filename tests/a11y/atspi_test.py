# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The running program as a screen reader meets it over AT-SPI: the tree
(roles, names, states), every text query answered quickly at any offset, and
the events each key raises. Run by session.sh inside a private D-Bus session
and X server, with the program already started."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

QUERY_LIMIT = 0.1  # seconds any one query may take
Atspi.set_timeout(2000, 2000)  # a hung program fails the test, not the runner
failures = []
checks = 0


def check(ok, what):
    global checks
    checks += 1
    if not ok:
        failures.append(what)
        print("FAIL:", what)
    return ok


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def find_app():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Mensaro":
                return app
        time.sleep(0.1)
    sys.exit("FAIL: the program never appeared on the AT-SPI bus")


def walk(obj):
    yield obj
    for child in obj:
        if child is not None:
            yield from walk(child)


app = find_app()
frame = app[0]
objects = list(walk(app))

# The tree tells the truth.
check(frame.getRole() == pyatspi.ROLE_FRAME and frame.name == "Mensaro", f"window: {frame.getRoleName()} {frame.name!r}")
focused = [o for o in objects if o.getState().contains(pyatspi.STATE_FOCUSED)]
check([(o.getRoleName(), o.name) for o in focused] == [("text", "Enter Value to convert")],
      f"focused: {[(o.getRoleName(), o.name) for o in focused]}")
lists = {o.name: o for o in objects if o.getRole() == pyatspi.ROLE_LIST}
check(sorted(lists) == ["From unit", "Select Type", "To unit"], f"lists: {sorted(lists)}")
for name, first in (("Select Type", "Distance"), ("From unit", "Inch"), ("To unit", "Inch")):
    items = [item for item in lists.get(name, [])]
    selected = [item.name for item in items if item.getState().contains(pyatspi.STATE_SELECTED)]
    check(selected == [first], f"{name}: selected {selected}")
    if name != "Select Type":
        check([i.name for i in items][6:8] == ["separator", "Millimeter"], f"{name}: {[i.name for i in items]}")
check(lists["Select Type"].getChildAtIndex(99) is None, "a child index out of range")

# Every text query answers, at once, wherever it asks.
boundaries = [getattr(pyatspi, "TEXT_BOUNDARY_" + b) for b in
              ("CHAR", "WORD_START", "WORD_END", "SENTENCE_START", "SENTENCE_END", "LINE_START", "LINE_END")]
slowest = 0.0
texts = 0
for obj in objects:
    try:
        text = obj.queryText()
    except NotImplementedError:
        continue
    texts += 1
    length = text.characterCount
    calls = [(f, o, b) for o in range(-1, length + 2) for b in boundaries
             for f in (text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset)]
    calls += [(text.getText, s, e) for s, e in ((-5, 1000), (0, -1), (3, 1), (length + 1, length + 9))]
    calls += [(text.getCharacterExtents, o, pyatspi.DESKTOP_COORDS) for o in range(-1, length + 2)]
    calls += [(text.getSelection, 0, None), (text.getSelection, 5, None), (text.getOffsetAtPoint, -1, -1)]
    for call, *args in calls:
        start = time.monotonic()
        try:
            call(*[a for a in args if a is not None])
        except Exception as error:  # an error answer is fine; silence is not
            if not check("reply" not in str(error), f"{obj.name}: {call.__name__}{tuple(args)} got no answer"):
                sys.exit(1)  # the program is stuck; the rest would only time out
        slowest = max(slowest, time.monotonic() - start)
    check(0 <= text.caretOffset <= length and text.getNSelections() in (0, 1), f"{obj.name}: caret or selections")
check(texts >= 1, "no text object found")
check(slowest < QUERY_LIMIT, f"slowest text query took {slowest * 1000:.0f} ms")

# Events: nothing while idle; each key's new result told exactly once.
told = []


def on_event(event):
    if event.source is not None and event.source.getRole() == pyatspi.ROLE_NOTIFICATION and event.detail1:
        told.append(event.source.name)


pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing")
moving = []
pyatspi.Registry.registerEventListener(lambda e: moving.append(e.type), "object:property-change", "object:text-changed",
                                       "object:state-changed:showing", "object:bounds-changed")
pump(3)
check(moving == [], f"while idle: {moving}")


def press(*keys, expect):
    told.clear()
    subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True)
    pump(1)
    check(told == expect, f"after {' '.join(keys)}: told {told}, not {expect}")


press("7", expect=["7.00 Inch"])
press("Up", expect=["7.001 Inch"])
press("Down", expect=["7.00 Inch"])
press("Escape", expect=["0 Inch"])
press("ctrl+shift+c", expect=[])  # copies, and tells nothing new
clipboard = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout
check(clipboard == "0", f"Ctrl+Shift+C copied {clipboard!r}")
press("4", expect=["4.00 Inch"])
press("shift+Tab", "c", expect=["10.16 Centimeter"])  # the To list, then its first unit with c
press("Tab", "Tab", "Down", expect=["4.00 Sq.Inch"])  # Exit, the categories, then Area

for obj in objects:  # everything still answers
    obj.name
print(f"{len(objects)} objects, {texts} with text, slowest text query {slowest * 1000:.1f} ms")
print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
