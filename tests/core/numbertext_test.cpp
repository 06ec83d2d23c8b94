// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numbertext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "tests/core/reference.h"
#include "tests/core/table_rows.h"

namespace {

using mensaro_test::PrintTo;
using mensaro_test::RoundedTo15;
using mensaro_test::RowName;

using mensaro::FormatByPattern;
using mensaro::kGeneralPattern;
using mensaro::kTemperaturePattern;
using mensaro::ReadNumber;
using mensaro::WriteNumber;

constexpr double kInf = std::numeric_limits<double>::infinity();

// ---------------------------------------------------------------- ReadNumber

struct ReadCase {
    const char* name;
    std::string text;
    double expected;
};

const ReadCase kReadCases[] = {
    // No number at the start reads as 0.
    {"Empty", "", 0.0},
    {"Letters", "abc", 0.0},
    {"Dollar", "$5", 0.0},
    {"SignOnly", "-", 0.0},
    {"PointOnly", ".", 0.0},
    {"PointThenExponent", ".e5", 0.0},
    {"TwoSigns", "+-3", 0.0},
    // The leading number; the rest is ignored.
    {"TrailingLetters", "12abc", 12.0},
    {"CommaEnds", "2,5", 2.0},
    {"SecondPointEnds", "1.2.3", 1.2},
    {"NegativeFraction", "-.5", -0.5},
    {"PlusSign", "+7", 7.0},
    {"TrailingPoint", "5.", 5.0},
    {"LowerExponent", "2.5e2", 250.0},
    {"NegativeExponent", "1E-05", 0.00001},
    {"PlusExponent", "1.5E+3", 1500.0},
    {"ExponentWithoutDigits", "5e", 5.0},
    {"ExponentSignWithoutDigits", "5e+", 5.0},
    {"ExponentThenLetters", "3E2x", 300.0},
    {"OnlyEStartsExponent", "1D5", 1.0},
    {"LeadingZeros", "000123.4500", 123.45},
    // Blanks, tabs and line feeds vanish wherever they stand.
    {"BlankAfterSign", "- 3", -3.0},
    {"BlankInDigits", "1 000", 1000.0},
    {"TabAndNewline", "\t4\n2", 42.0},
    {"BlankInExponent", "1e 3", 1000.0},
    {"CarriageReturnEnds", "4\r2", 4.0},
    // Hexadecimal and octal integers, any length, never negative.
    {"Hex", "&HFF", 255.0},
    {"HexLower", "&hff", 255.0},
    {"HexStopsAtNonDigit", "&H1G", 1.0},
    {"HexNoDigits", "&H", 0.0},
    {"HexBeyond32Bits", "&HFFFFFFFFFF", 1099511627775.0},
    {"HexTieRoundsEven", "&H20000000000001", 9007199254740992.0},
    {"HexAboveTieRoundsUp", "&H20000000000003", 9007199254740996.0},
    {"HexHugeIsInfinite", "&H" + std::string(300, 'F'), kInf},
    {"Octal", "&O17", 15.0},
    {"OctalLower", "&o777", 511.0},
    {"OctalStopsAt8", "&O78", 7.0},
    {"OctalLong", "&O1777777777777777777777", 18446744073709551615.0},
    {"AmpersandAlone", "&", 0.0},
    {"AmpersandOther", "&X1", 0.0},
    // Beyond the double range.
    {"HugeExponent", "1E999", kInf},
    {"HugeNegative", "-1E999", -kInf},
    {"ExponentDigitsOverflow", "1E99999999999999999999999", kInf},
    {"Underflow", "1E-999", 0.0},
    {"Subnormal", "4.9406564584124654E-324", std::numeric_limits<double>::denorm_min()},
    {"LargestDouble", "1.7976931348623157E308", std::numeric_limits<double>::max()},
    {"ZeroWithHugeExponent", "0E99999", 0.0},
    {"ManyLeadingZerosThenExponent", "0.000000000000000000001E21", 1.0},
    // More digits than a double holds: the nearest double.
    {"ThirtyDigits", "0.00155000310000620156240312480625", 0.00155000310000620156240312480625},
    {"HalfwayNeedsAllDigits", "9007199254740993.000000000000000000001", 9007199254740994.0},
    {"HalfwayExact", "9007199254740993", 9007199254740992.0},
};

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, GivesTheLeadingNumber) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, ReadNumberTest, testing::ValuesIn(kReadCases), RowName<ReadCase>);

