// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Conversions as people write them, on a command line or in the desktop's
// search: a number, the unit it is in, an optional keyword, the unit wanted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/unitnames.h"

namespace mensaro {

// One part of a quantity: a value text as typed ("11", "3 1/2") and its unit.
struct Part {
    std::string value;
    UnitRef unit;
    bool operator==(const Part&) const = default;
};

// One conversion understood: a value text that is a number as a whole, and
// two units of one category. A quantity in several parts, or with a fraction
// for its value, has them all in `parts` ("5 ft 11 in": 5 Feet, 11 Inch; the
// first part's sign for the whole), `value` and `from` then the first part's.
// A target in several units ("to ft in") has them all in `targets`, largest
// first, and `to` is the first.
struct Conversion {
    std::string value;
    UnitRef from;
    UnitRef to;
    // The braces keep GCC's -Wmissing-field-initializers quiet where a
    // conversion of single units is written {value, from, to}.
    // NOLINTBEGIN(readability-redundant-member-init)
    std::vector<Part> parts{};
    std::vector<UnitRef> targets{};
    // NOLINTEND(readability-redundant-member-init)
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
// Messages are in the vocabulary's language, as are all a Reading has.
std::string NumberProblem(std::string_view text, const Vocabulary& words = Vocabulary::English());

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
//   "cm to ft in", "cm in feet and inches" -> Centimeter, to Feet and Inch
//   "°F to °C" -> Farenhite, Celsius      "to", "in", "" -> kUsage
//   with German names: "Zoll nach cm" -> Inch, Centimeter
Reading ReadUnits(std::string_view text, const Vocabulary& words = Vocabulary::English());

// Longer queries are nobody's conversion: refused unread.
inline constexpr std::size_t kLongestQuery = 256;

// A whole query: a leading number, then the two units as ReadUnits reads them.
// The quantity may also be several parts of one category, each unit once and
// a sign only in front, and any value a fraction; the target several units.
// With kAsTyped, a first word that is no number is the value all the same,
// and a value is one number.
//   "12 in to cm", "12in cm", "100°F to °C", "12\" > cm", "-40 F = C" -> understood
//   "5 ft 11 in to cm", "5'11\" cm", "1 h 30 min to min", "3 1/2 in mm" -> understood
//   "5'11 to cm" -> 5 Feet 11 Inch to Centimeter     "180 cm to ft in" -> to Feet and Inch
//   "12 in", "5'11\""  -> kNoTarget
//   "1,5 in cm", "1/0 in cm" -> kValue; with kAsTyped, "1,5" Inch to Centimeter
//   "5 ft 3 ft", "20 °C 5 °F", "5 ft 3 s" -> kUsage
Reading ReadQuery(std::string_view query, ValueRule rule = ValueRule::kWhole,
                  const Vocabulary& words = Vocabulary::English());

// A quantity's parts and its target units, checked as a query's are: one
// category, each unit once, no sum of temperatures, values as a query takes
// them; the targets put largest first. No targets: kNoTarget, with the
// conversion to each unit of the category.
Reading Assembled(std::vector<Part> parts, std::vector<UnitRef> targets,
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
    Reading ReadSingle(std::string_view text, ValueRule rule);
    const Reading& UnitsOf(std::string_view units);
    std::vector<std::pair<std::string, Reading>> memo_;

    // A quantity in parts: the units its unit texts name, or why none.
    struct Shape {
        std::vector<UnitRef> units;
        std::vector<UnitRef> targets;
        std::optional<Reading> refused;
        bool unitMissing = false;  // the last value has no unit
    };
    static Shape ShapeOf(std::span<const std::string_view> texts, const Vocabulary& words);
    std::optional<Reading> ReadMixed(std::string_view text);
    std::vector<std::pair<std::string, Shape>> shapes_;
};

// The window's result text for a conversion: "30.48" for 12 Inch to Centimeter.
// A target in several units names them (quantity.h has the arithmetic).
//   5 Feet 11 Inch to Centimeter -> "180.34"
//   180 Centimeter to Feet, Inch -> "5 Feet 10.8661417322835 Inch"
// The units are named as the vocabulary's language shows them; the digits
// are the same in every language.
std::string ResultOf(const Conversion& conversion, const Vocabulary& words = Vocabulary::English());

// What was converted and what came out, with the units' names as the
// vocabulary's language shows them (the list names in English).
//   12 Inch to Centimeter -> "12 Inch", "30.48 Centimeter"
//   5 Feet 11 Inch to Feet, Inch -> "5 Feet 11 Inch", "5 Feet 11.00 Inch"
std::string SourceText(const Conversion& conversion, const Vocabulary& words = Vocabulary::English());
std::string ResultText(const Conversion& conversion, const Vocabulary& words = Vocabulary::English());
std::string ResultText(const Conversion& conversion, std::string_view result,
                       const Vocabulary& words = Vocabulary::English());

// The conversion as the window can show it, one value in one unit to one
// unit: a quantity in several parts in its smallest unit, a fraction as the
// number it is, a target in several units as its smallest.
//   5 Feet 11 Inch to Centimeter -> "71" Inch to Centimeter
//   1/2 Inch to Feet, Inch       -> "0.5" Inch to Inch
Conversion ForWindow(const Conversion& conversion);

}  // namespace mensaro
