// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/query.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <variant>

#include "core/catalogue.h"
#include "core/conversion.h"
#include "core/numbertext.h"
#include "core/quantity.h"
#include "core/text.h"

namespace mensaro {

namespace {

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

// "Tonne or Ton", "Inch, Feet and Yard", `last` ("%1 and %2") joining the
// last name to the others; each name as the vocabulary's language shows it,
// or, with `english`, the English list name and beside it the language's:
// "Tonne (Long Ton) or Ton (Tonne)".
std::string Listed(const std::vector<UnitRef>& units, std::string_view last, const Vocabulary& words, bool english) {
    std::vector<std::string> names;
    names.reserve(units.size());
    for (const UnitRef unit : units) {
        const std::string_view shown = words.ShownName(unit);
        std::string name(english ? NameOf(unit) : shown);
        if (english && shown != NameOf(unit)) name += " (" + std::string(shown) + ")";
        names.push_back(std::move(name));
    }
    if (names.size() < 2) return Joined(names, "");
    const std::string lastName = std::move(names.back());
    names.pop_back();
    return words.Said(last, {Joined(names, ", "), lastName});
}

Reading Unknown(std::string_view typed, std::optional<std::size_t> category, const Vocabulary& words) {
    const std::string name = Shown(typed);
    if (!category) {
        return Failure(Fault::kUsage,
                       typed.empty() ? words.Said(M_("empty unit name; 'mensaro --list' shows every unit"))
                                     : words.Said(M_("unknown unit %1; 'mensaro --list' shows every unit"), {name}));
    }
    // TRANSLATORS: the names of a list of units, the last one joined to the others.
    const std::string units = Listed(NamedUnits(*category), M_("%1 and %2"), words, false);
    const std::string_view of = words.ShownCategory(*category);
    return Failure(Fault::kUsage, typed.empty()
                                      ? words.Said(M_("empty unit name; the units of %1 are %2"), {of, units})
                                      : words.Said(M_("unknown unit %1; the units of %2 are %3"), {name, of, units}));
}

Reading Ambiguous(std::string_view typed, const std::vector<UnitRef>& units, std::vector<Conversion> alternatives,
                  const Vocabulary& words) {
    // TRANSLATORS: the units a name could mean, the last one joined to the others.
    const std::string could = Listed(units, M_("%1 or %2"), words, true);
    return Failure(Fault::kAmbiguous, words.Said(M_("unit %1 is ambiguous: it could be %2"), {Shown(typed), could}),
                   std::move(alternatives));
}

// Two units of two categories, where one category is wanted.
Reading OfTwoCategories(UnitRef first, UnitRef second, std::string_view message, const Vocabulary& words) {
    return Failure(Fault::kUsage,
                   words.Said(message, {Shown(words.ShownName(first)), words.ShownCategory(first.category),
                                        Shown(words.ShownName(second)), words.ShownCategory(second.category)}));
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
    return Unknown(other, clear.category, words);
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
        return OfTwoCategories(fromUnits.front(), toUnits.front(),
                               M_("%1 is a unit of %2 and %3 of %4; both units must be of one category"), words);
    }
    if (toUnits.size() == 1) return Completed(toUnits.front(), false, from, words);
    if (fromUnits.empty()) return Unknown(from, std::nullopt, words);
    if (toUnits.empty()) return Unknown(to, std::nullopt, words);
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

// A quantity's parts and its target units, as people write them.

// Assembled, for values read already.
Reading AssembledUnits(std::vector<Part> parts, std::vector<UnitRef> targets, const Vocabulary& words);

// Hardly a query has more; the rest is refused unread.
constexpr std::size_t kMostParts = 16;

bool IsMark(char32_t c) {
    return c == '\'' || c == '"' || c == U'\u2032' || c == U'\u2033' || c == U'\u2019' || c == U'\u201D';
}
bool IsFootMark(std::string_view unit) { return unit == "'" || unit == "\u2032" || unit == "\u2019"; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The code point that ends at `end`, or 0.
char32_t CodePointBefore(std::string_view text, std::size_t end) {
    std::size_t start = end;
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) --start;
    if (start == 0) return 0;
    --start;
    const std::string_view sequence = text.substr(start, end - start);
    return Utf8Length(sequence) == sequence.size() ? CodePoint(sequence) : 0;
}

// Where the next part's value starts after a unit's name: at a word's start,
// after a foot or inch mark ("5'11"), or at digits right after a name ("5ft11in").
std::size_t NextValue(std::string_view text, std::size_t from, const Vocabulary& words, bool afterNames = true) {
    for (std::size_t at = from; at < text.size(); ++at) {
        // A digit, or a point, a sign or a fraction before one; a vulgar fraction.
        const char c = text[at];
        const bool digitNext = at + 1 < text.size() && IsDigit(text[at + 1]);
        if (!IsDigit(c) && !((c == '.' || c == '-' || c == '+') && digitNext) &&
            (IsAscii(c) || !ReadValue(text.substr(at)).fraction))
            continue;
        if (at == 0 || IsBlank(text[at - 1]) || IsMark(CodePointBefore(text, at))) return at;
        if (afterNames && IsLetter(text[at - 1]) && IsDigit(text[at])) {
            std::size_t word = at;
            while (word > 0 && IsLetter(text[word - 1])) --word;
            const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
            if (MatchUnit(text.substr(word, end - word), std::nullopt, words).empty())
                return at;  // "m2" is a unit of its own
        }
    }
    return std::string_view::npos;
}

// One unit by its name, in the category of the quantity's other parts when
// it names none or several units anywhere.
std::variant<UnitRef, Reading> UnitOf(std::string_view typed, std::optional<std::size_t> category,
                                      const Vocabulary& words) {
    std::vector<UnitRef> units = MatchUnit(typed, std::nullopt, words);
    if (category && (units.size() != 1 || units.front().category != *category)) {
        std::vector<UnitRef> within = MatchUnit(typed, category, words);
        if (!within.empty()) units = std::move(within);
    }
    if (units.size() == 1) return units.front();
    if (units.empty()) return Unknown(typed, category, words);
    return Ambiguous(typed, units, {}, words);
}

// Target units: "cm", "ft in", "feet and inches", "yd, ft, in"; nothing when
// a word names no unit of the category or a unit comes twice.
std::vector<UnitRef> TargetsOf(std::string_view text, std::size_t category, const Vocabulary& vocabulary) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find_first_of(" \t,", at), text.size());
        const std::string_view word = text.substr(at, end - at);
        // "and" in each language the program speaks ("pies y pulgadas"), never
        // a unit's name: Spanish "y" must not be read as the start of Yard.
        constexpr std::array<std::string_view, 6> kJoiningWords = {"&", "and", "und", "et", "y", "ve"};
        const bool joins = std::any_of(kJoiningWords.begin(), kJoiningWords.end(), [word](std::string_view join) {
            return word.size() == join.size() && std::equal(word.begin(), word.end(), join.begin(), [](char a, char b) {
                       return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
                   });
        });
        if (!word.empty() && !joins) words.push_back(word);
        at = end + 1;
    }
    std::vector<UnitRef> units;
    for (std::size_t i = 0; i < words.size();) {
        std::size_t taken = 0;
        // The longest run of words that names one unit: "nautical mile yd".
        for (std::size_t n = std::min<std::size_t>(3, words.size() - i); n > 0 && taken == 0; --n) {
            const std::string_view name(words[i].begin(), words[i + n - 1].end());
            const auto unit = UnitOf(name, category, vocabulary);
            if (const UnitRef* found = std::get_if<UnitRef>(&unit); found && found->category == category) {
                if (std::find(units.begin(), units.end(), *found) != units.end()) return {};
                units.push_back(*found);
                taken = n;
            }
        }
        if (taken == 0) return {};
        i += taken;
    }
    return units;
}

