// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The conversion core of Mensaro: standard library only, no toolkit.
//
//   catalogue.h   the six categories and their units, with the other names
//                 each answers to; CategoryTable() builds the UnitList of one
//                 category (entry 2i name, 2i+1 factor).
//   numbertext.h  ReadNumber / WriteNumber / FormatByPattern: the locale-free
//                 text rules for values typed, values stepped and results.
//   conversion.h  ConvertValue(): value text + two list positions -> result
//                 text, through the base unit or the temperature formulas.
//   unitnames.h   MatchUnit(): a unit name as people type it -> the units it
//                 can mean.
//   query.h       ReadQuery() / ReadPair(): "12 in to cm" -> a Conversion, or
//                 why not; NumberProblem(): is a value a number as a whole.
//   quantity.h    fractions as values ("3 1/2", "½"), and the arithmetic of
//                 quantities in parts ("5 ft 11 in", "to ft in").
//   suggest.h     Suggest(): what the desktop's search box offers, and ids.
//   text.h        UTF-8 checks and quoting for messages; blanks, joining.
//   about.h       name, version, desktop id and bus names, generated from
//                 about.h.in by the project's CMakeLists.txt.
//
// The window gathers its inputs, calls ConvertValue, and shows the text; the
// command line and the search service read a query and call ResultOf.
#pragma once

#include <string>
#include <string_view>

#include "core/catalogue.h"

namespace mensaro {

// Converts the value text from the unit at list position `from` to the unit
// at `to` in the loaded table, and formats the result as the window shows it.
// The category is an index into kCategoryNames, never a shown name: the
// window shows it in the user's language. Factor categories go through the
// base unit: (V x from factor) / to factor, product first. "Temprature" (4)
// converts by formulas chosen by position (0 Celsius, 1 Farenhite, 2 Kelvin;
// Kelvin offset 273).
// A result out of the double range gives "Overflow"; a position outside the
// table (or no table) gives an empty text.
//   Distance (0), "1",   Inch (0) -> Centimeter (8)   -> "2.54"
//   Distance (0), "-3",  Feet (1) -> Inch (0)         -> "-36.00"
//   Temprature (4), "0", Farenhite (1) -> Celsius (0) -> "-17.777778"
//   Temprature (4), "50", Farenhite (1) -> Kelvin (2) -> "283.00"
std::string ConvertValue(const UnitList& list, std::size_t category, std::string_view valueText, int from, int to);

}  // namespace mensaro
