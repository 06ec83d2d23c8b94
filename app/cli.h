// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, read before any window or toolkit exists: conversions,
// --list, --help and --version need no display, and a mistyped option never
// opens a window by accident. Standard library and POSIX only.
#pragma once

#include <optional>

namespace mensaro {

// Answers the command line, printing what it asks for:
//   mensaro VALUE FROM TO     one conversion, the window's result text
//   mensaro - FROM TO         one conversion per line of standard input
//   mensaro -- VALUE FROM TO  the same, whatever VALUE starts with
//   --list, --help, --version, and usage errors.
// Returns the exit status when the program should end here, or nothing when
// it should go on to open its window (no arguments, or only Qt's own options
// such as -platform, -style and -reverse, which the window's toolkit takes).
std::optional<int> RunCommandLine(int argc, char* argv[]);

}  // namespace mensaro