// The length of the keyword a text starts with, or 0.
std::size_t KeywordAt(std::string_view text, const Vocabulary& words) {
    const std::string_view word = text.substr(0, std::min(text.find_first_of(" \t"), text.size()));
    if (word.size() < text.size() && words.IsKeyword(word)) return word.size();
    for (const std::string& mark : words.Marks())
        if (text.starts_with(mark)) return mark.size();
    return 0;
}

// A unit and target units in one text, cut as ReadUnits cuts: "cm to ft in".
std::optional<Reading> SeveralTargets(const std::vector<Cut>& cuts, const Vocabulary& words) {
    std::optional<Reading> found;
    int weight = 0;
    bool another = false;
    for (const Cut& cut : cuts) {
        const std::vector<UnitRef> from = MatchUnit(cut.from, std::nullopt, words);
        if (from.size() != 1 || cut.weight < weight) continue;
        std::vector<UnitRef> targets = TargetsOf(cut.to, from.front().category, words);
        if (targets.size() < 2) continue;
        Reading reading = AssembledUnits({{"0", from.front()}}, std::move(targets), words);
        if (!reading.conversion) continue;
        reading.conversion->value.clear();
        if (!found || cut.weight > weight) {
            found = std::move(reading);
            weight = cut.weight;
            another = false;
        } else if (found->conversion != reading.conversion) {
            another = true;
        }
    }
    if (another) return std::nullopt;
    return found;
}

