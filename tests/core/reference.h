// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reference results computed by the standard library alone, for checking the
// core against something it did not compute itself.
#pragma once

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace mensaro_test {

// The value rounded to 15 significant digits.
inline double RoundedTo15(double value) {
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr;
    double rounded = 0;
    // Near the top of the range the rounded value may lie beyond it.
    if (std::from_chars(buf, end, rounded).ec == std::errc::result_out_of_range)
        return std::copysign(std::numeric_limits<double>::infinity(), value);
    return rounded;
}

}  // namespace mensaro_test
