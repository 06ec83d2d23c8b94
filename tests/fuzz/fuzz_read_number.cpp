// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ReadNumber on any bytes: never NaN, blind to what follows the number and
// to blanks, and able to read back whatever WriteNumber makes of it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/numbertext.h"
#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = mensaro::ReadNumber(text);
    assert(!std::isnan(value));

    // 'x' never continues a number, and blanks never count.
    assert(SameDouble(mensaro::ReadNumber(text + "x"), value));
    assert(SameDouble(mensaro::ReadNumber(" " + text + "\t"), value));

    if (std::isfinite(value)) {
        const std::string written = mensaro::WriteNumber(value);
        assert(mensaro::ReadNumber(written) == RoundedTo15(value));
    }
    return 0;
}
