# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The running program as a screen reader meets it over AT-SPI: the tree, every text query answered at once, a key's
result told once and no event while idle. Run by session.sh."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

Atspi.set_timeout(2000, 2000)  # a hung program fails the test, not the runner


def check(ok, what):  # the first failure ends the run
    return ok or sys.exit(f"FAIL: {what}")


def walk(obj):
    return [obj] + [o for child in obj if child is not None for o in walk(child)]


for _ in range(100):  # up to 10 s to join the bus, with its window
    if app := next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Mensaro"), None):
        break
    time.sleep(0.1)
objects = walk(check(app, "the program never appeared on the AT-SPI bus"))

# The window; one focused object, one selected entry in each list.
check((app[0].getRoleName(), app[0].name) == ("frame", "Mensaro"), f"window: {app[0].getRoleName()} {app[0].name!r}")
focused = [(o.getRoleName(), o.name) for o in objects if o.getState().contains(pyatspi.STATE_FOCUSED)]
chosen = sorted(o.name for o in objects if o.getState().contains(pyatspi.STATE_SELECTED))
check((focused, chosen) == ([("text", "Enter Value to convert")], ["Distance", "Inch", "Inch"]), f"{focused} {chosen}")

# Every text query answers, at once (an error is an answer), wherever it asks.
texts = [o for o in objects if "Text" in o.get_interfaces()]
for obj, text in ((o, o.queryText()) for o in check(texts, "no text on the bus")):
    n = text.characterCount
    calls = [(f, o, b) for o in range(-1, n + 2) for b in range(pyatspi.TEXT_BOUNDARY_LINE_END + 1)
             for f in (text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset)]
    calls += [(text.getText, s, e) for s, e in ((-5, 1000), (0, -1), (3, 1), (n + 1, n + 9))]
    calls += [(text.getCharacterExtents, o, pyatspi.DESKTOP_COORDS) for o in range(-1, n + 2)]
    for call, *args in calls + [(text.getSelection, 0), (text.getSelection, 5), (text.getOffsetAtPoint, -1, -1, 0)]:
        start = time.monotonic()
        try:
            call(*args)
        except Exception as error:
            check("reply" not in str(error), f"{obj.name}: {call.__name__}{tuple(args)} got no answer")
        check(time.monotonic() - start < 0.1, f"{obj.name}: {call.__name__}{tuple(args)} took a while")
    check(0 <= text.caretOffset <= n and text.getNSelections() in (0, 1), f"{obj.name}: caret or selections")

# Nothing while idle; a key's new result told once (Qt 6.8 announces, Qt 6.4 shows a notification: both is twice).
told, moving = [], []


def heard(event):
    moving.append(event.type)
    if event.type == "object:announcement":
        told.append(event.any_data)
    elif "showing" in event.type and event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        told.append(event.source.name)


pyatspi.Registry.registerEventListener(heard, "object:property-change", "object:text-changed",
                                       "object:state-changed:showing", "object:bounds-changed", "object:announcement")
for key, expect in (("", []), ("7", ["7.00 Inch"])):
    told.clear(), moving.clear()
    subprocess.run(["xdotool", "key", key] if key else ["true"], check=True)
    end = time.monotonic() + (1 if key else 3)  # events arrive while the main loop runs
    while time.monotonic() < end:
        GLib.MainContext.default().iteration(False) or time.sleep(0.01)
    check(told == expect and (key or not moving), f"after {key or 'nothing'}: told {told}, moved {moving}")
print(f"{len(objects)} objects, {len(texts)} with text: ok")
