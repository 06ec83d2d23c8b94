// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/table_rows.h"

namespace {

using mensaro_test::PrintTo;
using mensaro_test::RowName;

using mensaro::CategoryTable;
using mensaro::ConvertValue;

struct ConversionCase {
    const char* name;
    const char* category;
    std::string value;
    int from;
    int to;
    std::string expected;
};

// Positions: Distance 0 Inch, 1 Feet, 2 Yard, 4 Mile, 6 separator,
// 8 Centimeter, 9 Meter, 10 Kilometer; Temprature 0 C, 1 F, 2 K.
const ConversionCase kCases[] = {
    // Worked examples.
    {"InchToCentimeter", "Distance", "1", 0, 8, "2.54"},
    {"MileToKilometer", "Distance", "1", 4, 10, "1.609344"},
    {"KilometerToMile", "Distance", "1", 10, 4, "0.621371192237334"},
    {"FeetToYard", "Distance", "2", 1, 2, "0.666666666666667"},
    {"FeetToInch", "Distance", "1", 1, 0, "12.00"},
    {"CentimeterToMeter", "Distance", "100", 8, 9, "1.00"},
    {"NegativeFeetToInch", "Distance", "-3", 1, 0, "-36.00"},
    {"PoundToKilogram", "Weight", "1", 2, 7, "0.453592"},
    {"DayToWeek", "Time", "1", 3, 4, "0.142857142857143"},
    {"CenturiesToSeconds", "Time", "1000000", 7, 0, "3153600000000000.00"},
    {"BoilingCToF", "Temprature", "100", 0, 1, "212.00"},
    {"BodyCToF", "Temprature", "37", 0, 1, "98.60"},
    {"FreezingFToC", "Temprature", "0", 1, 0, "-17.777778"},
    {"CToK", "Temprature", "0", 0, 2, "273.00"},
    {"KToC", "Temprature", "0", 2, 0, "-273.00"},
    {"CToC", "Temprature", "25.5", 0, 0, "25.50"},
    {"SameCAndFAtMinus40", "Temprature", "-40", 0, 1, "-40.00"},
    // An empty value converts 0.
    {"EmptyFactor", "Distance", "", 4, 10, "0.00"},
    {"EmptyCToF", "Temprature", "", 0, 1, "32.00"},
    {"EmptyFToC", "Temprature", "", 1, 0, "-17.777778"},
    {"EmptyCToK", "Temprature", "", 0, 2, "273.00"},
    {"EmptyKToC", "Temprature", "", 2, 0, "-273.00"},
    // Only the leading number counts.
    {"TrailingLetters", "Distance", "12abc", 0, 0, "12.00"},
    {"CommaEndsNumber", "Distance", "2,5", 0, 0, "2.00"},
    {"FeetToItself", "Distance", "0.125", 1, 1, "0.125"},
    // The separator converts as the base unit.
    {"SeparatorIsInch", "Distance", "12", 6, 1, "1.00"},
    {"SeparatorIsGram", "Weight", "1000", 5, 7, "1.00"},
    {"SeparatorIsMililiter", "Volume", "1000", 2, 1, "1.00"},
    // The built-in factors, unusual ones included.
    {"NauticalMileInches", "Distance", "1", 5, 0, "72900.00"},
    {"LiterToCuInch", "Volume", "1", 1, 3, "61.0243370868142"},
    {"PintUKToMililiter", "Volume", "1", 5, 0, "568.30"},
    {"GallonUSToLiter", "Volume", "1", 9, 1, "3.785"},
    {"TonneToTon", "Weight", "1", 4, 8, "1.01605"},
    {"HectareToSqMeter", "Area", "1", 14, 12, "10000.00"},
    {"SqMileToAcre", "Area", "1", 7, 5, "640.00"},
    {"YearToDays", "Time", "1", 5, 3, "365.00"},
    // Farenhite and Kelvin meet through Celsius.
    {"FToK", "Temprature", "50", 1, 2, "283.00"},
    {"KToF", "Temprature", "283", 2, 1, "50.00"},
    {"FreezingFToK", "Temprature", "32", 1, 2, "273.00"},
    {"ZeroKToF", "Temprature", "0", 2, 1, "-459.40"},
    // Results outside the double range.
    {"CToFOverflow", "Temprature", "1E308", 0, 1, "Overflow"},
    {"FactorOverflow", "Distance", "1E308", 10, 0, "Overflow"},
    {"ValueBeyondRange", "Distance", "1E999", 0, 0, "Overflow"},
    {"NegativeBeyondRange", "Temprature", "-1E999", 0, 2, "Overflow"},
    {"LargestStillFits", "Distance", "1E300", 1, 0, "12" + std::string(300, '0') + ".00"},
    // A unit to itself is the value, even where the way through the base unit
    // would overflow.
    {"HugeKilometersToThemselves", "Distance", "1E308", 10, 10, "1" + std::string(308, '0') + ".00"},
    {"CuInchToItself", "Volume", "0.1", 3, 3, "0.10"},
    // Only the exact category text selects the temperature formulas.
    {"TemperatureSpelledRightTakesFactors", "Temperature", "100", 0, 1, "100.00"},
};

class ConvertValueTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConvertValueTest, GivesTheResultText) {
    const ConversionCase& c = GetParam();
    // The table comes from the category except for the one row that tests a
    // category text no table has.
    const auto table = CategoryTable(c.category).value_or(*CategoryTable("Temprature"));
    EXPECT_EQ(ConvertValue(table, c.category, c.value, c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ConvertValueTest, testing::ValuesIn(kCases), RowName<ConversionCase>);

TEST(ConvertValue, GivesNoTextForPositionsOutsideTheTable) {
    const auto temperature = *CategoryTable("Temprature");
    EXPECT_EQ(ConvertValue(temperature, "Temprature", "1", 3, 0), "");
    EXPECT_EQ(ConvertValue(temperature, "Temprature", "1", 0, -1), "");
    EXPECT_EQ(ConvertValue({}, "Distance", "1", 0, 0), "");
}

}  // namespace