TEST(ReadNumber, KeepsTheSignOfNegativeZero) {
    EXPECT_TRUE(std::signbit(ReadNumber("-0")));
    EXPECT_TRUE(std::signbit(ReadNumber("-0.000")));
    EXPECT_FALSE(std::signbit(ReadNumber("0")));
}

// -------------------------------------------------------------- WriteNumber

struct WriteCase {
    const char* name;
    double value;
    const char* expected;
};

const WriteCase kWriteCases[] = {
    // The value box's Up and Down steps.
    {"StepUp", 1 + 0.001, "1.001"},
    {"StepBelowZero", 0 - 0.001, "-0.001"},
    {"StepBackToZero", -0.001 + 0.001, "0"},
    {"StepToInteger", 1.999 + 0.001, "2"},
    {"BinaryDebrisHidden", 0.1 + 0.2, "0.3"},
    {"StepLostAtMagnitude", 99999999999999.9 + 0.001, "99999999999999.9"},
    // Zero, either sign.
    {"Zero", 0.0, "0"},
    {"NegativeZero", -0.0, "0"},
    // Plain between 1E-04 and 1E+15.
    {"SmallestPlain", 0.0001, "0.0001"},
    {"FifteenDigitInteger", 123456789012345.0, "123456789012345"},
    {"Integer", 1500.0, "1500"},
    {"Negative", -2.5, "-2.5"},
    {"RoundsUpAtSixteenth", 0.12345678901234567, "0.123456789012346"},
    // Exponent form outside.
    {"FiveDecimalZeros", 0.00101 - 0.001, "1E-05"},
    {"SmallWithDigits", 0.000015, "1.5E-05"},
    {"TenToFifteen", 1E15, "1E+15"},
    {"TwoToFiftyThree", 9007199254740992.0, "9.00719925474099E+15"},
    {"Seventeen", 123456789012345678.0, "1.23456789012346E+17"},
    {"Hundred", 1E100, "1E+100"},
    {"NegativeTiny", -1.5E-300, "-1.5E-300"},
    {"RoundingCarriesIntoExponent", 999999999999999.9, "1E+15"},
    {"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    {"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    // Not a number a box can hold.
    {"Infinite", kInf, "Overflow"},
};

class WriteNumberTest : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteNumberTest, WritesPlainOrExponentForm) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(WriteNumber(c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, WriteNumberTest, testing::ValuesIn(kWriteCases), RowName<WriteCase>);

// Reading what was written gives the value rounded to 15 significant digits,
// across the whole range, for both signs and for awkward mantissas.
TEST(WriteNumber, ReadsBackAsTheValueRoundedTo15Digits) {
    std::uint64_t state = 0x9E3779B97F4A7C15u;  // fixed seed: the sweep is the same every run
    int checked = 0;
    for (int exponent = -300; exponent <= 300; ++exponent) {
        for (int k = 0; k < 12; ++k) {
            state = state * 6364136223846793005u + 1442695040888963407u;
            const double mantissa = 1.0 + static_cast<double>(state >> 11) * 0x1p-53 * 9.0;  // [1, 10)
            const double value = (k % 2 ? -1.0 : 1.0) * mantissa * std::pow(10.0, exponent);
            if (!std::isfinite(value) || value == 0.0) continue;
            const std::string text = WriteNumber(value);
            ASSERT_EQ(ReadNumber(text), RoundedTo15(value)) << "value " << value << " written as " << text;
            ++checked;
        }
    }
    EXPECT_GT(checked, 7000);
    // The largest doubles round to 15 digits beyond the range, and read back so.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(ReadNumber(WriteNumber(largest)), RoundedTo15(largest));
    EXPECT_EQ(ReadNumber(WriteNumber(-largest)), -kInf);
}

// --------------------------------------------------------------- StepNumber

struct StepCase {
    const char* name;
    const char* text;
    double step;
    const char* expected;
};

const StepCase kStepCases[] = {
    {"UpFrom5", "5", 0.001, "5.001"},
    {"DownFrom5", "5", -0.001, "4.999"},
    {"DownFromZero", "0", -0.001, "-0.001"},
    {"UpToZero", "-0.001", 0.001, "0"},
    {"UpFromEmpty", "", 0.001, "0.001"},
    {"DownFromLetters", "abc", -0.001, "-0.001"},
    {"TrailingLettersLost", "12abc", 0.001, "12.001"},
    {"ExponentFormIn", "1E-05", 0.001, "0.00101"},
    {"ExponentFormOut", "0.00101", -0.001, "1E-05"},
    {"LostAtMagnitude", "99999999999999.9", 0.001, "99999999999999.9"},
    {"InfiniteStays", "1E999", 0.001, "1E999"},
    {"NegativeInfiniteStays", "-1e400x", -0.001, "-1e400x"},
    {"HexStepped", "&HFF", 0.001, "255.001"},
};

class StepNumberTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepNumberTest, StepsFromTheTextShown) {
    const StepCase& c = GetParam();
    EXPECT_EQ(mensaro::StepNumber(c.text, c.step), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, StepNumberTest, testing::ValuesIn(kStepCases), RowName<StepCase>);

// From 1, a thousand steps up pass 1.001, 1.002 ... and end at exactly 2.
TEST(StepNumber, AThousandStepsUpFromOneEndAtTwo) {
    std::string text = "1";
    for (int k = 1; k <= 1000; ++k) {
        text = mensaro::StepNumber(text, mensaro::kValueStep);
        const int thousandths = 1000 + k;
        std::string expected = std::to_string(thousandths / 1000);
        std::string fraction = std::to_string(1000 + thousandths % 1000).substr(1);
        while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
        if (!fraction.empty()) expected += "." + fraction;
        ASSERT_EQ(text, expected) << "step " << k;
    }
}

// ---------------------------------------------------------- FormatByPattern

struct FormatCase {
    const char* name;
    double value;
    std::string_view pattern;
    std::string expected;
};

const FormatCase kFormatCases[] = {
    {"IntegerTemperature", 212.0, kTemperaturePattern, "212.00"},
    {"Zero", 0.0, kGeneralPattern, "0.00"},
    {"ThirdTemperature", 1.0 / 3.0, kTemperaturePattern, "0.333333"},
    {"ThirdGeneral", 1.0 / 3.0, kGeneralPattern, "0.333333333333333"},
    {"HairBelowRound", 2.5399999999999987, kGeneralPattern, "2.54"},
    {"HairBelowOne", 0.9999999999999998, kGeneralPattern, "1.00"},
    {"TrailingZerosDropped", 1234.5678901, kTemperaturePattern, "1234.56789"},
    {"HalfRoundsAwayFromZero", 0.0000005, kTemperaturePattern, "0.000001"},
    {"HalfNegativeRoundsAway", -0.0000005, kTemperaturePattern, "-0.000001"},
    {"SmallGeneral", 0.0000005, kGeneralPattern, "0.0000005"},
    {"TooSmallForTemperature", 0.0000001, kTemperaturePattern, "0.00"},
    {"NegativeTemperature", -2.125, kTemperaturePattern, "-2.125"},
    {"CarryIntoInteger", 9.9999996, kTemperaturePattern, "10.00"},
    {"CarryAcrossAllDigits", 999999.9999996, kTemperaturePattern, "1000000.00"},
    {"LargeAllDigits", 3153600000000000.0, kGeneralPattern, "3153600000000000.00"},
    {"BeyondFifteenDigitsAreZeros", 123456789012345678.0, kGeneralPattern, "123456789012346000.00"},
    {"NegativeRoundingToZeroHasNoSign", -0.0000001, kTemperaturePattern, "0.00"},
    {"NegativeZero", -0.0, kGeneralPattern, "0.00"},
    {"FifteenDecimals", 0.000000000000001, kGeneralPattern, "0.000000000000001"},
    {"BelowFifteenDecimals", 0.0000000000000004, kGeneralPattern, "0.00"},
    {"HalfAtFifteenthDecimal", 0.0000000000000005, kGeneralPattern, "0.000000000000001"},
    {"SixteenthDigitRoundsFirst", 1.0000000000000004, kGeneralPattern, "1.00"},
    {"NegativeInteger", -36.0, kGeneralPattern, "-36.00"},
    {"LargestDouble", std::numeric_limits<double>::max(), kTemperaturePattern,
     "179769313486232" + std::string(294, '0') + ".00"},
    {"Infinite", kInf, kGeneralPattern, "Overflow"},
    {"NegativeInfinite", -kInf, kTemperaturePattern, "Overflow"},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), kGeneralPattern, "Overflow"},
    // Other shapes of pattern.
    {"NoOptionalDecimals", 2.5, "0.00", "2.50"},
    {"NoPoint", 2.5, "0", "3"},
    {"TwoIntegerDigits", 2.5, "00.0#", "02.5"},
};

class FormatByPatternTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatByPatternTest, FormatsByThePattern) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatByPattern(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatByPatternTest, testing::ValuesIn(kFormatCases), RowName<FormatCase>);

}  // namespace
