// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Unit names as people type them: the names the lists show, the other names
// the catalogue gives each unit (cm, °F, sq ft, fahrenheit, ...), and the
// start of a name. Case, runs of blanks, dots and look-alike marks (˚ ″ ′ ℃
// ², curly quotes, the Kelvin sign) never count.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace mensaro {

// A unit: its category (an index into kCategoryNames) and its position in
// that category's table, as the window's lists number it.
struct UnitRef {
    std::size_t category = 0;
    int position = 0;
    bool operator==(const UnitRef&) const = default;
};

// The units of a category that a user can name, in list order: every entry
// but the separators.
//   Volume -> Mililiter (0), Liter (1), Cu.Inch (3), ...
std::vector<UnitRef> NamedUnits(std::size_t category);

// The list name of a unit, and the other names it answers to.
std::string_view NameOf(UnitRef unit);
std::vector<std::string_view> AliasesOf(UnitRef unit);

// What a typed name means, among all units or those of one category: a list
// name first, then another name, then the start of a name (abbreviations and
// symbols count only whole). Several units found are ambiguous; none unknown.
//   "nautical   MILE" -> Nautical Mile     "sq.fe" -> Sq.Feet
//   "cm" -> Centimeter    "°F", "fahrenheit" -> Farenhite    "℃" -> Celsius
//   "ton" -> Ton (a list name, though "Tonne" starts with it too)
//   "to" -> Tonne, Ton     "m", in Time -> Minute
//   "mph", "parsec", "", "--" -> nothing
std::vector<UnitRef> MatchUnit(std::string_view typed, std::optional<std::size_t> category = std::nullopt);

// The units whose list names start with a typed text, folded as above,
// among all units or those of one category; every unit for no text.
//   "na" -> Nautical Mile     "sq.mil" -> Sq.Mile, Sq.Milimeter
std::vector<UnitRef> ListNamesStartingWith(std::string_view typed, std::optional<std::size_t> category = std::nullopt);

// A category as typed: its name in any case, "temperature", or the start of one.
//   "distance" -> 0    "Temperature", "temp" -> 4    "x" -> nothing
std::optional<std::size_t> MatchCategory(std::string_view typed);

}  // namespace mensaro