// The last part's unit and what follows it: the targets, when there are.
struct LastUnit {
    UnitRef unit;
    std::vector<UnitRef> targets;
};
std::variant<LastUnit, Reading> LastUnitOf(std::string_view text, std::optional<std::size_t> category, bool afterFeet,
                                           const Vocabulary& words) {
    // "5'11", "5'11 to cm": a number right after the foot mark is in inches.
    if (afterFeet && (text.empty() || KeywordAt(text, words) > 0)) {
        const UnitRef inch{0, 0};
        if (text.empty()) return LastUnit{inch, {}};
        const std::string_view rest = Trimmed(text.substr(KeywordAt(text, words)));
        std::vector<UnitRef> targets = TargetsOf(rest, inch.category, words);
        if (targets.empty()) return Unknown(rest, inch.category, words);
        return LastUnit{inch, std::move(targets)};
    }
    auto alone = UnitOf(text, category, words);
    if (const UnitRef* unit = std::get_if<UnitRef>(&alone)) return LastUnit{*unit, {}};
    // A keyword's cut says more than a blank's: only cuts of the most telling kind that reads count.
    std::optional<LastUnit> found;
    int weight = 0;
    bool another = false;
    for (const Cut& cut : Cuts(text, words)) {
        const auto from = UnitOf(cut.from, category, words);
        const UnitRef* unit = std::get_if<UnitRef>(&from);
        if (!unit || cut.weight < weight) continue;
        std::vector<UnitRef> targets = TargetsOf(cut.to, unit->category, words);
        // After a keyword, what fails is the unit of another category, or the targets.
        if (targets.empty() && cut.weight > 1 && !found && alone.index() == 1) {
            alone = category && unit->category != *category ? std::variant<UnitRef, Reading>(*unit)
                                                            : Unknown(cut.to, unit->category, words);
        }
        if (targets.empty()) continue;
        if (!found || cut.weight > weight) {
            found = LastUnit{*unit, std::move(targets)};
            weight = cut.weight;
            another = false;
        } else if (found->unit != *unit || found->targets != targets) {
            another = true;
        }
    }
    if (another)
        return Failure(Fault::kUsage, words.Said(M_("%1 can be read as more than one pair of units"), {Shown(text)}));
    if (found) return *std::move(found);
    if (const UnitRef* unit = std::get_if<UnitRef>(&alone)) return LastUnit{*unit, {}};
    return std::get<Reading>(std::move(alone));
}

// Whether a text plainly starts a quantity in parts or a fraction: a value
// that is a fraction, or another value after a blank or a mark. Digits right
// after a name ("5ft11in") take a look-up to tell, left to the reading.
bool PlainlyInParts(std::string_view text, const Vocabulary& words) {
    const std::size_t sign = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
    const std::size_t length = NumberLength(text.substr(sign));
    const std::string_view after = text.substr(sign + length);
    // A fraction bar, a vulgar fraction, or a blank before a value, after the
    // first number; or no number that starts the text (perhaps "½").
    if (length == 0 || after.starts_with('/') || (!after.empty() && !IsAscii(after[0]))) return true;
    return NextValue(text, sign + length, words, false) != std::string_view::npos;
}

