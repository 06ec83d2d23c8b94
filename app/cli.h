// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, answered before any window or toolkit exists:
// conversions, --list, --help and --version need no display, and a mistyped
// option never opens a window by accident. Standard library and POSIX only.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/query.h"

namespace mensaro {

// How the command line ends: with an exit status, or by opening the window
// (with the toolkit's own options, and perhaps a conversion to show).
struct Answer {
    std::optional<int> status;
    std::optional<Conversion> show;
    std::vector<std::string_view> toolkitOptions;
    std::uint32_t userTime = 0;  // --user-time, 0 when not given
};

// Answers the arguments after the program's name, printing what they ask for;
// units may be named in English or in the vocabulary's language.
Answer RunCommandLine(std::span<const std::string_view> args, const Vocabulary& words = Vocabulary::English());

}  // namespace mensaro
