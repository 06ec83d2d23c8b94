// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number <-> text rules of Mensaro.
//
// These never consult the process locale: the decimal point is always '.',
// no digit grouping is read or written, and results never use an exponent.
// Everything goes through std::from_chars / std::to_chars, which are
// locale-free and correctly rounded.
#pragma once

#include <string>
#include <string_view>

namespace mensaro {

// Result patterns: one "0" before the point, two fixed decimals, and up to
// four ("0.00####") or thirteen ("0.00#############") optional ones.
inline constexpr std::string_view kTemperaturePattern = "0.00####";
inline constexpr std::string_view kGeneralPattern = "0.00#############";

// Shown instead of a number when a result is not a finite double.
inline constexpr std::string_view kOverflowText = "Overflow";

// Reads the leading number of a text; text with no leading number is 0.
// Blanks, tabs and line feeds are dropped first, wherever they stand.
// "&H"/"&O" prefixes read hexadecimal/octal integers of any length.
// Only 'E' (either case) starts an exponent; numbers beyond the double range
// read as +-infinity, tiny ones as the nearest double (possibly 0).
//   ""       -> 0          "12abc" -> 12        "2,5"    -> 2
//   "1.2.3"  -> 1.2        "-.5"   -> -0.5      "- 3"    -> -3
//   "2.5e2"  -> 250        "&HFF"  -> 255       "&o17"   -> 15
//   "1E999"  -> +infinity
double ReadNumber(std::string_view text);

// How much of a text without blanks ReadNumber's rule reads as the number:
// 0 when the text starts with no number. A text is a number as a whole when
// this is its length.
//   "12abc" -> 2     "-.5" -> 3     "2.5e2" -> 5    "2.5e" -> 3
//   "1.2.3" -> 3     "&HFF" -> 4    "&H" -> 0       "abc", "-", "." -> 0
std::size_t NumberLength(std::string_view text);

// Writes a double with at most 15 significant digits, plain between 1E-04 and
// 1E+15, in exponent form outside. ReadNumber reads back exactly the value
// rounded to 15 significant digits.
//   0 and -0 -> "0"       1.001 -> "1.001"       0.30000000000000004 -> "0.3"
//   0.00001  -> "1E-05"   1E15  -> "1E+15"       2^53 -> "9.00719925474099E+15"
// A value that is not finite writes as "Overflow".
std::string WriteNumber(double value);

// What the value box's Up and Down keys make of its text: the number read,
// plus `step` (0.001 or -0.001), written again; rounding never piles up since
// each step starts from the text. A text whose number is not finite (such as
// "1E999") stays as it is.
//   "5", +0.001 -> "5.001"     "0", -0.001 -> "-0.001"     "-0.001", +0.001 -> "0"
//   "", +0.001  -> "0.001"     "12abc", +0.001 -> "12.001"  "1E999" -> "1E999"
inline constexpr double kValueStep = 0.001;
std::string StepNumber(std::string_view text, double step);

// Formats a result by a "0.00##..." pattern: the value rounded to 15
// significant digits, then to the pattern's decimals (halves away from zero),
// trailing zeros dropped down to the fixed decimals; never an exponent, never
// "-0.00". A value that is not finite gives "Overflow".
//   212, "0.00####"                -> "212.00"
//   1.0/3, "0.00#############"     -> "0.333333333333333"
//   2.5399999999999987, general    -> "2.54"
//   9.9999996, "0.00####"          -> "10.00"
//   123456789012345678, general    -> "123456789012346000.00"
std::string FormatByPattern(double value, std::string_view pattern);

}  // namespace mensaro
