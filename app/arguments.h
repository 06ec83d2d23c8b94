// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line's words, read before anything is converted or opened: the
// job they ask for and what it is given. A pure function of the arguments.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/unitnames.h"

namespace mensaro {

enum class Job : std::uint8_t {
    kWindow,      // no conversion: open the window
    kConvert,     // VALUE FROM TO, or a query such as "12 in to cm"
    kStream,      // - [FROM TO]: a value (or a query) a line of standard input
    kList,        // --list [CATEGORY]
    kHelp,        // --help
    kVersion,     // --version
    kComplete,    // --complete WORD...: what the shell may complete the last word to
    kUsageError,  // anything not understood
};

struct Request {
    Job job = Job::kWindow;
    // The conversion's words (for a stream, the units after "-"); the
    // category asked for by --list; the words to complete.
    std::vector<std::string_view> words;
    bool verbose = false;  // say which units were used
    bool asTyped = false;  // values read as the window's value box reads them
    bool show = false;     // open the window at the conversion
    // --user-time: when the click or key that asked for the window happened,
    // by the X server's clock, for a window manager that guards the focus.
    std::optional<std::uint32_t> userTime;
    // Qt's own options, each with its value, for the window's toolkit.
    std::vector<std::string_view> toolkitOptions;
    std::string problem;  // kUsageError: what is wrong, in one line
};

// The arguments after the program's name.
//   {}                          -> kWindow
//   {"12", "in", "to", "cm"}    -> kConvert, all four words
//   {"-v", "-", "inch", "cm"}   -> kStream, {"inch", "cm"}, verbose
//   {"--", "-", "inch", "cm"}   -> kConvert, "-" is a value
//   {"-platform", "offscreen"}  -> kWindow, both for the toolkit
//   {"--bogus"}                 -> kUsageError
Request ParseArguments(std::span<const std::string_view> args);

// What the shell may complete the last of `words` (the arguments typed so
// far) to: options, or the list names of units, the second unit's from the
// first one's category, in English and in the vocabulary's language.
//   {"--l"} -> "--list"      {"12", "na"} -> "Nautical Mile"
//   {"12", "inch", "to", "ce"} -> "Centimeter"      {"12"} -> nothing
//   with German names: {"12", "zo"} -> "Zoll"
std::vector<std::string> Completions(std::span<const std::string_view> words,
                                     const Vocabulary& vocabulary = Vocabulary::English());

}  // namespace mensaro
