// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/query.h"

#include <algorithm>
#include <array>

#include "core/catalogue.h"
#include "core/conversion.h"
#include "core/numbertext.h"
#include "core/text.h"

namespace mensaro {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::string_view kMinusSign = "\u2212";

// Whether a text holds one of the fullwidth digits ０ to ９ (U+FF10 to U+FF19).
bool HasFullwidthDigit(std::string_view text) {
    for (std::size_t at = text.find("\xEF\xBC"); at != std::string_view::npos; at = text.find("\xEF\xBC", at + 1))
        if (at + 2 < text.size() && static_cast<unsigned char>(text[at + 2]) >= 0x90 &&
            static_cast<unsigned char>(text[at + 2]) <= 0x99)
            return true;
    return false;
}

Reading Failure(Fault fault, std::string message, std::vector<Conversion> alternatives = {}) {
    return {std::nullopt, fault, std::move(message), std::move(alternatives)};
}

// "Tonne or Ton", "Inch, Feet and Yard"; with the names a vocabulary's
// language shows beside them, "Tonne (Long Ton) or Ton (Tonne)".
std::string Listed(const std::vector<UnitRef>& units, std::string_view last,
                   const Vocabulary& words = Vocabulary::English()) {
    std::vector<std::string> names;
    names.reserve(units.size());
    for (const UnitRef unit : units) {
        std::string name(NameOf(unit));
        if (const std::string_view shown = words.ShownName(unit); shown != NameOf(unit))
            name += " (" + std::string(shown) + ")";
        names.push_back(std::move(name));
    }
    return Joined(names, ", ", last);
}

Reading Unknown(std::string_view typed, std::optional<std::size_t> category) {
    std::string message = typed.empty() ? std::string("empty unit name") : "unknown unit " + Shown(typed);
    if (category)
        message += "; the units of " + std::string(kCategoryNames[*category]) + " are " +
                   Listed(NamedUnits(*category), " and ");
    else
        message += "; 'mensaro --list' shows every unit";
    return Failure(Fault::kUsage, message);
}

Reading Ambiguous(std::string_view typed, const std::vector<UnitRef>& units, std::vector<Conversion> alternatives,
                  const Vocabulary& words) {
    return Failure(Fault::kAmbiguous,
                   "unit " + Shown(typed) + " is ambiguous: it could be " + Listed(units, " or ", words),
                   std::move(alternatives));
}

// The other unit, looked for in the category of the one that is clear.
Reading Completed(UnitRef clear, bool clearIsFrom, std::string_view other, const Vocabulary& words) {
    const std::vector<UnitRef> units = MatchUnit(other, clear.category, words);
    std::vector<Conversion> meanings;
    meanings.reserve(units.size());
    for (const UnitRef unit : units)
        meanings.push_back(clearIsFrom ? Conversion{{}, clear, unit} : Conversion{{}, unit, clear});
    if (meanings.size() == 1) return {meanings.front(), Fault::kNone, {}, {}};
    if (!units.empty()) return Ambiguous(other, units, std::move(meanings), words);
    return Unknown(other, clear.category);
}

// Both units, the second looked for in the first one's category, or the
// first in the second's when only that one is clear.
Reading BothUnits(std::string_view from, std::string_view to, const Vocabulary& words) {
    const std::vector<UnitRef> fromUnits = MatchUnit(from, std::nullopt, words);
    const std::vector<UnitRef> toUnits = MatchUnit(to, std::nullopt, words);
    if (fromUnits.size() == 1) {
        Reading reading = Completed(fromUnits.front(), true, to, words);
        if (reading.fault != Fault::kUsage || toUnits.size() != 1) return reading;
        // "m s": no Distance unit is "s", but a Time unit starts with "m".
        Reading turned = Completed(toUnits.front(), false, from, words);
        if (turned.fault != Fault::kUsage) return turned;
        return Failure(Fault::kUsage, Shown(NameOf(fromUnits.front())) + " is a unit of " +
                                          std::string(kCategoryNames[fromUnits.front().category]) + " and " +
                                          Shown(NameOf(toUnits.front())) + " of " +
                                          std::string(kCategoryNames[toUnits.front().category]) +
                                          "; both units must be of one category");
    }
    if (toUnits.size() == 1) return Completed(toUnits.front(), false, from, words);
    if (fromUnits.empty()) return Unknown(from, std::nullopt);
    if (toUnits.empty()) return Unknown(to, std::nullopt);
    return Ambiguous(from, fromUnits, {}, words);
}

// One way to cut a text into two unit names, and how telling the cut is.
struct Cut {
    std::string_view from;
    std::string_view to;
    int weight;  // a keyword says more than a blank
};

// Every cut at a blank run, a keyword word between blanks, or a keyword mark.
std::vector<Cut> Cuts(std::string_view text, const Vocabulary& words) {
    std::vector<Cut> cuts;
    const auto add = [&](std::size_t at, std::size_t length, int weight) {
        const std::string_view from = Trimmed(text.substr(0, at));
        const std::string_view to = Trimmed(text.substr(at + length));
        if (!from.empty() && !to.empty()) cuts.push_back({from, to, weight});
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsBlank(text[i]) && (i == 0 || !IsBlank(text[i - 1]))) {
            std::size_t end = i;
            while (end < text.size() && IsBlank(text[end])) ++end;
            add(i, end - i, 1);
            // A keyword word, with a blank run on each side.
            std::size_t wordEnd = end;
            while (wordEnd < text.size() && !IsBlank(text[wordEnd])) ++wordEnd;
            if (wordEnd < text.size() && words.IsKeyword(text.substr(end, wordEnd - end))) add(end, wordEnd - end, 2);
        }
        for (const std::string& mark : words.Marks())
            if (text.substr(i).starts_with(mark)) add(i, mark.size(), 2);
    }
    return cuts;
}

