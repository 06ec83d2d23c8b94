// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// FormatByPattern and WriteNumber on any double: well-formed text, the right
// number of decimals, no "-0.00", and a value that reads back close.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/numbertext.h"
#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const bool temperature = size > sizeof(double) && (data[sizeof(double)] & 1);
    const int maxDecimals = temperature ? 6 : 15;

    const std::string text =
        mensaro::FormatByPattern(value, temperature ? mensaro::kTemperaturePattern : mensaro::kGeneralPattern);
    if (!std::isfinite(value)) {
        assert(text == mensaro::kOverflowText);
    } else {
        assert(IsResultText(text, maxDecimals));
        // Off by no more than the rounding to M decimals after the rounding
        // to 15 significant digits.
        const double shown = mensaro::ReadNumber(text);
        const double tolerance = 0.5 * std::pow(10.0, -maxDecimals) + std::fabs(value) * 1e-14;
        if (std::isinf(shown))  // the top of the range rounds to 15 digits beyond it
            assert(std::fabs(value) > 1.797693134862315e308);
        else
            assert(std::fabs(shown - value) <= tolerance);

        const std::string written = mensaro::WriteNumber(value);
        assert(!written.empty() && written.size() <= 22);
        assert(mensaro::ReadNumber(written) == RoundedTo15(value));
        assert(written.find_first_not_of("0123456789.E+-") == std::string::npos);
    }
    return 0;
}
