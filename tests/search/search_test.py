# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The search service called as GNOME Shell and KRunner call it, held against the core's answers.
  search_test.py <build tree's app/search/share> <suggestions helper>"""

import os
import re
import signal
import subprocess
import sys
import time

NAME = "org.mensaro.Mensaro.SearchProvider"
SHELL = (NAME, "/org/mensaro/Mensaro/SearchProvider", "org.gnome.Shell.SearchProvider2")
RUNNER = (NAME, "/org/mensaro/Mensaro/Runner", "org.kde.krunner1")
DBUS = ("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus")
ICON = "org.mensaro.Mensaro"
SECRET = "hunter2"  # stands for a password typed into the search box
# Queries, and whether the core answers them (None: whatever it says).
QUERIES = [("12 in to cm", True), ("12 in", True), ("1 pint to l", True), ("100°F to °C", True),
           ("-40 F in C", True), ("firefox", False), ("1 to gram", False), ("12", False), ("60 mph to km/h", False),
           (f"{SECRET} 12 in to cm", False), ("12 in to cm\x07", None), ("\x1b[31m12 in\tto cm", None),
           ("12 in to cm " + "x" * 10000, False), ("1" * 10000, False), ("5'11\"", True), ("180 cm to ft in", True),
           ("½ in to mm", True), ("1 h 30 min to min", True), ("5 ft 3 ft", False)]
# Ids the core never makes: each gets an error, and nothing starts.
FORGED = ["", "x", "12|Inch", "12|Inch|Celsius", "12|Inch|Centimeter|", "12|Inch|Centimeter\n$(touch x)",
          "NaN|Inch|Centimeter", f"{SECRET}|Inch|Centimeter", "1" * 10000 + "|Inch|Centimeter", "5|Feet|5|Feet|Inch",
          "180|Centimeter|Inch|Feet", "1/0|Inch|Centimeter", "5|Feet|-11|Inch|Centimeter"]
INVALID = "org.freedesktop.DBus.Error.InvalidArgs"


def outside(share, helper):
    """In desktop_session.sh; only the test's lines and dbus-daemon's, never naming a query, may come out of it."""
    text = open(f"{share}/dbus-1/services/{NAME}.service").read()
    run = subprocess.run(["bash", f"{os.path.dirname(__file__)}/desktop_session.sh", share, sys.executable, __file__,
                          "--inside", *re.search(r"^Exec=(\S+) --program (\S+)$", text, re.M).groups(), helper],
                         env=dict(os.environ, LC_ALL="C.UTF-8"), capture_output=True, text=True, timeout=300)
    lines = (run.stdout + run.stderr).splitlines()
    leaks = [f"FAIL: printed: {x!r}" for x in lines if not x.startswith(("TEST", "dbus-daemon[")) or SECRET in x]
    print("\n".join([line for line in lines if line.startswith("TEST")] + leaks))
    return 1 if run.returncode or leaks else 0


