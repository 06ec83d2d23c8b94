// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Conversions as people write them, on a command line or in the desktop's
// search: a number, the unit it is in, an optional keyword, the unit wanted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/unitnames.h"

namespace mensaro {

// One conversion understood: a value text that is a number as a whole, and
// two units of one category.
struct Conversion {
    std::string value;
    UnitRef from;
    UnitRef to;
    bool operator==(const Conversion&) const = default;
};

// Why a text is no conversion: its number is not one (kValue); a unit name
// could be several units (kAmbiguous); it names one unit and no second
// (kNoTarget); anything else (kUsage: no number, an unknown unit, ...).
enum class Fault : std::uint8_t { kNone, kValue, kUsage, kAmbiguous, kNoTarget };

struct Reading {
    std::optional<Conversion> conversion;  // set exactly when fault is kNone
    Fault fault = Fault::kNone;
    std::string message;  // one line, what was typed quoted safely
    // kAmbiguous: each conversion the text could mean, when the other unit
    // is clear; for a unit alone, as kNoTarget for each unit it could be.
    // kNoTarget: the conversion to every other unit of its category.
    std::vector<Conversion> alternatives;
};

// How a value given on its own is read: checked, a number as a whole; or as
// the value box reads typed text (its leading number, else 0).
enum class ValueRule : std::uint8_t { kWhole, kAsTyped };

// Why a text is not a number as a whole, or "" when it is one: what the
// value box reads in full, with blanks only around it.
//   "12", " 1e3 ", ".5", "5.", "+3", "&HFF" -> ""
//   "1,5" -> "'1,5' is not a number: the decimal point is '.'"
//   "", "abc", "5 6", "1.2.3", "0x10", "inf", "\u22125" -> a message
std::string NumberProblem(std::string_view text);

// The three-argument form: the value and each unit named apart. The second
// unit is looked for in the first one's category, and the first in the
// second's when only that one is clear.
//   "12", "Inch", "cm"   -> 12 Inch to Centimeter
//   "1", "C", "F"        -> 1 Celsius to Farenhite
//   "1", "day", "s"      -> 1 Day to Second
//   "1", "to", "gram"    -> ambiguous: Tonne or Ton
//   "1,5", "inch", "cm"  -> kValue
Reading ReadPair(std::string_view value, std::string_view from, std::string_view to, ValueRule rule = ValueRule::kWhole,
                 const Vocabulary& words = Vocabulary::English());

// Two units in one text, split where both sides name units of one category:
// at a blank, or at one of the keywords (kKeywords, and the vocabulary's
// language's). Units are named in English or in that language. The
// conversion it gives has an empty value.
//   "in to cm" -> Inch, Centimeter        "ft in m" -> Feet, Meter
//   "°F to °C" -> Farenhite, Celsius      "to", "in", "" -> kUsage
//   with German names: "Zoll nach cm" -> Inch, Centimeter
Reading ReadUnits(std::string_view text, const Vocabulary& words = Vocabulary::English());

// Longer queries are nobody's conversion: refused unread.
inline constexpr std::size_t kLongestQuery = 256;

// A whole query: a leading number, then the two units as ReadUnits reads them.
// With kAsTyped, a first word that is no number is the value all the same.
//   "12 in to cm", "12in cm", "100°F to °C", "12\" > cm", "-40 F = C" -> understood
//   "12 in"  -> kNoTarget
//   "1,5 in cm" -> kValue; with kAsTyped, "1,5" Inch to Centimeter
Reading ReadQuery(std::string_view query, ValueRule rule = ValueRule::kWhole,
                  const Vocabulary& words = Vocabulary::English());

// Reads query after query, as a stream of them comes: units worded as in
// one of the last few queries are not looked up again.
class QueryReader {
public:
    // The vocabulary must outlive the reader.
    explicit QueryReader(const Vocabulary& words = Vocabulary::English()) : words_(&words) {}
    Reading Read(std::string_view query, ValueRule rule = ValueRule::kWhole);

private:
    const Vocabulary* words_;
    static constexpr std::size_t kRemembered = 16;
    const Reading& UnitsOf(std::string_view units);
    std::vector<std::pair<std::string, Reading>> memo_;
};

// The window's result text for a conversion: "30.48" for 12 Inch to Centimeter.
std::string ResultOf(const Conversion& conversion);

// What was converted and what came out, with the units' list names.
//   12 Inch to Centimeter -> "12 Inch", "30.48 Centimeter"
std::string SourceText(const Conversion& conversion);
std::string ResultText(const Conversion& conversion);

}  // namespace mensaro
