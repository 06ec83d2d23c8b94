// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "core/text.h"

namespace {

using mensaro::ReadNumber;

// As the toolkit does at start-up; the de_DE.UTF-8 run thus checks the core under a comma-decimal locale.
const char* const kLocale = std::setlocale(LC_ALL, "");
TEST(Locale, IsTheEnvironments) { ASSERT_NE(kLocale, nullptr) << "the locale asked for is not available"; }

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

// Tables here are packed by hand, several short rows a line.
// clang-format off
TEST(ReadNumber, ReadsAndMeasuresTheLeadingNumber) {
    const std::pair<std::string, double> rows[] = {
        // No number at the start reads as 0; the rest is ignored; only E starts an exponent.
        {"", 0}, {"abc", 0}, {"$5", 0}, {"-", 0}, {".", 0}, {".e5", 0}, {"+-3", 0}, {"&", 0}, {"&X1", 0}, {"&H", 0},
        {"12abc", 12}, {"2,5", 2}, {"1.2.3", 1.2}, {"-.5", -0.5}, {"+7", 7}, {"5.", 5}, {"2.5e2", 250}, {"5e", 5},
        {"1E-05", 0.00001}, {"1.5E+3", 1500}, {"5e+", 5}, {"3E2x", 300}, {"1D5", 1}, {"000123.4500", 123.45},
        // Blanks, tabs and line feeds vanish wherever they stand; a carriage return ends the number.
        {"- 3", -3}, {"1 000", 1000}, {"\t4\n2", 42}, {"1e 3", 1000}, {"4\r2", 4},
        // Hexadecimal and octal integers of any length, never negative, rounded to even.
        {"&HFF", 255}, {"&hff", 255}, {"&H1G", 1}, {"&HFFFFFFFFFF", 1099511627775.0}, {"&O78", 7},
        {"&H20000000000001", 9007199254740992.0}, {"&H20000000000003", 9007199254740996.0},
        {"&H" + std::string(300, 'F'), kInf}, {"&O17", 15}, {"&o777", 511},
        {"&O1777777777777777777777", 18446744073709551615.0},
        // The ends of the double range, and more digits than a double holds.
        {"1E999", kInf}, {"-1E999", -kInf}, {"1E99999999999999999999999", kInf}, {"1E-999", 0}, {"0E99999", 0},
        {"4.9406564584124654E-324", kTiny}, {"1.7976931348623157E308", kMax}, {"-1.79769313486232E+308", -kInf},
        {"0.000000000000000000001E21", 1}, {"0.00155000310000620156240312480625", 0.00155000310000620156240312480625},
        {"9007199254740993.000000000000000000001", 9007199254740994.0}, {"9007199254740993", 9007199254740992.0}};
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(ReadNumber(text), expected) << '"' << text << '"';
        // The part NumberLength measures is all that is read.
        if (text.find_first_of(" \t\n\r") == std::string::npos) {
            EXPECT_EQ(ReadNumber(text.substr(0, mensaro::NumberLength(text))), expected) << '"' << text << '"';
        }
    }
    EXPECT_TRUE(std::signbit(ReadNumber("-0.000")));
    EXPECT_FALSE(std::signbit(ReadNumber("0")));
    const std::pair<std::string_view, std::size_t> lengths[] = {
        {"12abc", 2}, {"-.5", 3}, {"2.5e2", 5}, {"2.5e", 3}, {"1.2.3", 3}, {"&HFF", 4}, {"&H", 0}, {"abc", 0}, {"-", 0},
        {".", 0}, {"5.", 2}, {"+3", 2}, {"1e+", 1}, {"1E-5x", 4}, {"&o78", 3}, {"&X1", 0}, {"", 0}};
    for (const auto& [text, length] : lengths) EXPECT_EQ(mensaro::NumberLength(text), length) << '"' << text << '"';
}

TEST(WriteNumber, WritesPlainOrExponentForm) {
    // Up and Down steps and zero of either sign; plain from 1E-04 up to 1E+15, exponent form outside.
    const std::pair<double, std::string> rows[] = {
        {1 + 0.001, "1.001"}, {0 - 0.001, "-0.001"}, {-0.001 + 0.001, "0"}, {1.999 + 0.001, "2"}, {0.1 + 0.2, "0.3"},
        {99999999999999.9 + 0.001, "99999999999999.9"}, {0.0, "0"}, {-0.0, "0"}, {0.0001, "0.0001"}, {1500, "1500"},
        {123456789012345.0, "123456789012345"}, {-2.5, "-2.5"}, {0.12345678901234567, "0.123456789012346"},
        {0.00101 - 0.001, "1E-05"}, {0.000015, "1.5E-05"}, {1E15, "1E+15"}, {1E-10, "1E-10"}, {1E100, "1E+100"},
        {9007199254740992.0, "9.00719925474099E+15"}, {-1.5E-300, "-1.5E-300"}, {999999999999999.9, "1E+15"},
        {kMax, "1.79769313486232E+308"}, {kTiny, "4.94065645841247E-324"}, {kInf, "Overflow"}};
    for (const auto& [value, expected] : rows) EXPECT_EQ(mensaro::WriteNumber(value), expected) << value;
}

