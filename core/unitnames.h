// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Unit names as a user types them on a command line: the names the lists
// show, read without regard to case, any run of blanks read as one blank.
#pragma once

#include <cstddef>
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

// The list name of a unit.
std::string_view NameOf(UnitRef unit);

// What a typed name means. An exact name wins; otherwise the units whose
// names start with it. One unit found names it; several are ambiguous; none,
// or an empty name, is unknown.
//   "nautical   MILE" -> Nautical Mile     "sq.fe" -> Sq.Feet
//   "ton" -> Ton (exact, though "Tonne" starts with it too)
//   "to" -> Ton, Tonne                     "cm", "", "--" -> nothing
std::vector<UnitRef> MatchUnit(std::string_view typed);

}  // namespace mensaro
