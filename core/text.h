// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Text as it arrives from outside, in UTF-8: checked, and quoted back safely
// in a message.
#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

namespace mensaro {

// The length of the UTF-8 sequence at the start of `s`, or 0 when none starts
// there (overlong forms, surrogates and code points past U+10FFFF included).
//   "a" -> 1   "°C" -> 2   "\xff" -> 0   "\xc3" -> 0   "" -> 0
std::size_t Utf8Length(std::string_view s);

// Whether all of `s` is UTF-8.
bool IsUtf8(std::string_view s);

// The code point of one whole UTF-8 sequence, as Utf8Length measured it
// (never an empty one).
//   "°" -> U+00B0
char32_t CodePoint(std::string_view sequence);

// A text as a user can read it back in a message: in quotes, with control
// characters, direction marks and bytes that are not UTF-8 written as \xHH.
//   "cm" -> "'cm'"   "a\xff" -> "'a\\xff'"   "\x1b[31m" -> "'\\x1b[31m'"
std::string Quoted(std::string_view s);

// As Quoted, but a long text by its start only, so that a message stays one
// line; cut between characters.
std::string Shown(std::string_view s);

// A blank between the words of one line: a space or a tab.
constexpr std::string_view kBlanks = " \t";
constexpr bool IsBlank(char c) { return c == kBlanks[0] || c == kBlanks[1]; }

// An ASCII digit, 0 to 9, whatever the locale.
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A byte that is a whole character by itself, not a part of a longer UTF-8 one.
constexpr bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }
inline bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return IsAscii(c); });
}

// A space between words: a blank, or a no-break or thin space, which some
// keyboards type.
bool IsWordSpace(char32_t c);

// Without the blanks at either end.
//   " 12 \t" -> "12"
std::string_view Trimmed(std::string_view s);

// The texts with `separator` between each two, or `last` between the last two.
//   {"Inch", "Feet", "Yard"}, ", ", " and " -> "Inch, Feet and Yard"
template <class Texts>
std::string Joined(const Texts& texts, std::string_view separator, std::string_view last) {
    std::string joined;
    std::size_t i = 0;
    for (const auto& text : texts) {
        if (i > 0) joined += i + 1 == std::size(texts) ? last : separator;
        joined += text;
        ++i;
    }
    return joined;
}

template <class Texts>
std::string Joined(const Texts& texts, std::string_view separator) {
    return Joined(texts, separator, separator);
}

// A message with its placeholders %1 .. %9 filled in, each once where it
// stands; a placeholder without an argument stays as written.
//   "%1 is not a number", {"abc"}  -> "abc is not a number"
//   "%2 = %1", {"a", "b"}          -> "b = a"
std::string Fill(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace mensaro
