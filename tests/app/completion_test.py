# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The bash completion under real keystrokes: in a pseudo-terminal, under the C and a Turkish locale, an
interactive bash types each row's start, presses Tab and prints the completed line's words, the row's.
  completion_test.py <folder of mensaro> <completion script>"""

import os
import pty
import select
import sys
import time

folder, script = sys.argv[1], sys.argv[2]

# Typed after "mensaro " before Tab; the words after it (which names are offered is arguments_test.cpp's part).
ROWS = [('1 "Nau', "1|Nautical Mile"), ("1 'nautical m", "1|Nautical Mile"), ("1 nau", "1|Nautical Mile"),
        ('1 "Nautical Mile" kil', "1|Nautical Mile|Kilometer"), ("1 INCH", "1|Inch"), ("1 ınch", "1|Inch"),
        ("12 Sq.Mil", "12|Sq.Mil")]

failures = 0
for locale in ("C", "tr_TR.UTF-8"):
    env = dict(os.environ, LC_ALL=locale, PATH=f"{folder}:{os.environ['PATH']}", TERM="dumb", INPUTRC="/dev/null",
               PS1="$ ", HOME="/nonexistent")
    pid, fd = pty.fork()
    if pid == 0:
        os.execvpe("bash", ["bash", "--norc", "--noprofile", "-i"], env)
    seen = ""
    # Each line typed ends by printing a marker, split in what is typed so only its output matches; after Tab,
    # Ctrl+A goes to the line's start to make the completed words the arguments of `args`.
    for n, keys in enumerate([f"source '{script}'; args() {{ printf '<%s>' \"$@\"; echo '<e''nd>'; }}; echo '<e''nd>'",
                              *(f"mensaro {typed}\t\x01args " for typed, _ in ROWS)]):
        os.write(fd, keys.encode() + b"\r")
        deadline = time.monotonic() + 10
        while seen.count("<end>") == n and time.monotonic() < deadline:
            if select.select([fd], [], [], 0.1)[0]:
                seen += os.read(fd, 4096).decode(errors="replace")
        if n:
            typed, words = ROWS[n - 1]
            end = seen.rfind("<end>")
            got, want = seen[seen.rfind("\n", 0, end) + 1:end], "<mensaro><" + words.replace("|", "><") + ">"
            if not got.endswith(want):
                failures += 1
                print(f"FAIL ({locale}): {typed!r} + Tab gave {got!r}, not {want!r}")
    os.write(fd, b"exit\r")
    os.waitpid(pid, 0)
sys.exit(1 if failures else 0)