// A quantity in several parts, or with a fraction for a value, cut into its
// values and the unit text after each: "5 ft 11 in to cm" -> 5 "ft", 11 "in
// to cm". Nothing for a text that is neither, so that its reading as a
// single number stands; a Reading for a value that is none.
struct Piece {
    std::string_view value;
    std::string_view unit;
};
std::variant<std::monostate, std::vector<Piece>, Reading> PiecesOf(std::string_view text, const Vocabulary& words) {
    std::vector<Piece> pieces;
    bool fraction = false;
    for (std::size_t at = 0; at != std::string_view::npos;) {
        if (pieces.size() == kMostParts)
            return Failure(Fault::kUsage, words.Said(M_("too many parts for one quantity")));
        const ValueRead value = ReadValue(text.substr(at), pieces.empty(), words);
        if (!value.problem.empty()) return Failure(Fault::kValue, value.problem);
        if (value.length == 0) return {};
        fraction = fraction || value.fraction;
        const std::size_t next = NextValue(text, at + value.length, words);
        const std::size_t unitLength = next == std::string_view::npos ? next : next - at - value.length;
        pieces.push_back({text.substr(at, value.length), Trimmed(text.substr(at + value.length, unitLength))});
        at = next;
    }
    if (pieces.size() == 1 && !fraction) return {};
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i)
        if (pieces[i].unit.empty()) return {};  // "5 9 in": a number with a blank in it
    return pieces;
}

}  // namespace

// What the unit texts of a quantity's pieces name: a unit for each, and the
// targets after the last. It depends on the texts alone, never the values.
QueryReader::Shape QueryReader::ShapeOf(std::span<const std::string_view> texts, const Vocabulary& words) {
    Shape shape;
    // The category: that of the first unit that names one unit anywhere.
    std::optional<std::size_t> category;
    for (std::size_t i = 0; i + 1 < texts.size() && !category; ++i)
        if (const auto units = MatchUnit(texts[i], std::nullopt, words); units.size() == 1)
            category = units.front().category;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        auto unit = UnitOf(texts[i], category, words);
        if (Reading* failed = std::get_if<Reading>(&unit)) {
            shape.refused = std::move(*failed);
            return shape;
        }
        shape.units.push_back(std::get<UnitRef>(unit));
        category = category.value_or(shape.units.back().category);
    }
    const std::string_view lastUnit = texts.back();
    const bool afterFeet = texts.size() > 1 && IsFootMark(texts[texts.size() - 2]);
    shape.unitMissing = lastUnit.empty() && !afterFeet;
    if (shape.unitMissing) return shape;
    auto last = LastUnitOf(lastUnit, category, afterFeet, words);
    if (Reading* failed = std::get_if<Reading>(&last)) {
        // "5 ft 11 to cm": the targets follow the number at once.
        const std::size_t keyword = KeywordAt(lastUnit, words);
        shape.unitMissing =
            keyword > 0 && category && !TargetsOf(Trimmed(lastUnit.substr(keyword)), *category, words).empty();
        shape.refused = std::move(*failed);
        return shape;
    }
    LastUnit& found = std::get<LastUnit>(last);
    shape.units.push_back(found.unit);
    shape.targets = std::move(found.targets);
    return shape;
}

std::optional<Reading> QueryReader::ReadMixed(std::string_view text) {
    auto cut = PiecesOf(text, *words_);
    if (Reading* failed = std::get_if<Reading>(&cut)) return std::move(*failed);
    const auto* pieces = std::get_if<std::vector<Piece>>(&cut);
    if (!pieces) return std::nullopt;
    // Streams repeat their wording with other numbers: the units of the last
    // few wordings are kept, by their unit texts each ended by \x01.
    const auto sameTexts = [pieces](std::string_view key) {
        for (const Piece& piece : *pieces) {
            if (!key.starts_with(piece.unit) || key.size() == piece.unit.size() || key[piece.unit.size()] != '\x01')
                return false;
            key.remove_prefix(piece.unit.size() + 1);
        }
        return key.empty();
    };
    const auto kept = std::find_if(shapes_.begin(), shapes_.end(), [&](const auto& s) { return sameTexts(s.first); });
    const Shape* known = kept != shapes_.end() ? &kept->second : nullptr;
    if (!known) {
        std::string key;
        std::vector<std::string_view> texts;
        for (const Piece& piece : *pieces) {
            texts.push_back(piece.unit);
            key.append(piece.unit).push_back('\x01');
        }
        if (shapes_.size() == kRemembered) shapes_.erase(shapes_.begin());
        known = &shapes_.emplace_back(std::move(key), ShapeOf(texts, *words_)).second;
    }
    const Shape& shape = *known;
    if (shape.unitMissing)
        return Failure(Fault::kUsage, words_->Said(M_("missing the unit of %1"), {Shown(pieces->back().value)}));
    if (shape.refused) return shape.refused;
    std::vector<Part> parts;
    parts.reserve(pieces->size());
    for (std::size_t i = 0; i < pieces->size(); ++i) parts.push_back({std::string((*pieces)[i].value), shape.units[i]});
    return AssembledUnits(std::move(parts), shape.targets, *words_);  // the values are read already
}

