// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Values as people write them in a query (fractions among them), and the
// arithmetic of a quantity in several parts: "5 ft 11 in", "to ft in".
//
// Every step is one IEEE double operation, never fused:
//   a value    a number as ReadNumber reads it; a fraction n/d is n / d, and a
//              whole number with one w + n / d ("3 1/2", "1½"); a sign in
//              front negates the whole value.
//   a total    each part's value without its sign times its unit's factor,
//              the products added left to right, then negated when the first
//              part has a minus sign.
//   one target the total divided by the target's factor.
//   several    largest first, each but the last whole: q = floor(r / f),
//              then r = r - (q x f), from r = |total|; a remainder below zero
//              (a rounding step) is 0. The last part is r / f, written by the
//              general pattern. A part whose shown number is at least the
//              ratio of the factors before it and its own (WriteNumber's
//              rounding of f_before / f) is a full unit of the part before
//              it: it shows 0 and that part one more, from the last part up.
//              One sign in front, unless every part shows zero.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/unitnames.h"

namespace mensaro {

// A value at the start of a text: how many bytes it takes (0: none starts
// there), what it is, and why it is none when it looks like one.
struct ValueRead {
    std::size_t length = 0;
    double value = 0;
    bool fraction = false;  // written with a fraction
    std::string problem;    // set when the text starts like a value and is none
};

// Reads the value a text starts with: a number, a fraction of whole numbers
// (n/d, the fraction slash too), a whole number and a fraction after it or
// after blanks, or a vulgar fraction. A sign in front when `signed_` allows.
//   "12 in" -> 2, 12      "1/2 in" -> 3, 0.5     "3 1/2in" -> 5, 3.5
//   "1½" -> 3, 1.5        "¾" -> 2, 0.75         "-2.5e1ft" -> 6, -25
//   "1/0", "1/2/3", "1.5/2", "1e308/1e-308", "1/" -> a problem, in the
//   vocabulary's language
ValueRead ReadValue(std::string_view text, bool signed_ = true, const Vocabulary& words = Vocabulary::English());

// Whether a value text is one as a whole and written with a fraction.
bool IsFraction(std::string_view value);

// The sum of a quantity's parts in base units: |value| x factor each, added
// left to right, negated when `negative`.
//   {5, 12}, {11, 1} -> 71      negative -> -71
struct Amount {
    double value;
    double factor;
};
double TotalOf(std::span<const Amount> parts, bool negative);

// A total in base units written in several units, factors largest first:
// "5 Feet 10.8661417322835 Inch" with the names given; "Overflow" when the
// total is not finite.
//   71.99999999999999, {12, 1}, {"Feet", "Inch"} -> "6 Feet 0.00 Inch"
//   -71, {12, 1}                                 -> "-5 Feet 11.00 Inch"
std::string SplitText(double total, std::span<const double> factors, std::span<const std::string_view> names);

}  // namespace mensaro
