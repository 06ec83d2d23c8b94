// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ConvertValue on any category, value text and pair of positions in the
// table: a well-formed result text, and a unit to itself gives the value.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/conversion.h"
#include "core/numbertext.h"
#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    // Byte 0: the category (and, now and then, a table of another one, as if
    // the two disagreed). Bytes 1-2: positions. The rest: the value text.
    const std::size_t categoryIndex = data[0] % mensaro::kCategoryNames.size();
    const std::size_t tableIndex = (data[0] & 0x80) ? (data[0] >> 3) % mensaro::kCategoryNames.size() : categoryIndex;
    const std::string_view category = mensaro::kCategoryNames[categoryIndex];
    const auto table = *mensaro::CategoryTable(mensaro::kCategoryNames[tableIndex]);
    const int units = static_cast<int>(table.size() / 2);
    const int from = data[1] % units;
    const int to = data[2] % units;
    const std::string value(reinterpret_cast<const char*>(data + 3), size - 3);

    const std::string result = mensaro::ConvertValue(table, category, value, from, to);
    const bool temperature = category == mensaro::kTemperatureCategory;
    assert(result == mensaro::kOverflowText || IsResultText(result, temperature ? 6 : 15));

    if (from == to) {
        const auto pattern = temperature ? mensaro::kTemperaturePattern : mensaro::kGeneralPattern;
        assert(result == mensaro::FormatByPattern(mensaro::ReadNumber(value), pattern));
    }
    // Outside the table there is nothing to show, never a crash.
    assert(mensaro::ConvertValue(table, category, value, units, 0).empty());
    return 0;
}
