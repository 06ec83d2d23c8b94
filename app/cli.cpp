// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli.h"

#include <unistd.h>

#include <string>

#include "app/arguments.h"
#include "app/output.h"
#include "core/about.h"
#include "core/catalogue.h"
#include "core/conversion.h"
#include "core/numbertext.h"
#include "core/suggest.h"
#include "core/text.h"
#include "l10n/translate.h"

namespace mensaro {

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

using l10n::Fill;
using l10n::Tr;

// TRANSLATORS: keep the option names, the program's name and the examples' commands as they are.
constexpr char kHelp[] =
    N_("Usage: mensaro [Qt option]...\n"
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
       "  QUERY          a number, a unit and the unit wanted, perhaps with one of\n"
       "                 %1 between them;\n"
       "                 the number may be a fraction (3 1/2, ½), the quantity\n"
       "                 several parts (5 ft 11 in, 5'11\"), the unit several (ft in)\n"
       "  - [FROM TO]    convert each line of standard input (a value, or without\n"
       "                 units a query), one result a line\n"
       "  --             take what follows as VALUE FROM TO\n"
       "  -v, --verbose  name the units used: 12 Inch = 30.48 Centimeter\n"
       "      --as-typed read VALUE as the window's value box does: its leading\n"
       "                 number, or 0, rather than refusing what is not a number\n"
       "      --show     open the window showing that conversion\n"
       "      --user-time TIME  the X server time of the click or key that asked\n"
       "                 for the window, so that it comes to the front\n"
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
       "accepted too. The keys and exit codes are listed in mensaro(1).");

// The help, with the words a query may hold between its units: those the
// reader takes, in English and the user's language.
std::string Help(const Vocabulary& words) {
    std::string keywords;
    const std::vector<std::string>& all = words.Keywords();
    for (std::size_t i = 0; i < all.size(); ++i) keywords += (i == 0 ? "" : ", ") + all[i];
    return Fill(Tr(kHelp), {keywords});
}

int Refuse(std::string_view problem) {
    Say(std::string(problem) + "\n" + Tr("Try 'mensaro --help' for more information."));
    return kUsageError;
}

int StatusOf(const Reading& reading) {
    Say(reading.message);
    return reading.fault == Fault::kValue ? kFailure : kUsageError;
}

// What a line of results says: the result, or with -v both sides named.
std::string Told(const Conversion& conversion, const std::string& result, bool verbose, const Vocabulary& words) {
    if (!verbose) return result;
    return SourceText(conversion, words) + " = " + ResultText(conversion, result, words);
}

// VALUE FROM TO keeps its three words apart ("Nautical Mile" is one); any
// other wording is read as one query.
Reading Understood(const Request& request, const Vocabulary& vocabulary) {
    const auto& words = request.words;
    const ValueRule rule = request.asTyped ? ValueRule::kAsTyped : ValueRule::kWhole;
    if (words.size() != 3) return ReadQuery(Joined(words, " "), rule, vocabulary);
    Reading pair = ReadPair(words[0], words[1], words[2], rule, vocabulary);
    if (pair.fault == Fault::kNone || pair.fault == Fault::kValue) return pair;
    Reading query = ReadQuery(Joined(words, " "), rule, vocabulary);
    return query.conversion ? query : pair;
}

int Convert(const Request& request, const Vocabulary& words, std::optional<Conversion>& show) {
    for (const std::string_view word : request.words) {
        if (word.size() > kLongestLine)
            return Refuse(Fill(Tr("an argument is longer than %1 bytes"), {Decimal(kLongestLine)}));
        if (!IsUtf8(word)) return Refuse(Fill(Tr("the argument %1 is not valid UTF-8"), {Shown(word)}));
    }
    // The search service names its conversion by the id it checked, which no
    // language's names can make ambiguous ("Tonne" is the metric ton in German).
    if (request.show && request.words.size() == 1) {
        if (const std::optional<Conversion> named = FromId(request.words.front())) {
            show = ForWindow(*named);
            return 0;
        }
    }
    const Reading reading = Understood(request, words);
    if (!reading.conversion) return StatusOf(reading);
    if (request.show) {
        show = ForWindow(*reading.conversion);
        return 0;
    }
    const std::string result = ResultOf(*reading.conversion, words);
    Output out(Tr("the result"), true);
    out.Line(Told(*reading.conversion, result, request.verbose, words));
    out.Flush();
    return out.failed() || result.starts_with(kOverflowText) ? kFailure : 0;
}

// One value a line in the units given, or one query a line. A line that is
// not converted is told on standard error with its number and leaves an
// empty result line, so that the results stay in step with the lines.
int ConvertStream(const Request& request, const Vocabulary& words) {
    std::optional<Conversion> units;
    if (!request.words.empty()) {
        const Reading reading = ReadUnits(Joined(request.words, " "), words);
        if (!reading.conversion) return StatusOf(reading);
        units = reading.conversion;
    }
    constexpr long kMostMessages = 20;  // then only counted
    long refused = 0;
    bool overflow = false;
    Output out(Tr("the results"), ::isatty(STDOUT_FILENO) == 1);
    const auto refuse = [&](long number, std::string_view why) {
        if (++refused <= kMostMessages) {
            out.Flush();  // the message stands after the results before it
            // TRANSLATORS: %1 is a line's number in the input, %2 why it was not converted.
            Say(Fill(Tr("line %1: %2"), {Decimal(number), why}));
        }
        out.Line({});
    };
    const auto tell = [&](const Conversion& conversion, const std::string& result) {
        overflow = overflow || result.starts_with(kOverflowText);
        out.Line(Told(conversion, result, request.verbose, words));
    };
    const UnitList& table = units ? TableOf(units->from.category) : TableOf(0);
    const std::size_t category = units ? units->from.category : 0;
    QueryReader queries(words);
    const bool read = ReadLines(out, [&](std::string_view line, long number, std::string_view problem) {
        if (!problem.empty()) return refuse(number, problem);
        if (!units) {
            const Reading reading = queries.Read(line, request.asTyped ? ValueRule::kAsTyped : ValueRule::kWhole);
            if (!reading.conversion) return refuse(number, reading.message);
            return tell(*reading.conversion, ResultOf(*reading.conversion, words));
        }
        if (!request.asTyped) {
            if (const std::string why = NumberProblem(line, words); !why.empty()) return refuse(number, why);
            line = Trimmed(line);
        }
        Conversion conversion = *units;
        if (request.verbose || !units->targets.empty()) conversion.value = line;
        // Units in several parts take the quantity's arithmetic; one unit the window's own.
        tell(conversion, units->targets.empty()
                             ? ConvertValue(table, category, line, units->from.position, units->to.position)
                             : ResultOf(conversion, words));
    });
    out.Flush();
    if (refused > kMostMessages) Say(Fill(Tr("%1 lines in all were not converted"), {Decimal(refused)}));
    return out.failed() || !read || refused > 0 || overflow ? kFailure : 0;
}

int List(const Request& request, const Vocabulary& words) {
    std::optional<std::size_t> only;
    if (!request.words.empty()) {
        only = MatchCategory(Joined(request.words, " "), words);
        if (!only) {
            std::string names;
            for (const std::string_view name : kCategoryNames)
                names += (names.empty() ? "" : ", ") + l10n::ShownCategory(name);
            return Refuse(
                Fill(Tr("unknown category %1; the categories are %2"), {Shown(Joined(request.words, " ")), names}));
        }
    }
    Output out(Tr("the list"), false);
    for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
        if (only && *only != c) continue;
        out.Line(l10n::ShownCategory(kCategoryNames[c]));
        for (const UnitRef unit : NamedUnits(c)) {
            std::string line = "  " + l10n::ShownUnit(NameOf(unit));
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

Answer RunCommandLine(std::span<const std::string_view> args, const Vocabulary& words) {
    const Request request = ParseArguments(args);
    Answer answer;
    switch (request.job) {
        case Job::kWindow:
            answer.toolkitOptions = request.toolkitOptions;
            answer.userTime = request.userTime.value_or(0);
            break;
        case Job::kConvert:
            answer.status = Convert(request, words, answer.show);
            if (answer.show && answer.status == 0) {
                answer.status.reset();
                answer.toolkitOptions = request.toolkitOptions;
                answer.userTime = request.userTime.value_or(0);
            }
            break;
        case Job::kStream:
            answer.status = ConvertStream(request, words);
            break;
        case Job::kList:
            answer.status = List(request, words);
            break;
        case Job::kHelp:
            answer.status = Print(Tr("the help"), Help(words));
            break;
        case Job::kVersion:
            answer.status =
                Print(Tr("the version"), std::string(kApplicationName) + " " + kApplicationVersion +
                                             "\nCopyright (C) 2026 The Mensaro developers\n"
                                             "License GPL-3.0-or-later <https://gnu.org/licenses/gpl.html>.\n"
                                             "This is free software: you are free to change and redistribute it.\n"
                                             "There is NO WARRANTY, to the extent permitted by law.");
            break;
        case Job::kComplete: {
            std::string lines;
            for (const std::string& name : Completions(request.words, words)) lines += name + "\n";
            answer.status = lines.empty() ? 0 : Print(Tr("the completions"), lines.substr(0, lines.size() - 1));
            break;
        }
        case Job::kUsageError:
            answer.status = Refuse(request.problem);
            break;
    }
    return answer;
}

}  // namespace mensaro
