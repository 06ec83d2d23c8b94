# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The bash completion under real keystrokes: an interactive bash in a
pseudo-terminal, under the C and a Turkish locale, types each row's start,
presses Tab, and runs the completed line through a function that prints its
words; they must be the row's.
  completion_test.py <folder of mensaro> <completion script>"""

import os
import pty
import select
import sys
import time

folder, script = sys.argv[1], sys.argv[2]

# What is typed before Tab; the words of the line after it.
ROWS = [
    ('mensaro 1 "Nau', ["mensaro", "1", "Nautical Mile"]),
    ("mensaro 1 'nautical m", ["mensaro", "1", "Nautical Mile"]),
    ("mensaro 1 nau", ["mensaro", "1", "Nautical Mile"]),
    ('mensaro 1 "Nautical Mile" kil', ["mensaro", "1", "Nautical Mile", "Kilometer"]),
    ("mensaro 12 inch to ce", ["mensaro", "12", "inch", "to", "Centimeter"]),
    ("mensaro -- -4 cel", ["mensaro", "--", "-4", "Celsius"]),
    ("mensaro -40 CELS FA", ["mensaro", "-40", "CELS", "Farenhite"]),
    ("mensaro 1 INC", ["mensaro", "1", "Inch"]),
    ("mensaro 1 ınc", ["mensaro", "1", "ınc"]),
    ("mensaro --l", ["mensaro", "--list"]),
    ("mensaro 12 Sq.Mil", ["mensaro", "12", "Sq.Mil"]),
]


class Terminal:
    """An interactive bash in a pseudo-terminal; what it printed, kept."""

    def __init__(self, locale):
        env = dict(os.environ, LC_ALL=locale, PATH=f"{folder}:{os.environ['PATH']}", TERM="dumb",
                   INPUTRC="/dev/null", PS1="$ ", HOME="/nonexistent")
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.execvpe("bash", ["bash", "--norc", "--noprofile", "-i"], env)
        self.seen = ""
        # The marker is split in what is typed, so only its output matches.
        self.run(f"source '{script}'; args() {{ printf '<%s>' \"$@\"; echo '<e''nd>'; }}; echo '<e''nd>'")

    def run(self, keys):
        """Types keys and Enter; what the line printed before its marker."""
        ends = self.seen.count("<end>")
        os.write(self.fd, keys.encode() + b"\r")
        deadline = time.monotonic() + 10
        while self.seen.count("<end>") == ends and time.monotonic() < deadline:
            if select.select([self.fd], [], [], 0.1)[0]:
                self.seen += os.read(self.fd, 4096).decode(errors="replace")
        end = self.seen.rfind("<end>")
        return self.seen[self.seen.rfind("\n", 0, end) + 1:end]

    def close(self):
        os.write(self.fd, b"exit\r")
        os.waitpid(self.pid, 0)


failures = 0
for locale in ("C", "tr_TR.UTF-8"):
    terminal = Terminal(locale)
    for typed, words in ROWS:
        # Tab, then to the line's start to make the completed words the arguments of args.
        got = terminal.run(typed + "\t\x01args ")
        want = "".join(f"<{w}>" for w in words)
        if not got.endswith(want):
            failures += 1
            print(f"FAIL ({locale}): {typed!r} + Tab gave {got!r}, not {want!r}")
    terminal.close()
sys.exit(1 if failures else 0)
