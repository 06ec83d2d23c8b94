// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/arguments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/text.h"
#include "l10n/translate.h"
#include "l10n/vocabulary.h"

namespace {

using mensaro::Joined;
using Words = std::vector<std::string_view>;

// "convert [12|in|cm] -v" and the like: the job, its words, its flags.
std::string Described(const mensaro::Request& r) {
    constexpr const char* kJobs[] = {"window", "convert", "stream", "list", "help", "version", "complete", "usage"};
    std::string text = std::string(kJobs[static_cast<int>(r.job)]) + " [" + Joined(r.words, "|") + "]" +
                       (r.verbose ? " -v" : "") + (r.asTyped ? " --as-typed" : "") + (r.show ? " --show" : "");
    if (!r.toolkitOptions.empty()) text += " {" + Joined(r.toolkitOptions, " ") + "}";
    if (r.userTime) text += " @" + std::to_string(*r.userTime);
    return r.problem.empty() ? text : text + ": " + r.problem;
}

// clang-format off
const std::pair<Words, std::string> kArguments[] = {
    // The header's examples.
    {{}, "window []"}, {{"12", "in", "to", "cm"}, "convert [12|in|to|cm]"}, {{"-v", "-", "inch", "cm"}, "stream [inch|cm] -v"},
    {{"--", "-", "inch", "cm"}, "convert [-|inch|cm]"}, {{"-platform", "offscreen"}, "window [] {-platform offscreen}"},
    {{"--bogus"}, "usage []: unrecognized option '--bogus'"},
    // Numbers and marks are words; options may come after them.
    {{"-40", "c", "f"}, "convert [-40|c|f]"}, {{"--", "-40", "--", "c"}, "convert [-40|--|c]"}, {{"12", "in", "->", "cm"}, "convert [12|in|->|cm]"},
    {{"12", "in", "cm", "--verbose"}, "convert [12|in|cm] -v"}, {{"12", "-"}, "convert [12|-]"}, {{"-"}, "stream []"},
    {{"--as-typed", "-", "ft", "m"}, "stream [ft|m] --as-typed"}, {{"--show", "12", "in", "cm"}, "convert [12|in|cm] --show"},
    {{"-show", "-reverse", "1", "c", "f"}, "convert [1|c|f] --show {-reverse}"},
    {{"--user-time", "4294967295", "--show", "12", "in", "cm"}, "convert [12|in|cm] --show @4294967295"}, {{"-user-time=0"}, "window [] @0"},
    // Our options, with one dash or two; Qt's, with their values.
    {{"-h"}, "help []"}, {{"--help", "-V"}, "help []"}, {{"-version"}, "version []"}, {{"--list"}, "list []"},
    {{"-l", "temperature"}, "list [temperature]"}, {{"--list", "-v", "-platform", "offscreen"}, "list [] -v {-platform offscreen}"},
    {{"-style=fusion", "--reverse"}, "window [] {-style=fusion --reverse}"},
    {{"--complete", "12", "-v", "na"}, "complete [12|-v|na]"},
    // Refused, each with one reason.
    {{"-platform=xcb"}, "usage []: option '-platform' takes its value as the next argument"},
    {{"-platform"}, "usage []: option '-platform' needs a value"},
    {{"--user-time", "4294967296"}, "usage []: option '--user-time' takes a time: a number below 2^32"}, {{"--user-time=+1"}, "usage []: option '--user-time' takes a time: a number below 2^32"}, {{"--user-time", "1", "12", "in", "cm"}, "usage []: --user-time goes with a window: mensaro --show or no conversion"}, {{"--help=yes"}, "usage []: option '--help' takes no value"},
    {{"-x", "inch", "feet"}, "usage []: unrecognized option '-x'"}, {{"--help", "12"}, "usage []: unexpected argument '12'"},
    {{"-v"}, "usage []: nothing to convert: mensaro VALUE FROM TO"}, {{"--show", "-", "in", "cm"}, "usage []: --show opens one conversion, not a stream"},
    {{"--list", "-"}, "usage []: --list takes a category, not a stream"}, {{"--show", "--list"}, "usage []: --show opens a conversion; it goes with no other job"}, {{"-\x1b"}, "convert [-\x1b]"}, {{"--\x1b"}, "usage []: unrecognized option '--\\x1b'"},
};

// The words typed so far, the last one being completed; what it may become.
const std::pair<Words, std::string> kCompletions[] = {
    {{"-v", "--l"}, "--list"}, {{"--ver"}, "--verbose|--version"}, {{"12", "na"}, "Nautical Mile"},
    {{"12", "inch", "to", "ce"}, "Centimeter"}, {{"12"}, ""}, {{"-4"}, ""},
    {{"12", "Inch", "m"}, "Mile|Millimeter|Meter"}, {{"--", "-4", "cel"}, "Celsius"}, {{"-40", "CELS", "FA"}, "Farenhite"},
    {{"12", "Sq.Mil"}, "Sq.Mile|Sq.Milimeter"}, {{"12", "inch", "feet", "x"}, ""}, {{"1", "INC", "MI"}, "Mile|Millimeter"},
    {{"12", "xyz", "m"}, "Mile|Millimeter|Meter|Mililiter|Minute"}, {{"-", "in", "c"}, "Centimeter"},
    {{"-v", "12", "°f", "c"}, "Celsius"}, {{"12", "nautical mile", "k"}, "Kilometer"},
};
// clang-format on

TEST(CommandLine, TellsTheJobAndWhatItIsGivenAndCompletesWords) {
    for (const auto& [args, expected] : kArguments)
        EXPECT_EQ(Described(mensaro::ParseArguments(args)), expected) << Joined(args, " ");
    for (const auto& [words, expected] : kCompletions)
        EXPECT_EQ(Joined(mensaro::Completions(words), "|"), expected) << Joined(words, " ");
}

// Each language built, through the translations the programs read (translations_test.sh sees each complete): a
// name of the language means its own unit, or beside it only what English alone gives that name (refused as
// ambiguous), never another unit of the language; an English name still reaches its own unit.
TEST(Translations, GiveNoTwoUnitsOfALanguageOneName) {
    std::ifstream linguas(MENSARO_LINGUAS);
    int languages = 0;
    for (std::string language; std::getline(linguas, language);) {
        if (language.empty() || language[0] == '#') continue;
        ++languages;
        // LANGUAGE counts only in a locale other than C; each setlocale makes gettext read anew.
        setenv("LANGUAGE", language.c_str(), 1);
        setenv("LC_ALL", "de_DE.UTF-8", 1);
        mensaro::l10n::Start();
        const mensaro::Vocabulary words = mensaro::l10n::VocabularyOfTranslations();
        for (const auto& name : words.Names()) {
            const std::string english(mensaro::NameOf(name.unit));
            const auto found = mensaro::MatchUnit(name.folded, name.unit.category, words);
            auto allowed = mensaro::MatchUnit(name.folded, name.unit.category);
            allowed.push_back(name.unit);
            EXPECT_TRUE(std::ranges::count(found, name.unit) == 1 &&
                        (name.source != name.kLanguage ||
                         std::ranges::all_of(found, [&](auto unit) { return std::ranges::count(allowed, unit) > 0; })))
                << language << ": '" << name.folded << "' of " << english << " means " << found.size() << " units";
        }
    }
    EXPECT_GE(languages, 4);
}

}  // namespace