TEST(StepNumber, StepsFromTheTextShown) {
    const std::tuple<std::string, double, std::string> rows[] = {
        {"5", 0.001, "5.001"}, {"5", -0.001, "4.999"}, {"0", -0.001, "-0.001"}, {"-0.001", 0.001, "0"},
        {"", 0.001, "0.001"}, {"abc", -0.001, "-0.001"}, {"12abc", 0.001, "12.001"}, {"1E-05", 0.001, "0.00101"},
        {"0.00101", -0.001, "1E-05"}, {"99999999999999.9", 0.001, "99999999999999.9"}, {"1E999", 0.001, "1E999"},
        {"-1e400x", -0.001, "-1e400x"}, {"&HFF", 0.001, "255.001"}};
    for (const auto& [text, step, expected] : rows) EXPECT_EQ(mensaro::StepNumber(text, step), expected) << text;
    // A thousand steps up from 1 pass every thousandth, never with binary debris, and end at 2.
    std::string text = "1";
    for (int k = 1; k <= 1000; ++k) {
        text = mensaro::StepNumber(text, mensaro::kValueStep);
        ASSERT_TRUE(ReadNumber(text) == (1000 + k) / 1000.0 && text.size() <= 5) << k << ": " << text;
    }
    EXPECT_EQ(text, "2");
}

TEST(FormatByPattern, FormatsByThePattern) {
    const auto T = mensaro::kTemperaturePattern, G = mensaro::kGeneralPattern;
    const std::tuple<double, std::string_view, std::string> rows[] = {
        {212, T, "212.00"}, {0, G, "0.00"}, {1.0 / 3.0, T, "0.333333"}, {1.0 / 3.0, G, "0.333333333333333"},
        {2.5399999999999987, G, "2.54"}, {0.9999999999999998, G, "1.00"}, {1234.5678901, T, "1234.56789"},
        {0.0000005, T, "0.000001"}, {-0.0000005, T, "-0.000001"}, {0.0000005, G, "0.0000005"}, {0.0000001, T, "0.00"},
        {-2.125, T, "-2.125"}, {9.9999996, T, "10.00"}, {999999.9999996, T, "1000000.00"}, {-36, G, "-36.00"},
        {3153600000000000.0, G, "3153600000000000.00"}, {123456789012345678.0, G, "123456789012346000.00"},
        {-0.0000001, T, "0.00"}, {-0.0, G, "0.00"}, {0.000000000000001, G, "0.000000000000001"},
        {0.0000000000000004, G, "0.00"}, {0.0000000000000005, G, "0.000000000000001"}, {1.0000000000000004, G, "1.00"},
        {kMax, T, "179769313486232" + std::string(294, '0') + ".00"}, {kInf, G, "Overflow"}, {-kInf, T, "Overflow"},
        {std::nan(""), G, "Overflow"}, {2.5, "0.00", "2.50"}, {2.5, "0", "3"}, {2.5, "00.0#", "02.5"}};
    for (const auto& [value, pattern, expected] : rows)
        EXPECT_EQ(mensaro::FormatByPattern(value, pattern), expected) << value << " by " << pattern;
}

TEST(Text, MeasuresDecodesQuotesAndTrims) {
    // Overlong forms, surrogates, code points past U+10FFFF and sequences cut short are no UTF-8.
    const std::pair<std::string_view, std::size_t> lengths[] = {
        {"a", 1}, {"°C", 2}, {"\xff", 0}, {"\xc3", 0}, {"", 0}, {"\u20ac", 3}, {"\U0001F600", 4}, {"\xe0\x80\xaf", 0},
        {"\xed\xa0\x80", 0}, {"\xf4\x90\x80\x80", 0}, {"\xf5\x80\x80\x80", 0}, {"\xe2\x82", 0}, {{"\xc3\xa9", 1}, 0}};
    for (const auto& [text, length] : lengths) EXPECT_EQ(mensaro::Utf8Length(text), length) << text;
    EXPECT_TRUE(mensaro::IsUtf8("12 °F → ℃") && !mensaro::IsUtf8("12\xff"));
    const std::pair<std::string_view, char32_t> points[] = {{"°", U'\u00B0'}, {"\u2103", U'\u2103'}, {"K", U'K'},
                                                            {"\U0001F600", U'\U0001F600'}};
    for (const auto& [text, point] : points) EXPECT_EQ(mensaro::CodePoint(text), point) << text;
    const std::pair<std::string_view, std::string_view> quoted[] = {
        {"cm", "'cm'"}, {"a\xff", "'a\\xff'"}, {"\x1b[31m", "'\\x1b[31m'"}, {"°F", "'°F'"}, {"", "''"},
        {"\u009b1m", "'\\xc2\\x9b1m'"}, {"a\tb\x7f", "'a\\x09b\\x7f'"}, {"a\u202eb", "'a\\xe2\\x80\\xaeb'"}};
    for (const auto& [text, expected] : quoted) EXPECT_EQ(mensaro::Quoted(text), expected);
    std::string degrees = "a";  // cut between characters
    for (int i = 0; i < 40; ++i) degrees += "°";
    EXPECT_EQ(mensaro::Shown(degrees), "'" + degrees.substr(0, 59) + "'...");
    const std::pair<std::string_view, std::string_view> trims[] = {{" 12 \t", "12"}, {"1 2", "1 2"}, {" \t ", ""}};
    for (const auto& [text, trimmed] : trims) EXPECT_EQ(mensaro::Trimmed(text), trimmed) << '"' << text << '"';
}
// clang-format on

}  // namespace
