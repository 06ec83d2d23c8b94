// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/quantity.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

#include "core/numbertext.h"
#include "core/text.h"

namespace mensaro {

namespace {

// Unicode's vulgar fractions, each one character.
struct Vulgar {
    char32_t mark;
    double numerator;
    double denominator;
};
constexpr Vulgar kVulgars[] = {
    {U'\u00BC', 1, 4},  {U'\u00BD', 1, 2}, {U'\u00BE', 3, 4}, {U'\u2150', 1, 7}, {U'\u2151', 1, 9},
    {U'\u2152', 1, 10}, {U'\u2153', 1, 3}, {U'\u2154', 2, 3}, {U'\u2155', 1, 5}, {U'\u2156', 2, 5},
    {U'\u2157', 3, 5},  {U'\u2158', 4, 5}, {U'\u2159', 1, 6}, {U'\u215A', 5, 6}, {U'\u215B', 1, 8},
    {U'\u215C', 3, 8},  {U'\u215D', 5, 8}, {U'\u215E', 7, 8}, {U'\u2189', 0, 3},
};

// The vulgar fraction a text starts with, as its length and value; 0 for none.
std::pair<std::size_t, double> VulgarAt(std::string_view text) {
    const std::size_t length = text.empty() || IsAscii(text[0]) ? 0 : Utf8Length(text);
    if (length == 0) return {0, 0};
    const char32_t c = CodePoint(text.substr(0, length));
    for (const Vulgar& v : kVulgars)
        if (v.mark == c) return {length, v.numerator / v.denominator};
    return {0, 0};
}

// The fraction bar a text starts with: '/' or the fraction slash; its length.
std::size_t SlashAt(std::string_view text) {
    if (text.starts_with('/')) return 1;
    return text.starts_with("\u2044") ? 3 : 0;
}

// A number as NumberLength measured it, as ReadNumber reads it; without the
// blanks ReadNumber first drops, since it holds none.
double NumberOf(std::string_view number) {
    double value = 0;
    if (number.starts_with('&') ||
        std::from_chars(number.data(), number.data() + number.size(), value).ec != std::errc())
        return ReadNumber(number);  // &H, &O, and beyond the range
    return value;
}

std::size_t DigitRun(std::string_view text) {
    return static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), IsDigit) - text.begin());
}

// `why` has the value's start for %1.
ValueRead Refused(std::string_view text, std::string_view why, const Vocabulary& words) {
    return {0, 0, false, words.Said(why, {Shown(text.substr(0, std::min(text.find_first_of(" \t"), text.size())))})};
}

// A value without a sign: a number, n/d, w n/d, w½, ½.
ValueRead Unsigned(std::string_view text, const Vocabulary& words) {
    if (const auto [length, value] = VulgarAt(text); length > 0) return {length, value, true, {}};
    if (text.starts_with('+') || text.starts_with('-')) return {};
    const std::size_t length = NumberLength(text);  // a blank ends a number
    if (length == 0) return {};
    const std::string_view number = text.substr(0, length);
    const bool whole = DigitRun(number) == length;
    const std::string_view rest = text.substr(length);
    if (const std::size_t slash = SlashAt(rest); slash > 0) {
        if (!whole) return Refused(text, M_("%1 is no fraction: a fraction is of whole numbers, such as 3/4"), words);
        const std::size_t digits = DigitRun(rest.substr(slash));
        const std::string_view after = rest.substr(slash + digits);
        if (digits == 0 || SlashAt(after) > 0 || after.starts_with('.'))
            return Refused(text,
                           M_("%1 is no fraction: a fraction is a whole number, '/' and a whole number, such as 3/4"),
                           words);
        const double denominator = NumberOf(rest.substr(slash, digits));
        if (denominator == 0) return Refused(text, M_("%1 divides by zero"), words);
        return {length + slash + digits, NumberOf(number) / denominator, true, {}};
    }
    if (whole) {
        // "1½", "3 ½", "3 1/2": a whole number and a fraction.
        const std::size_t blanks =
            static_cast<std::size_t>(std::find_if_not(rest.begin(), rest.end(), IsBlank) - rest.begin());
        const std::string_view after = rest.substr(blanks);
        const std::size_t digits = DigitRun(after);
        if (VulgarAt(after).first > 0 || (blanks > 0 && digits > 0 && SlashAt(after.substr(digits)) > 0)) {
            ValueRead part = Unsigned(after, words);
            if (!part.problem.empty()) return part;
            return {length + blanks + part.length, NumberOf(number) + part.value, true, {}};
        }
    }
    return {length, NumberOf(number), false, {}};
}

}  // namespace

ValueRead ReadValue(std::string_view text, bool signed_, const Vocabulary& words) {
    const bool sign = text.starts_with('+') || text.starts_with('-');
    if (!sign) return Unsigned(text, words);
    ValueRead read = Unsigned(text.substr(1), words);
    if (read.length == 0 && read.problem.empty()) return {};
    if (!signed_) return Refused(text, M_("%1 has a sign of its own: a sign goes once, before the first part"), words);
    if (read.problem.empty()) read.length += 1;
    if (text[0] == '-') read.value = -read.value;
    return read;
}

bool IsFraction(std::string_view value) {
    const ValueRead read = ReadValue(value);
    return read.fraction && read.length == value.size();
}

double TotalOf(std::span<const Amount> parts, bool negative) {
    double total = 0;
    for (const Amount& part : parts) {
        const double product = std::abs(part.value) * part.factor;
        total = total + product;
    }
    return negative ? -total : total;
}

std::string SplitText(double total, std::span<const double> factors, std::span<const std::string_view> names) {
    if (!std::isfinite(total) || factors.empty() || names.size() != factors.size()) return std::string(kOverflowText);
    const std::size_t last = factors.size() - 1;
    std::vector<double> amounts(factors.size());
    double rest = std::abs(total);
    for (std::size_t i = 0; i < last; ++i) {
        amounts[i] = std::floor(rest / factors[i]);
        const double taken = amounts[i] * factors[i];
        rest = std::max(rest - taken, 0.0);
    }
    amounts[last] = rest / factors[last];
    const auto shown = [&](std::size_t i) {
        return FormatByPattern(amounts[i], i == last ? kGeneralPattern : std::string_view("0"));
    };
    std::vector<std::string> texts(factors.size());
    for (std::size_t i = last; i > 0; --i) {
        texts[i] = shown(i);
        if (ReadNumber(texts[i]) >= ReadNumber(WriteNumber(factors[i - 1] / factors[i]))) {
            amounts[i] = 0;
            amounts[i - 1] = amounts[i - 1] + 1;
            texts[i] = shown(i);
        }
    }
    texts[0] = shown(0);
    const bool zero = std::all_of(texts.begin(), texts.end(), [](const std::string& t) { return ReadNumber(t) == 0; });
    std::string text = total < 0 && !zero ? "-" : "";
    for (std::size_t i = 0; i < texts.size(); ++i) text += (i > 0 ? " " : "") + texts[i] + " " + std::string(names[i]);
    return text;
}

}  // namespace mensaro
