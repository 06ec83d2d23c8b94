// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Invariant checks shared by the fuzz harnesses. A failed assert aborts,
// which libFuzzer reports with the input that caused it; the checks are the
// point of a harness, so they stay on in any build type.
#pragma once

#undef NDEBUG
#include <cassert>
#include <cmath>
#include <regex>
#include <string>

#include "tests/core/reference.h"

using mensaro_test::RoundedTo15;

// Equal, and the same sign for zeros.
inline bool SameDouble(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// Two fixed decimals and at most M in all, no trailing zero after the fixed
// two, and no minus before a zero.
inline bool IsResultText(const std::string& text, int maxDecimals) {
    static const std::regex six("-?[0-9]+\\.[0-9]{2}([0-9]{0,3}[1-9])?");
    static const std::regex fifteen("-?[0-9]+\\.[0-9]{2}([0-9]{0,12}[1-9])?");
    return std::regex_match(text, maxDecimals == 6 ? six : fifteen) &&
           !(text[0] == '-' && text.find_first_of("123456789") == std::string::npos);
}
