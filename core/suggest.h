// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What Mensaro answers in the desktop's search box: a few conversions for a
// query, each with an id that says all about it, so that the answer can be
// recomputed from the id alone.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/query.h"

namespace mensaro {

// The most rows the desktop shows for one search provider.
inline constexpr std::size_t kMostSuggestions = 5;

// The conversions a query asks for, at most kMostSuggestions; none when it
// is no conversion or is ambiguous. A unit alone after the number offers its
// likely targets, feet and inches among them for a distance in feet or
// inches and hours and minutes for a time in hours; a unit with regional
// variants (pint, gallon) offers each.
// `decimalComma`: the user's locale writes 1,5 for 1.5, so "1,5" reads so,
// and "1.500" (1500, or 1.5?) reads as nothing. Units are named in English
// or in the vocabulary's language.
//   "12 in to cm"   -> 12 Inch to Centimeter
//   "12 in"         -> 12 Inch to Centimeter, Millimeter, Feet and Inch
//   "5'11\""        -> 5 Feet 11 Inch to Meter, Centimeter, Feet and Inch
//   "1 pint to l"   -> 1 Pint UK, Pint US Dry, Pint US Liquid to Liter
//   "1 gallon"      -> 1 Gallon UK, Gallon US to Liter
//   "1 to gram", "firefox", "12" -> nothing
std::vector<Conversion> Suggest(std::string_view query, bool decimalComma = false,
                                const Vocabulary& words = Vocabulary::English());

// An id for a conversion, and the conversion an id names; nothing for an id
// that names none (any text may come back as an id).
//   12 Inch to Centimeter <-> "12|Inch|Centimeter"
//   5 Feet 11 Inch to Feet, Inch <-> "5|Feet|11|Inch|Feet|Inch"
std::string IdOf(const Conversion& conversion);
std::optional<Conversion> FromId(std::string_view id);

}  // namespace mensaro
