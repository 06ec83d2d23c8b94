// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli.h"

#include <unistd.h>

#include <string>

#include "app/about.h"
#include "app/arguments.h"
#include "app/output.h"
#include "core/catalogue.h"
#include "core/conversion.h"
#include "core/numbertext.h"
#include "core/text.h"

namespace mensaro {

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

constexpr std::string_view kHelp =
    "Usage: mensaro [Qt option]...\n"
    "       mensaro [-v] [--as-typed] [--] VALUE FROM TO\n"
    "       mensaro [-v] [--as-typed] QUERY...\n"
    "       mensaro [-v] [--as-typed] - [FROM TO]\n"
    "       mensaro --show VALUE FROM TO | --show QUERY...\n"
    "       mensaro --list [CATEGORY] [-v] | --help | --version\n"
    "\n"
    "Converts a number between units of distance, area, volume, weight, temperature\n"
    "and time. Without arguments it opens its window.\n"
    "\n"
    "  VALUE FROM TO  print VALUE converted from unit FROM to unit TO, as the\n"
    "                 window shows it; a VALUE such as -40 is a value, not an option\n"
    "  QUERY          a number, a unit, perhaps to, in, as, =, > or ->, and a unit;\n"
    "                 the number may be a fraction (3 1/2, ½), the quantity\n"
    "                 several parts (5 ft 11 in, 5'11\"), the unit several (ft in)\n"
    "  - [FROM TO]    convert each line of standard input (a value, or without\n"
    "                 units a query), one result a line\n"
    "  --             take what follows as VALUE FROM TO\n"
    "  -v, --verbose  name the units used: 12 Inch = 30.48 Centimeter\n"
    "      --as-typed read VALUE as the window's value box does: its leading\n"
    "                 number, or 0, rather than refusing what is not a number\n"
    "      --show     open the window showing that conversion\n"
    "  -l, --list     print each category (or one) and its units; with -v the\n"
    "                 other names each unit answers to\n"
    "  -h, --help     display this help and exit\n"
    "  -V, --version  output version information and exit\n"
    "\n"
    "Examples:\n"
    "  mensaro 12 in to cm          30.48\n"
    "  mensaro -v 100 fahrenheit C  100 Farenhite = 37.777778 Celsius\n"
    "  mensaro 180 cm to ft in      5 Feet 10.8661417322835 Inch\n"
    "  printf '1\\n2.5\\n' | mensaro - ft m\n"
    "\n"
    "Units are named as the window lists them, by symbols and other names (cm,\n"
    "°F, sq ft, litre), in any case, or by the start of one name (sq.fe). Both\n"
    "must be of one category. Qt's own options, such as -platform NAME, are\n"
    "accepted too. The keys and exit codes are listed in mensaro(1).\n";

int Refuse(std::string_view problem) {
    Say(std::string(problem) + "\nTry 'mensaro --help' for more information.");
    return kUsageError;
}

int StatusOf(const Reading& reading) {
    Say(reading.message);
    return reading.fault == Fault::kValue ? kFailure : kUsageError;
}

// What a line of results says: the result, or with -v both sides named.
std::string Told(const Conversion& conversion, const std::string& result, bool verbose) {
    if (!verbose) return result;
    return SourceText(conversion) + " = " + ResultText(conversion, result);
}

// VALUE FROM TO keeps its three words apart ("Nautical Mile" is one); any
// other wording is read as one query.
Reading Understood(const Request& request) {
    const auto& words = request.words;
    const ValueRule rule = request.asTyped ? ValueRule::kAsTyped : ValueRule::kWhole;
    if (words.size() != 3) return ReadQuery(Joined(words), rule);
    Reading pair = ReadPair(words[0], words[1], words[2], rule);
    if (pair.fault == Fault::kNone || pair.fault == Fault::kValue) return pair;
    Reading query = ReadQuery(Joined(words), rule);
    return query.conversion ? query : pair;
}

int Convert(const Request& request, std::optional<Conversion>& show) {
    for (const std::string_view word : request.words) {
        if (word.size() > kLongestLine) return Refuse("an argument is longer than " + Decimal(kLongestLine) + " bytes");
        if (!IsUtf8(word)) return Refuse("the argument " + Shown(word) + " is not valid UTF-8");
    }
    const Reading reading = Understood(request);
    if (!reading.conversion) return StatusOf(reading);
    if (request.show) {
        show = ForWindow(*reading.conversion);
        return 0;
    }
    const std::string result = ResultOf(*reading.conversion);
    Output out("the result", true);
    out.Line(Told(*reading.conversion, result, request.verbose));
    out.Flush();
    return out.failed() || result.starts_with(kOverflowText) ? kFailure : 0;
}

// One value a line in the units given, or one query a line. A line that is
// not converted is told on standard error with its number and leaves an
// empty result line, so that the results stay in step with the lines.
int ConvertStream(const Request& request) {
    std::optional<Conversion> units;
    if (!request.words.empty()) {
        const Reading reading = ReadUnits(Joined(request.words));
        if (!reading.conversion) return StatusOf(reading);
        units = reading.conversion;
    }
    constexpr long kMostMessages = 20;  // then only counted
    long refused = 0;
    bool overflow = false;
    Output out("the results", ::isatty(STDOUT_FILENO) == 1);
    const auto refuse = [&](long number, std::string_view why) {
        if (++refused <= kMostMessages) {
            out.Flush();  // the message stands after the results before it
            Say("line " + Decimal(number) + ": " + std::string(why));
        }
        out.Line({});
    };
    const auto tell = [&](const Conversion& conversion, const std::string& result) {
        overflow = overflow || result.starts_with(kOverflowText);
        out.Line(Told(conversion, result, request.verbose));
    };
    const UnitList& table = units ? TableOf(units->from.category) : TableOf(0);
    const std::string_view category = units ? kCategoryNames[units->from.category] : std::string_view();
    QueryReader queries;
    const bool read = ReadLines(out, [&](std::string_view line, long number, std::string_view problem) {
        if (!problem.empty()) return refuse(number, problem);
        if (!units) {
            const Reading reading = queries.Read(line, request.asTyped ? ValueRule::kAsTyped : ValueRule::kWhole);
            if (!reading.conversion) return refuse(number, reading.message);
            return tell(*reading.conversion, ResultOf(*reading.conversion));
        }
        if (!request.asTyped) {
            if (const std::string why = NumberProblem(line); !why.empty()) return refuse(number, why);
            line = Trimmed(line);
        }
        Conversion conversion = *units;
        if (request.verbose || !units->targets.empty()) conversion.value = line;
        // Units in several parts take the quantity's arithmetic; one unit the window's own.
        tell(conversion, units->targets.empty()
                             ? ConvertValue(table, category, line, units->from.position, units->to.position)
                             : ResultOf(conversion));
    });
    out.Flush();
    if (refused > kMostMessages) Say(Decimal(refused) + " lines in all were not converted");
    return out.failed() || !read || refused > 0 || overflow ? kFailure : 0;
}

int List(const Request& request) {
    std::optional<std::size_t> only;
    if (!request.words.empty()) {
        only = MatchCategory(Joined(request.words));
        if (!only) {
            std::string names;
            for (const std::string_view name : kCategoryNames) names += (names.empty() ? "" : ", ") + std::string(name);
            return Refuse("unknown category " + Shown(Joined(request.words)) + "; the categories are " + names);
        }
    }
    Output out("the list", false);
    for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
        if (only && *only != c) continue;
        out.Line(kCategoryNames[c]);
        for (const UnitRef unit : NamedUnits(c)) {
            std::string line = "  " + std::string(NameOf(unit));
            if (request.verbose) {
                const char* separator = ": ";
                for (const std::string_view alias : AliasesOf(unit))
                    line += separator + std::string(alias), separator = ", ";
            }
            out.Line(line);
        }
    }
    out.Flush();
    return out.failed() ? kFailure : 0;
}

