// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Invariant checks shared by the fuzz harnesses. A failed check aborts, which
// libFuzzer reports with the input that caused it.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "tests/core/reference.h"

using mensaro_test::RoundedTo15;

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Equal, and the same sign for zeros.
inline bool SameDouble(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// -?[0-9]+\.[0-9]{2,M}, and no minus before a zero.
inline bool IsResultText(const std::string& text, int maxDecimals) {
    std::size_t i = 0;
    const bool minus = !text.empty() && text[0] == '-';
    if (minus) ++i;
    const std::size_t integerStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == integerStart || i == text.size() || text[i] != '.') return false;
    const std::size_t decimalsStart = ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    const std::size_t decimals = i - decimalsStart;
    if (i != text.size() || decimals < 2 || decimals > static_cast<std::size_t>(maxDecimals)) return false;
    if (decimals > 2 && text.back() == '0') return false;  // trailing zeros go
    if (minus && text.find_first_of("123456789") == std::string::npos) return false;
    return true;
}