std::string NumberProblem(std::string_view text, const Vocabulary& words) {
    const std::string_view value = Trimmed(text);
    if (value.empty()) return words.Said(M_("an empty value is not a number"));
    if (NumberLength(value) == value.size()) return {};
    std::string withPoints(value);
    std::replace(withPoints.begin(), withPoints.end(), ',', '.');
    std::string_view problem = M_("%1 is not a number");
    if (std::any_of(value.begin(), value.end(), IsBlank)) {
        problem = M_("%1 is not a number: a blank inside it");
    } else if (value.find(',') != std::string_view::npos && NumberLength(withPoints) == withPoints.size()) {
        problem = M_("%1 is not a number: the decimal point is '.'");
    } else if (value.find(kMinusSign) != std::string_view::npos) {
        problem = M_("%1 is not a number: the minus sign is '-'");
    } else if (HasFullwidthDigit(value)) {
        problem = M_("%1 is not a number: the digits are 0 to 9");
    } else if (value.starts_with("0x") || value.starts_with("0X")) {
        problem = M_("%1 is not a number: hexadecimal numbers start with &H");
    }
    return words.Said(problem, {Shown(value)});
}

Reading ReadPair(std::string_view value, std::string_view from, std::string_view to, ValueRule rule,
                 const Vocabulary& words) {
    Reading reading = BothUnits(from, to, words);
    if (reading.fault != Fault::kNone || rule == ValueRule::kAsTyped) return WithValue(std::move(reading), value);
    if (std::string problem = NumberProblem(value, words); !problem.empty()) return Failure(Fault::kValue, problem);
    return WithValue(std::move(reading), Trimmed(value));
}

Reading ReadUnits(std::string_view text, const Vocabulary& words) {
    text = Trimmed(text);
    if (text.empty()) return Failure(Fault::kUsage, words.Said(M_("missing the units to convert between")));
    if (text.size() > kLongestQuery) return Failure(Fault::kUsage, words.Said(M_("the unit names are too long")));
    if (!IsUtf8(text)) return Failure(Fault::kUsage, words.Said(M_("%1 is not valid UTF-8"), {Shown(text)}));
    if (!IsAscii(text)) {
        const std::string plain = WithPlainBlanks(text);
        if (plain != text) return ReadUnits(plain, words);
    }

    const std::vector<Cut> cuts = Cuts(text, words);
    if (cuts.empty()) {
        const std::vector<UnitRef> units = MatchUnit(text, std::nullopt, words);
        if (units.size() != 1 && words.IsKeyword(text))
            return Failure(Fault::kUsage, words.Said(M_("missing the units to convert between")));
        if (units.empty()) return Unknown(text, std::nullopt, words);
        // The conversions to every other unit of its category, for each unit it could be.
        std::vector<Conversion> targets;
        for (const UnitRef from : units)
            for (const UnitRef to : NamedUnits(from.category))
                if (to != from) targets.push_back({{}, from, to});
        if (units.size() != 1) return Ambiguous(text, units, std::move(targets), words);
        return Failure(Fault::kNoTarget, words.Said(M_("missing the unit to convert to")), std::move(targets));
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
    if (another)
        return Failure(Fault::kUsage, words.Said(M_("%1 can be read as more than one pair of units"), {Shown(text)}));
    if (!found) {
        if (std::optional<Reading> several = SeveralTargets(cuts, words)) return *std::move(several);
    }
    return found ? *std::move(found) : best;
}

Reading ReadQuery(std::string_view query, ValueRule rule, const Vocabulary& words) {
    return QueryReader(words).Read(query, rule);
}

// No unit's name has a word that starts with a number, so a text plainly in
// parts never reads as a single number: it is read in parts at once.
Reading QueryReader::Read(std::string_view query, ValueRule rule) {
    if (query.size() > kLongestQuery) return Failure(Fault::kUsage, words_->Said(M_("too long to be a conversion")));
    const bool ascii = IsAscii(query);
    if (!ascii && !IsUtf8(query))
        return Failure(Fault::kUsage, words_->Said(M_("%1 is not valid UTF-8"), {Shown(query)}));
    const std::string plain = ascii ? std::string() : WithPlainBlanks(query);
    const std::string_view text = Trimmed(ascii ? query : std::string_view(plain));
    if (rule == ValueRule::kAsTyped) return ReadSingle(text, rule);  // a value is one number, as typed
    // A single number first, where it plainly is one: its units are kept.
    if (!PlainlyInParts(text, *words_)) {
        Reading reading = ReadSingle(text, rule);
        if (reading.conversion) return reading;
        std::optional<Reading> mixed = ReadMixed(text);
        return mixed ? *std::move(mixed) : reading;
    }
    std::optional<Reading> mixed = ReadMixed(text);
    return mixed ? *std::move(mixed) : ReadSingle(text, rule);
}

// A query's text, checked, with plain blanks and trimmed: one number.
Reading QueryReader::ReadSingle(std::string_view text, ValueRule rule) {
    if (text.empty()) return Failure(Fault::kUsage, words_->Said(M_("nothing to convert")));
    const std::string_view firstWord(text.begin(), std::find_if(text.begin(), text.end(), IsBlank));
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
            return Failure(
                Fault::kUsage,
                words_->Said(M_("%1 is no conversion: it does not start with a number, as '12 in to cm' does"),
                             {Shown(text)}));
        const std::string_view number = goesOn && length == firstWord.size()
                                            ? text.substr(0, text.find_first_of(kBlanks, rest.data() - text.data()))
                                            : firstWord;
        return Failure(Fault::kValue, NumberProblem(number, *words_));
    }
    if (rest.empty())
        return Failure(Fault::kUsage, words_->Said(M_("missing the units: %1 is only a number"), {Shown(text)}));
    return WithValue(UnitsOf(rest), text.substr(0, length));
}