def inside(program, window, helper):
    from gi.repository import Gio, GLib

    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    failures = []

    def check(ok, what):
        if not ok:
            failures.append(print(f"TEST FAIL: {what}", flush=True))

    def call(to, method, signature="()", *args):
        try:
            return bus.call_sync(*to, method, GLib.Variant(signature, args), None, 0, 5000, None)
        except GLib.Error as error:
            return Gio.DBusError.get_remote_error(error)

    def owner():
        reply = call(DBUS, "GetConnectionUnixProcessID", "(s)", NAME)
        return None if isinstance(reply, str) else reply.unpack()[0]

    def wait(condition, seconds):
        end = time.monotonic() + seconds
        while not condition() and time.monotonic() < end:
            GLib.MainContext.default().iteration(False) or time.sleep(0.01)
        return condition()

    def core(query, comma=False):
        out = subprocess.run([helper, *["--comma"] * comma, query], capture_output=True, text=True, check=True)
        return [tuple(line.split("\t")) for line in out.stdout.splitlines() if line]

    launches, log = [], os.environ["MENSARO_SHOWN_LOG"]

    def launched(row, what, time=0):
        """The window started at the core's answer `row` or plainly, at the caller's time; the program reads the row."""
        words = ["--user-time", str(time)] * (time > 0) + (["--show", row[0]] if row else [])
        launches.append("".join(f"[{arg}]" for arg in words) or "[]")
        wait(lambda: os.path.exists(log) and len(open(log).readlines()) >= len(launches), 5)
        check(open(log).read().splitlines() == launches, f"{what} starts {row}")
        if row and row[0].count("|") == 2:  # a quantity in parts shows as one number in the window
            out = subprocess.run([window, "-v", *row[4:]], capture_output=True, text=True).stdout
            check(out == f"{row[2]} = {row[1]}\n", f"mensaro reads {row[4:]}")

    def answers(query, comma=False):
        # Both interfaces against the core, for one query; the core's answer.
        terms, what = query.split(), repr(query[:40])
        want = core(" ".join(terms), comma)
        ids = [row[0] for row in want]
        check(call(SHELL, "GetInitialResultSet", "(as)", terms).unpack() == (ids,), f"ids for {what}")
        check(call(SHELL, "GetSubsearchResultSet", "(asas)", ["1"], terms).unpack() == (ids,), f"subsearch {what}")
        metas = call(SHELL, "GetResultMetas", "(as)", ids)
        check(metas.unpack() == ([{"id": i, "name": n, "description": d, "icon": ICON, "clipboardText": c}
                                  for i, n, d, c, *_ in want],) and "<<" not in metas.print_(False), f"metas {what}")
        want = core(query, comma)
        got = call(RUNNER, "Match", "(s)", query).unpack()[0]
        check([(*row[:4], row[5]) for row in got] ==
              [(i, n, ICON, 100, {"subtext": d, "actions": ["open"]}) for i, n, d, *_ in want], f"matches {what}")
        relevance = [row[4] for row in got]
        check(relevance == sorted(set(relevance), reverse=True) and relevance[:1] in ([], [1.0]), f"relevance {what}")
        return want

    # The registration, read as GNOME Shell reads it (the real clients read the rest).
    provider, plugin, share = GLib.KeyFile(), GLib.KeyFile(), os.environ["XDG_DATA_DIRS"]
    provider.load_from_file(f"{share}/gnome-shell/search-providers/{ICON}.search-provider.ini", 0)
    plugin.load_from_file(f"{share}/krunner/dbusplugins/{ICON}.krunner.desktop", 0)
    app = Gio.DesktopAppInfo.new(provider.get_string("Shell Search Provider", "DesktopId"))
    check(app and app.should_show(), "GIO loads the provider's desktop entry")
    regex = re.compile(plugin.get_string("Desktop Entry", "X-Plasma-Runner-Match-Regex"))

    # Two copies at once: one serves, the other leaves at once with code 0.
    copies = [subprocess.Popen([program, "--program", "/bin/false"]) for _ in range(2)]
    check(wait(lambda: any(c.poll() == 0 for c in copies), 3), "a second copy leaves with code 0")
    check([owner()] == [c.pid for c in copies if c.poll() is None], "the first copy keeps the name")
    [(c.terminate(), c.wait()) for c in copies]

    # Started by the bus from here on.
    for query, answered in QUERIES:
        want = answers(query)
        check(answered is None or bool(want) == answered, f"answered: {query[:40]!r}")
        check(not answered or regex.search(query), f"KRunner asks about {query[:40]!r}")
    check(call(SHELL, "GetInitialResultSet", "(as)", ["1"] * 5000).unpack() == ([],), "a flood of terms")
    first = core("12 in to cm")[0]

    # Forged ids, unknown actions, too many ids: errors, and nothing starts.
    for forged in FORGED:
        check(call(SHELL, "GetResultMetas", "(as)", [first[0], forged]) == INVALID, f"metas for {forged[:40]!r}")
        check(call(SHELL, "ActivateResult", "(sasu)", forged, [], 0) == INVALID, f"activating {forged[:40]!r}")
        check(call(RUNNER, "Run", "(ss)", forged, "open") == INVALID, f"running {forged[:40]!r}")
    check(call(RUNNER, "Run", "(ss)", first[0], "rm") == INVALID, "an unknown action")
    check(str(call(SHELL, "GetResultMetas", "(as)", [first[0]] * 101)).endswith(".LimitsExceeded"), "too many ids")

    # The window, at a conversion or plainly (KRunner's copy through Klipper is the KRunner client's to check).
    for to, method, signature, args, row in [(SHELL, "ActivateResult", "(sasu)", (first[0], ["x"], 2**32 - 1), first),
                                             (SHELL, "LaunchSearch", "(asu)", (["12", "in"], 0), core("12 in")[0]),
                                             (SHELL, "LaunchSearch", "(asu)", (["firefox"], 1), None),
                                             (SHELL, "ActivateResult", "(sasu)", (core("5'11\"")[2][0], [], 0),
                                              core("5'11\"")[2]),
                                             (RUNNER, "Run", "(ss)", (first[0], "open"), first)]:
        call(to, method, signature, *args)
        launched(row, f"{method}{args}", args[-1] if to == SHELL else 0)
    check(call(RUNNER, "Actions").unpack() == ([("open", "Open in Mensaro", ICON)],), "KRunner's actions")

    # A flood of calls at once: every one answered, by one process.
    pid, replies = owner(), []
    for to, method, signature, query in [(SHELL, "GetInitialResultSet", "(as)", ["12", "in"]),
                                         (RUNNER, "Match", "(s)", "12 in")] * 500:
        bus.call(*to, method, GLib.Variant(signature, (query,)), None, 0, 20000, None,
                 lambda b, result: replies.append(b.call_finish(result)))
    check(wait(lambda: len(replies) == 1000, 20) and owner() == pid, "a flood of calls")

    # Gone, and started again by the next call, now in a locale that writes 1,5 (in English, as the core's names).
    call(DBUS, "UpdateActivationEnvironment", "(a{ss})", {"LC_ALL": "de_DE.UTF-8", "LANGUAGE": "en"})
    os.kill(pid, signal.SIGTERM)
    check(wait(lambda: owner() is None, 5), "the service ends")
    call(SHELL, "ActivateResult", "(sasu)", first[0], [], 0)
    launched(first, "a result picked after a restart")
    check(owner() not in (None, pid) and answers("1,5 in to cm", comma=True), "a decimal comma")

    # Idle: the name given up 10 s after the last call, each call restarting the count. GIO's proxies (GNOME Shell's)
    # call the copy they know until they hear that the name moved: it answers them, and the name starts a new copy.
    raced, ids = [], [row[0] for row in core("12 in")]

    def released(*signal):  # an error raised in the reply's callback is printed, which fails the test
        if signal[5][2] == "" and not raced:  # the first copy's leaving only
            raced.append(time.monotonic())
            for to in [signal[5][1], NAME]:
                bus.call(to, *SHELL[1:], "GetInitialResultSet", GLib.Variant("(as)", (["12", "in"],)), None, 0, 5000,
                         None, lambda b, result: raced.append(b.call_finish(result).unpack()[0]))

    bus.signal_subscribe(DBUS[0], DBUS[2], "NameOwnerChanged", DBUS[1], NAME, 0, released)
    call(SHELL, "GetInitialResultSet", "(as)", ["1"])
    time.sleep(5)
    call(RUNNER, "Teardown")
    last, pid = time.monotonic(), owner()
    check(wait(lambda: len(raced) == 3, 20) and 9 < raced[0] - last < 13 and raced[1:] == [ids, ids],
          "gives up its name when idle, and answers the calls racing that")
    check(wait(lambda: not os.path.exists(f"/proc/{pid}"), 5), "exits when idle")
    check(len(open(log).readlines()) == len(launches), "nothing else started the window")
    home = os.environ["HOME"]  # desktop_session.sh's, where it made only .local/share/applications
    stored = [os.path.relpath(f"{r}/{n}", home) for r, ds, fs in os.walk(home) for n in ds + fs]
    check(all(".local/share/applications".startswith(s) for s in stored), f"nothing stored at home: {stored}")
    print(f"TEST {'FAIL' if failures else 'PASS'}: {len(failures)} failed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(inside(*sys.argv[2:]) if sys.argv[1] == "--inside" else outside(*sys.argv[1:]))
