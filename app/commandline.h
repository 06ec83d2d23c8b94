// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, read before any window exists: --help and --version need
// no display, and a mistyped option never opens a window by accident.
#pragma once

#include <optional>

namespace mensaro {

// Handles --help, --version and usage errors, printing what they ask for.
// Returns the exit status when the program should end here, or nothing when
// it should go on to open its window (no arguments, or only Qt's own options
// such as -platform, -style and -reverse, which QApplication then takes).
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace mensaro