// The text with every space between words a plain blank, which is what the
// cuts look for.
std::string WithPlainBlanks(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t length = 0; !text.empty(); text.remove_prefix(length)) {
        length = std::max<std::size_t>(Utf8Length(text), 1);
        const bool space = length > 1 && IsWordSpace(CodePoint(text.substr(0, length)));
        plain += space ? std::string_view(" ") : text.substr(0, length);
    }
    return plain;
}

bool IsAscii(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

Reading WithValue(Reading reading, std::string_view value) {
    if (reading.conversion) reading.conversion->value = value;
    for (Conversion& alternative : reading.alternatives) alternative.value = value;
    return reading;
}

// A word that was meant as a number, though it is none: it starts like one.
bool LooksLikeNumber(std::string_view word) {
    return !word.empty() && (IsDigit(word[0]) || word[0] == '+' || word[0] == '-' || word[0] == '.' ||
                             word.starts_with(kMinusSign) || HasFullwidthDigit(word));
}

}  // namespace

std::string NumberProblem(std::string_view text) {
    const std::string_view value = Trimmed(text);
    if (value.empty()) return "an empty value is not a number";
    if (NumberLength(value) == value.size()) return {};
    std::string problem = Shown(value) + " is not a number";
    std::string withPoints(value);
    std::replace(withPoints.begin(), withPoints.end(), ',', '.');
    if (std::any_of(value.begin(), value.end(), IsBlank)) {
        problem += ": a blank inside it";
    } else if (value.find(',') != std::string_view::npos && NumberLength(withPoints) == withPoints.size()) {
        problem += ": the decimal point is '.'";
    } else if (value.find(kMinusSign) != std::string_view::npos) {
        problem += ": the minus sign is '-'";
    } else if (HasFullwidthDigit(value)) {
        problem += ": the digits are 0 to 9";
    } else if (value.starts_with("0x") || value.starts_with("0X")) {
        problem += ": hexadecimal numbers start with &H";
    }
    return problem;
}

Reading ReadPair(std::string_view value, std::string_view from, std::string_view to, ValueRule rule,
                 const Vocabulary& words) {
    Reading reading = BothUnits(from, to, words);
    if (reading.fault != Fault::kNone || rule == ValueRule::kAsTyped) return WithValue(std::move(reading), value);
    if (std::string problem = NumberProblem(value); !problem.empty()) return Failure(Fault::kValue, problem);
    return WithValue(std::move(reading), Trimmed(value));
}

