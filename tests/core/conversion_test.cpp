// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// Category, value, from and to positions, the result text. Positions: Distance 0 Inch, 1 Feet, 2 Yard,
// 4 Mile, 5 Nautical Mile, 6 separator, 8 Centimeter, 9 Meter, 10 Kilometer; Temprature 0 C, 1 F, 2 K.
// clang-format off
const std::tuple<const char*, std::string, int, int, std::string> kRows[] = {
    // Worked examples.
    {"Distance", "1", 0, 8, "2.54"}, {"Distance", "1", 4, 10, "1.609344"},
    {"Distance", "1", 10, 4, "0.621371192237334"}, {"Distance", "2", 1, 2, "0.666666666666667"},
    {"Distance", "1", 1, 0, "12.00"}, {"Distance", "100", 8, 9, "1.00"}, {"Distance", "-3", 1, 0, "-36.00"},
    {"Weight", "1", 2, 7, "0.453592"}, {"Time", "1", 3, 4, "0.142857142857143"},
    {"Time", "1000000", 7, 0, "3153600000000000.00"},
    // Temperatures by formula: Farenhite and Kelvin meet through Celsius, Kelvin is 273 above.
    {"Temprature", "100", 0, 1, "212.00"}, {"Temprature", "37", 0, 1, "98.60"},
    {"Temprature", "0", 1, 0, "-17.777778"}, {"Temprature", "0", 0, 2, "273.00"},
    {"Temprature", "0", 2, 0, "-273.00"}, {"Temprature", "25.5", 0, 0, "25.50"},
    {"Temprature", "-40", 0, 1, "-40.00"}, {"Temprature", "50", 1, 2, "283.00"},
    {"Temprature", "283", 2, 1, "50.00"}, {"Temprature", "0", 2, 1, "-459.40"},
    // An empty value converts 0; only the leading number counts.
    {"Distance", "", 4, 10, "0.00"}, {"Temprature", "", 0, 1, "32.00"}, {"Temprature", "", 1, 0, "-17.777778"},
    {"Temprature", "", 2, 0, "-273.00"}, {"Distance", "12abc", 0, 0, "12.00"}, {"Distance", "2,5", 0, 0, "2.00"},
    {"Distance", "0.125", 1, 1, "0.125"},
    // The separator converts as the base unit.
    {"Distance", "12", 6, 1, "1.00"}, {"Weight", "1000", 5, 7, "1.00"}, {"Volume", "1000", 2, 1, "1.00"},
    // The built-in factors, unusual ones included.
    {"Distance", "1", 5, 0, "72900.00"}, {"Volume", "1", 1, 3, "61.0243370868142"}, {"Volume", "1", 5, 0, "568.30"},
    {"Volume", "1", 9, 1, "3.785"}, {"Weight", "1", 4, 8, "1.01605"}, {"Area", "1", 14, 12, "10000.00"},
    {"Area", "1", 7, 5, "640.00"}, {"Time", "1", 5, 3, "365.00"},
    // Beyond the double range; but a unit to itself is the value, even past the base unit's range.
    {"Temprature", "1E308", 0, 1, "Overflow"}, {"Distance", "1E308", 10, 0, "Overflow"},
    {"Distance", "1E999", 0, 0, "Overflow"}, {"Temprature", "-1E999", 0, 2, "Overflow"},
    {"Distance", "1E300", 1, 0, "12" + std::string(300, '0') + ".00"},
    {"Distance", "1E308", 10, 10, "1" + std::string(308, '0') + ".00"}, {"Volume", "0.1", 3, 3, "0.10"},
    // Only the exact category text selects the formulas; a position outside the table gives no text.
    {"Temperature", "100", 0, 1, "100.00"}, {"Temprature", "1", 3, 0, ""}, {"Temprature", "1", 0, 3, ""},
    {"Temprature", "1", -1, 0, ""}, {"Temprature", "1", 0, -1, ""}};
// clang-format on

TEST(ConvertValue, GivesTheResultText) {
    for (const auto& [category, value, from, to, expected] : kRows) {
        // The temperature table also stands in for a category text no table has.
        const auto table = mensaro::CategoryTable(category).value_or(*mensaro::CategoryTable("Temprature"));
        EXPECT_EQ(mensaro::ConvertValue(table, category, value, from, to), expected)
            << category << " " << value << " from " << from << " to " << to;
    }
    EXPECT_EQ(mensaro::ConvertValue({}, "Distance", "1", 0, 0), "");
}

}  // namespace