int Print(std::string_view what, std::string_view text) {
    Output out(what, false);
    out.Line(text);
    out.Flush();
    return out.failed() ? kFailure : 0;
}

}  // namespace

Answer RunCommandLine(std::span<const std::string_view> args) {
    const Request request = ParseArguments(args);
    Answer answer;
    switch (request.job) {
        case Job::kWindow:
            answer.toolkitOptions = request.toolkitOptions;
            break;
        case Job::kConvert:
            answer.status = Convert(request, answer.show);
            if (answer.show && answer.status == 0) {
                answer.status.reset();
                answer.toolkitOptions = request.toolkitOptions;
            }
            break;
        case Job::kStream:
            answer.status = ConvertStream(request);
            break;
        case Job::kList:
            answer.status = List(request);
            break;
        case Job::kHelp:
            answer.status = Print("the help", kHelp.substr(0, kHelp.size() - 1));
            break;
        case Job::kVersion:
            answer.status =
                Print("the version", std::string(kApplicationName) + " " + kApplicationVersion +
                                         "\nCopyright (C) 2026 The Mensaro developers\n"
                                         "License GPL-3.0-or-later <https://gnu.org/licenses/gpl.html>.\n"
                                         "This is free software: you are free to change and redistribute it.\n"
                                         "There is NO WARRANTY, to the extent permitted by law.");
            break;
        case Job::kComplete: {
            std::string lines;
            for (const std::string& name : Completions(request.words)) lines += name + "\n";
            answer.status = lines.empty() ? 0 : Print("the completions", lines.substr(0, lines.size() - 1));
            break;
        }
        case Job::kUsageError:
            answer.status = Refuse(request.problem);
            break;
    }
    return answer;
}

}  // namespace mensaro