Reading ReadUnits(std::string_view text, const Vocabulary& words) {
    text = Trimmed(text);
    if (text.empty()) return Failure(Fault::kUsage, "missing the units to convert between");
    if (text.size() > kLongestQuery) return Failure(Fault::kUsage, "the unit names are too long");
    if (!IsUtf8(text)) return Failure(Fault::kUsage, Shown(text) + " is not valid UTF-8");
    if (!IsAscii(text)) {
        const std::string plain = WithPlainBlanks(text);
        if (plain != text) return ReadUnits(plain, words);
    }

    const std::vector<Cut> cuts = Cuts(text, words);
    if (cuts.empty()) {
        const std::vector<UnitRef> units = MatchUnit(text, std::nullopt, words);
        if (units.size() != 1 && words.IsKeyword(text))
            return Failure(Fault::kUsage, "missing the units to convert between");
        if (units.empty()) return Unknown(text, std::nullopt);
        // The conversions to every other unit of its category, for each unit it could be.
        std::vector<Conversion> targets;
        for (const UnitRef from : units)
            for (const UnitRef to : NamedUnits(from.category))
                if (to != from) targets.push_back({{}, from, to});
        if (units.size() != 1) return Ambiguous(text, units, std::move(targets), words);
        return Failure(Fault::kNoTarget, "missing the unit to convert to", std::move(targets));
    }
    std::optional<Reading> found;
    bool another = false;  // a second cut that means something else
    Reading best;
    int bestWeight = -1;
    for (const Cut& cut : cuts) {
        Reading reading = BothUnits(cut.from, cut.to, words);
        if (reading.conversion) {
            another = another || (found && found->conversion != reading.conversion);
            if (!found) found = std::move(reading);
            continue;
        }
        // The failure most worth telling: a choice between units, then a
        // keyword's cut, then a cut whose first unit is clear, the last such.
        const int weight = (!reading.alternatives.empty() ? 4 : cut.weight) +
                           (MatchUnit(cut.from, std::nullopt, words).size() == 1 ? 1 : 0);
        if (weight >= bestWeight) {
            best = std::move(reading);
            bestWeight = weight;
        }
    }
    if (another) return Failure(Fault::kUsage, Shown(text) + " can be read as more than one pair of units");
    return found ? *std::move(found) : best;
}

Reading ReadQuery(std::string_view query, ValueRule rule, const Vocabulary& words) {
    return QueryReader(words).Read(query, rule);
}

Reading QueryReader::Read(std::string_view query, ValueRule rule) {
    if (query.size() > kLongestQuery) return Failure(Fault::kUsage, "too long to be a conversion");
    if (!IsUtf8(query)) return Failure(Fault::kUsage, Shown(query) + " is not valid UTF-8");
    if (!IsAscii(query)) {
        const std::string plain = WithPlainBlanks(query);
        if (plain != query) return Read(plain, rule);
    }
    const std::string_view text = Trimmed(query);
    if (text.empty()) return Failure(Fault::kUsage, "nothing to convert");
    const std::string_view firstWord = text.substr(0, std::min(text.find_first_of(kBlanks), text.size()));
    const std::size_t length = NumberLength(firstWord);
    const std::string_view rest = Trimmed(text.substr(length));
    // "1,5 in", "1.2.3 in", "5 6 in": a number that goes on past its end.
    const bool goesOn = length < firstWord.size()
                            ? (IsDigit(text[length]) || text[length] == '.' || text[length] == ',')
                            : !rest.empty() && IsDigit(rest[0]);
    if (length == 0 || goesOn) {
        // As the value box reads it, the first word is the value, whatever it holds.
        if (rule == ValueRule::kAsTyped && !rest.empty()) {
            Reading reading = WithValue(UnitsOf(Trimmed(text.substr(firstWord.size()))), firstWord);
            if (reading.conversion) return reading;
        }
        if (!LooksLikeNumber(firstWord))
            return Failure(Fault::kUsage,
                           Shown(text) + " is no conversion: it does not start with a number, as '12 in to cm' does");
        const std::string_view number = goesOn && length == firstWord.size()
                                            ? text.substr(0, text.find_first_of(kBlanks, rest.data() - text.data()))
                                            : firstWord;
        return Failure(Fault::kValue, NumberProblem(number));
    }
    if (rest.empty()) return Failure(Fault::kUsage, "missing the units: " + Shown(text) + " is only a number");
    return WithValue(UnitsOf(rest), text.substr(0, length));
}

const Reading& QueryReader::UnitsOf(std::string_view units) {
    for (const auto& [text, reading] : memo_)
        if (text == units) return reading;
    if (memo_.size() == kRemembered) memo_.erase(memo_.begin());
    return memo_.emplace_back(std::string(units), ReadUnits(units, *words_)).second;
}

std::string ResultOf(const Conversion& conversion) {
    const std::size_t category = conversion.from.category;
    if (category >= kCategoryNames.size()) return {};
    return ConvertValue(TableOf(category), category, conversion.value, conversion.from.position,
                        conversion.to.position);
}

std::string SourceText(const Conversion& conversion) {
    return conversion.value + " " + std::string(NameOf(conversion.from));
}

std::string ResultText(const Conversion& conversion) {
    return ResultOf(conversion) + " " + std::string(NameOf(conversion.to));
}

}  // namespace mensaro
