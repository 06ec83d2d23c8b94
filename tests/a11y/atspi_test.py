# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The running program as a screen reader meets it over AT-SPI: the tree, every
text query answered at once, and the events each key raises. Run by session.sh."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

Atspi.set_timeout(2000, 2000)  # a hung program fails the test, not the runner
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)
    return ok


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        GLib.MainContext.default().iteration(False) or time.sleep(0.01)


def walk(obj):
    return [obj] + [o for child in obj if child is not None for o in walk(child)]


for _ in range(100):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Mensaro"), None)
    if app is not None:
        break
    time.sleep(0.1)
else:
    sys.exit("FAIL: the program never appeared on the AT-SPI bus")
objects = walk(app)

# One focused object, one selected entry in each list.
check((app[0].getRoleName(), app[0].name) == ("frame", "Mensaro"), f"window: {app[0].getRoleName()} {app[0].name!r}")
states = [(o.getRoleName(), o.name, s) for o in objects for s in (pyatspi.STATE_FOCUSED, pyatspi.STATE_SELECTED)
          if o.getState().contains(s)]
focused = [(role, name) for role, name, s in states if s == pyatspi.STATE_FOCUSED]
selected = sorted(name for _, name, s in states if s == pyatspi.STATE_SELECTED)
check(focused == [("text", "Enter Value to convert")] and selected == ["Distance", "Inch", "Inch"], f"{states}")

# Every text query answers, at once, wherever it asks.
boundaries = range(pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_LINE_END + 1)
slowest, texts = 0.0, 0
for obj in (o for o in objects if "Text" in o.get_interfaces()):
    text = obj.queryText()
    texts += 1
    length = text.characterCount
    calls = [(f, o, b) for o in range(-1, length + 2) for b in boundaries
             for f in (text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset)]
    calls += [(text.getText, s, e) for s, e in ((-5, 1000), (0, -1), (3, 1), (length + 1, length + 9))]
    calls += [(text.getCharacterExtents, o, pyatspi.DESKTOP_COORDS) for o in range(-1, length + 2)]
    calls += [(text.getSelection, 0), (text.getSelection, 5), (text.getOffsetAtPoint, -1, -1, 0)]
    for call, *args in calls:
        start = time.monotonic()
        try:
            call(*args)
        except Exception as error:  # an error answer is fine; silence is not
            if not check("reply" not in str(error), f"{obj.name}: {call.__name__}{tuple(args)} got no answer"):
                sys.exit(1)  # the program is stuck; the rest would only time out
        slowest = max(slowest, time.monotonic() - start)
    check(0 <= text.caretOffset <= length and text.getNSelections() in (0, 1), f"{obj.name}: caret or selections")
check(texts >= 1 and slowest < 0.1, f"{texts} text objects, slowest query {slowest * 1000:.0f} ms")

# Events: nothing while idle; each key's new result told exactly once.
told, moving = [], []


def on_told(event):
    """Qt 6.8 announces; Qt 6.4 shows a notification. Either counts, so both at once would tell twice."""
    if event.type == "object:announcement":
        told.append(event.any_data)
    elif event.detail1 and event.source is not None and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        told.append(event.source.name)


pyatspi.Registry.registerEventListener(on_told, "object:state-changed:showing", "object:announcement")
pyatspi.Registry.registerEventListener(lambda e: moving.append(e.type), "object:property-change", "object:text-changed",
                                       "object:state-changed:showing", "object:bounds-changed", "object:announcement")
pump(3)
check(moving == [], f"while idle: {moving}")
for keys, expect in ((["7"], ["7.00 Inch"]), (["Escape"], ["0 Inch"]), (["ctrl+shift+c"], []),
                     (["4"], ["4.00 Inch"]), (["shift+Tab", "c"], ["10.16 Centimeter"])):  # the To list, then c
    told.clear()
    subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True)
    pump(1)
    check(told == expect, f"after {' '.join(keys)}: told {told}, not {expect}")
    if keys == ["ctrl+shift+c"]:
        copied = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout
        check(copied == "0", f"Ctrl+Shift+C copied {copied!r}")

for obj in objects:  # everything still answers; a stuck program raises here
    obj.name
print(f"{len(objects)} objects, {texts} with text, slowest text query {slowest * 1000:.1f} ms; {len(failures)} failed")
sys.exit(1 if failures else 0)