const Reading& QueryReader::UnitsOf(std::string_view units) {
    for (const auto& [text, reading] : memo_)
        if (text == units) return reading;
    if (memo_.size() == kRemembered) memo_.erase(memo_.begin());
    return memo_.emplace_back(std::string(units), ReadUnits(units, *words_)).second;
}

Reading Assembled(std::vector<Part> parts, std::vector<UnitRef> targets, const Vocabulary& words) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const ValueRead value = ReadValue(parts[i].value, i == 0, words);
        if (!value.problem.empty()) return Failure(Fault::kValue, value.problem);
        if (value.length == 0 || value.length != parts[i].value.size())
            return Failure(Fault::kValue, words.Said(M_("%1 is not a number"), {Shown(parts[i].value)}));
    }
    return AssembledUnits(std::move(parts), std::move(targets), words);
}

namespace {

Reading AssembledUnits(std::vector<Part> parts, std::vector<UnitRef> targets, const Vocabulary& words) {
    if (parts.empty()) return Failure(Fault::kUsage, words.Said(M_("nothing to convert")));
    const UnitRef first = parts.front().unit;
    const std::string_view category = kCategoryNames.at(std::min(first.category, kCategoryNames.size() - 1));
    const auto ofOtherCategory = [&](UnitRef unit) {
        return OfTwoCategories(first, unit, M_("%1 is a unit of %2 and %3 of %4; all units must be of one category"),
                               words);
    };
    const auto twice = [&words](UnitRef unit) {
        return Failure(Fault::kUsage,
                       words.Said(M_("%1 comes twice: each unit goes once"), {Shown(words.ShownName(unit))}));
    };
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Part& part = parts[i];
        if (part.unit.category != first.category) return ofOtherCategory(part.unit);
        for (std::size_t j = 0; j < i; ++j)
            if (parts[j].unit == part.unit) return twice(part.unit);
    }
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (targets[i].category != first.category) return ofOtherCategory(targets[i]);
        for (std::size_t j = 0; j < i; ++j)
            if (targets[j] == targets[i]) return twice(targets[i]);
    }
    if (category == kTemperatureCategory && (parts.size() > 1 || targets.size() > 1))
        return Failure(Fault::kUsage,
                       words.Said(M_("temperatures cannot be added up or split: give one temperature and one unit")));
    std::stable_sort(targets.begin(), targets.end(), [](UnitRef a, UnitRef b) { return FactorOf(a) > FactorOf(b); });
    Conversion conversion{parts.front().value, first, targets.empty() ? first : targets.front(), {}, {}};
    const bool targeted = !targets.empty();
    if (parts.size() > 1 || ReadValue(parts.front().value).fraction) conversion.parts = std::move(parts);
    if (targets.size() > 1) conversion.targets = std::move(targets);
    if (targeted) return {std::move(conversion), Fault::kNone, {}, {}};
    std::vector<Conversion> alternatives;
    for (const UnitRef to : NamedUnits(first.category)) {
        if (to == first && conversion.parts.size() < 2) continue;
        alternatives.push_back(conversion);
        alternatives.back().to = to;
    }
    return Failure(Fault::kNoTarget, words.Said(M_("missing the unit to convert to")), std::move(alternatives));
}

