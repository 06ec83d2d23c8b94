// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built-in unit catalogue and the UnitList a category is loaded into.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mensaro {

// The six categories, in list order. The misspelling is the program's own.
inline constexpr std::array<std::string_view, 6> kCategoryNames = {"Distance", "Area",       "Volume",
                                                                   "Weight",   "Temprature", "Time"};

inline constexpr std::string_view kTemperatureCategory = "Temprature";
// Its index: what chooses the temperature formulas, whatever the list shows.
inline constexpr std::size_t kTemperatureIndex = 4;
static_assert(kCategoryNames[kTemperatureIndex] == kTemperatureCategory);

// The name of the separator entries that stand between groups of units.
inline constexpr std::string_view kSeparatorName = "----------------";

// One entry of a UnitList: a text (a name, or most factors) or a double
// (eight of the Volume factors).
using UnitEntry = std::variant<std::string, double>;

// The table of one category: entry 2i is the name of the unit at list
// position i, entry 2i+1 its factor (how many base units one unit holds).
// Empty until the first category is loaded.
using UnitList = std::vector<UnitEntry>;

// Builds the table of a category named exactly (case-sensitive, whole text);
// nothing for any other text, so the caller keeps the table it had.
//   "Distance" -> 22 entries: "Inch", "1", "Feet", "12", ...
//   "Volume"   -> entry 3 is the double 1000, entry 11 is 568.3000000000001
//   "distance", "Temperature", "" -> std::nullopt
std::optional<UnitList> CategoryTable(std::string_view category);

// The table of a category by its index into kCategoryNames, built once: the
// catalogue never changes. An index past the last category has no units.
const UnitList& TableOf(std::size_t category);

// The unit name at list position i (entry 2i).
//   Distance table, 6 -> "----------------"
std::string_view UnitName(const UnitList& list, std::size_t position);

// The other names the unit at a list position answers to, as people type
// them, '|' between them (category: an index into kCategoryNames).
//   0, 8 -> "cm|centimeters|centimetre|centimetres"     3, 8 (Ton) -> ""
std::string_view UnitAliases(std::size_t category, std::size_t position);

// A factor entry as a double: a double entry unchanged, a text entry the
// double nearest the decimal number it writes.
//   ".0393700787401575" -> same double as "0.0393700787401575"
double ReadFactor(const UnitEntry& entry);

// The factors of a category's table (TableOf) by list position, read once;
// the separators' too.
//   0 -> 1, 12, 36, ...      past the last category -> none
std::span<const double> FactorsOf(std::size_t category);

}  // namespace mensaro