// The number a value text of a conversion is: a plain one as the value box
// reads it, a fraction as a query does.
double ValueOf(std::string_view value) {
    // Only a fraction bar or a vulgar fraction, each '/' or beyond ASCII, can make one.
    if (std::any_of(value.begin(), value.end(), [](char c) { return c == '/' || !IsAscii(c); }))
        if (const ValueRead read = ReadValue(value); read.fraction && read.length == value.size()) return read.value;
    return ReadNumber(value);
}

// The shortest text that reads back as exactly this double; beyond the
// range, a number that reads as infinite again.
std::string ExactText(double value) {
    if (std::isinf(value)) return value < 0 ? "-1e999" : "1e999";
    char digits[32];
    return {digits, std::to_chars(std::begin(digits), std::end(digits), value).ptr};
}

// The quantity in base units.
double TotalOf(const Conversion& conversion) {
    if (conversion.parts.empty()) return ValueOf(conversion.value) * FactorOf(conversion.from);
    std::array<Amount, kMostParts> amounts{};
    const std::size_t count = std::min(conversion.parts.size(), kMostParts);
    for (std::size_t i = 0; i < count; ++i)
        amounts[i] = {ValueOf(conversion.parts[i].value), FactorOf(conversion.parts[i].unit)};
    return TotalOf(std::span(amounts).first(count), conversion.parts.front().value.starts_with('-'));
}

}  // namespace

Conversion ForWindow(const Conversion& conversion) {
    if (conversion.parts.empty() && conversion.targets.empty()) return conversion;
    Conversion single{
        {}, conversion.from, conversion.targets.empty() ? conversion.to : conversion.targets.back(), {}, {}};
    if (conversion.parts.size() < 2) {
        single.value = conversion.parts.empty() ? conversion.value : ExactText(ValueOf(conversion.value));
        return single;
    }
    for (const Part& part : conversion.parts)
        if (FactorOf(part.unit) < FactorOf(single.from)) single.from = part.unit;
    const double value = TotalOf(conversion) / FactorOf(single.from);
    single.value = ExactText(value);
    return single;
}

std::string ResultOf(const Conversion& conversion, const Vocabulary& words) {
    const std::size_t category = conversion.from.category;
    if (category >= kCategoryNames.size()) return {};
    if (conversion.targets.empty() && conversion.parts.empty())
        return ConvertValue(TableOf(category), category, conversion.value, conversion.from.position,
                            conversion.to.position);
    if (conversion.targets.empty() && conversion.parts.size() < 2) {
        const Conversion single = ForWindow(conversion);
        return ConvertValue(TableOf(category), category, single.value, single.from.position, single.to.position);
    }
    const double total = TotalOf(conversion);
    if (conversion.targets.empty()) return FormatByPattern(total / FactorOf(conversion.to), kGeneralPattern);
    std::vector<double> factors;
    std::vector<std::string_view> names;
    for (const UnitRef unit : conversion.targets) {
        factors.push_back(FactorOf(unit));
        names.push_back(words.ShownName(unit));
    }
    return SplitText(total, factors, names);
}

std::string SourceText(const Conversion& conversion, const Vocabulary& words) {
    if (conversion.parts.empty()) return conversion.value + " " + std::string(words.ShownName(conversion.from));
    std::string text;
    for (const Part& part : conversion.parts)
        text += (text.empty() ? "" : " ") + part.value + " " + std::string(words.ShownName(part.unit));
    return text;
}

std::string ResultText(const Conversion& conversion, std::string_view result, const Vocabulary& words) {
    if (!conversion.targets.empty()) return std::string(result);
    return std::string(result) + " " + std::string(words.ShownName(conversion.to));
}

std::string ResultText(const Conversion& conversion, const Vocabulary& words) {
    return ResultText(conversion, ResultOf(conversion, words), words);
}

}  // namespace mensaro
