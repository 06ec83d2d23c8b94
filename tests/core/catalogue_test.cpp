// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "core/conversion.h"
#include "core/numbertext.h"
#include "core/unitnames.h"

namespace {

using mensaro::CategoryTable;

// docs/units.md, the users' reference, is the catalogue's record: the same categories, unit names in list order,
// factors to 15 digits, other names; each unit as "Category: Name factor alias|alias".
TEST(CategoryTable, HoldsTheDocumentedUnitsAndFactors) {
    const auto factor = [](std::string_view category, double value) {
        return category == mensaro::kTemperatureCategory ? "" : mensaro::WriteNumber(value);  // formulas
    };
    std::string documented, catalogue;  // a line a unit
    std::ifstream in(MENSARO_UNITS_DOC);
    const std::regex heading("## (.*)"), row("\\| `([^`]*)` \\| (\\S+) \\|[^|]*\\|(.*)\\|");
    std::smatch match;
    std::string category;  // the rows "| `Name` | factor | note | `alias`, `alias` |" under each "## Category"
    for (std::string line; std::getline(in, line);) {
        if (std::regex_match(line, match, heading)) category = match[1];
        if (!std::regex_match(line, match, row)) continue;
        const std::string aliases = std::regex_replace(match[3].str(), std::regex("^ *`?|`? *$"), "");
        documented += category + ": " + match[1].str() + " " + factor(category, mensaro::ReadNumber(match[2].str())) +
                      " " + std::regex_replace(aliases, std::regex("`, `"), "|") + "\n";
    }
    for (std::size_t c = 0; c < mensaro::kCategoryNames.size(); ++c) {
        const auto name = mensaro::kCategoryNames[c];
        const auto table = *CategoryTable(name);
        for (std::size_t i = 0; i < table.size() / 2; ++i)
            catalogue += std::string(name) + ": " + std::string(mensaro::UnitName(table, i)) + " " +
                         factor(name, mensaro::ReadFactor(table[2 * i + 1])) + " " +
                         std::string(mensaro::UnitAliases(c, i)) + "\n";
    }
    EXPECT_EQ(documented, catalogue) << "in " << MENSARO_UNITS_DOC;
}

// The man page's UNIT NAMES list every unit that has other names, with them; its keywords are the reader's.
TEST(UnitAliases, AreTheManPages) {
    std::ifstream in(MENSARO_MAN_PAGE);
    std::string listed, keywords, expectedKeywords;  // "Name=alias|alias;" for each entry, in order
    enum { kElsewhere, kSection, kEntries, kKeywordList } at = kElsewhere;
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with("perhaps one of the words") || (at == kKeywordList && line.starts_with("and the unit")))
            at = at == kKeywordList ? kElsewhere : kKeywordList;
        if (at == kKeywordList && line.starts_with(".B"))
            keywords += std::regex_replace(line, std::regex("^\\.BR? |\\\\(?=-)| ?,$"), "") + " ";
        if (line.starts_with(".SH")) at = line == ".SH UNIT NAMES" ? kSection : kElsewhere;
        if (line.starts_with(".SS") && at != kElsewhere) at = kEntries;
        if (at != kEntries || line.starts_with(".TP") || line.starts_with(".SS")) continue;
        if (line.starts_with(".B ")) {
            listed += (listed.empty() ? "" : ";") + line.substr(3) + "=";
        } else if (!listed.empty()) {  // the names, perhaps over several lines
            for (const auto& [escape, mark] : {std::pair("\\(dq", "\""), {"\\(aq", "'"}, {"\\(de", "°"}, {"\\-", "-"}})
                for (auto at = line.find(escape); at != std::string::npos; at = line.find(escape))
                    line.replace(at, std::string_view(escape).size(), mark);
            listed += (listed.ends_with("=") ? "" : "|") +
                      std::regex_replace(std::regex_replace(line, std::regex(",$"), ""), std::regex(", "), "|");
        }
    }
    std::string expected;
    for (std::size_t c = 0; c < mensaro::kCategoryNames.size(); ++c) {
        const auto table = *CategoryTable(mensaro::kCategoryNames[c]);
        for (std::size_t i = 0; i < table.size() / 2; ++i)
            if (!mensaro::UnitAliases(c, i).empty())
                expected += (expected.empty() ? "" : ";") + std::string(mensaro::UnitName(table, i)) + "=" +
                            std::string(mensaro::UnitAliases(c, i));
    }
    EXPECT_EQ(listed, expected) << "in " << MENSARO_MAN_PAGE;
    for (const std::string_view keyword : mensaro::kKeywords) expectedKeywords += std::string(keyword) + " ";
    EXPECT_EQ(keywords, std::regex_replace(expectedKeywords, std::regex("\u2192"), "\\[u2192]"));
}

TEST(CategoryTable, MatchesOnlyTheExactNameKeepsPintUkExactAndNamesNothingPastTheEnd) {
    for (const char* text : {"distance", "Distance ", " Distance", "Temperature", "", "DISTANCE", "Tim"})
        EXPECT_FALSE(CategoryTable(text)) << '"' << text << '"';
    const auto volume = *CategoryTable("Volume");
    EXPECT_EQ(std::get<double>(volume[11]), 568.3000000000001);  // Pint UK: 1000 * 0.5683, one ulp above 568.3
    EXPECT_EQ(mensaro::UnitName(volume, 10), "");
    EXPECT_EQ(mensaro::UnitName({}, 0), "");
    for (const auto& [category, position] : {std::pair(3, 8), {0, 11}, {6, 0}, {5, 99}})  // Ton, then past the ends
        EXPECT_EQ(mensaro::UnitAliases(category, position), "") << category << " " << position;
    EXPECT_EQ(mensaro::UnitName({std::string("Inch"), 1.0, std::string("Feet")}, 1), "");  // no factor, no unit
}

// Category, value, from and to positions, the result text. Positions: Distance 0 Inch, 1 Feet, 2 Yard,
// 4 Mile, 5 Nautical Mile, 6 separator, 8 Centimeter, 9 Meter, 10 Kilometer; Temprature 0 C, 1 F, 2 K.
// clang-format off
const std::tuple<const char*, std::string, int, int, std::string> kConversions[] = {
    {"Distance", "1", 0, 8, "2.54"}, {"Distance", "1", 4, 10, "1.609344"},
    {"Distance", "1", 10, 4, "0.621371192237334"}, {"Distance", "2", 1, 2, "0.666666666666667"},
    {"Distance", "100", 8, 9, "1.00"}, {"Distance", "-3", 1, 0, "-36.00"}, {"Weight", "1", 2, 7, "0.453592"},
    {"Time", "1", 3, 4, "0.142857142857143"}, {"Time", "1000000", 7, 0, "3153600000000000.00"},
    {"Volume", "1", 5, 0, "568.30"}, {"Area", "1", 7, 5, "640.00"},
    // Temperatures by formula: Farenhite and Kelvin meet through Celsius, Kelvin is 273 above.
    {"Temprature", "100", 0, 1, "212.00"}, {"Temprature", "0", 1, 0, "-17.777778"}, {"Temprature", "0", 0, 2, "273.00"},
    {"Temprature", "0", 2, 0, "-273.00"}, {"Temprature", "25.5", 1, 1, "25.50"}, {"Temprature", "50", 1, 2, "283.00"},
    {"Temprature", "283", 2, 1, "50.00"}, {"Temprature", "0", 2, 1, "-459.40"},
    // An empty value converts 0; only the leading number counts; the separator converts as the base unit.
    {"Distance", "", 4, 10, "0.00"}, {"Temprature", "", 0, 1, "32.00"}, {"Distance", "12abc", 0, 0, "12.00"},
    {"Distance", "2,5", 0, 0, "2.00"}, {"Distance", "0.125", 1, 1, "0.125"}, {"Distance", "12", 6, 1, "1.00"},
    {"Weight", "1000", 5, 7, "1.00"}, {"Volume", "1000", 2, 1, "1.00"},
    // Beyond the double range; but a unit to itself is the value, even past the base unit's range.
    {"Temprature", "1E308", 0, 1, "Overflow"}, {"Distance", "1E308", 10, 0, "Overflow"},
    {"Distance", "1E999", 0, 0, "Overflow"}, {"Temprature", "-1E999", 0, 2, "Overflow"},
    {"Distance", "1E300", 1, 0, "12" + std::string(300, '0') + ".00"},
    {"Distance", "1E308", 10, 10, "1" + std::string(308, '0') + ".00"}, {"Volume", "0.1", 3, 3, "0.10"},
    // Only the temperature category's index selects the formulas; a position outside the table gives no text.
    {"Temperature", "100", 0, 1, "100.00"}, {"Temprature", "1", 3, 0, ""}, {"Temprature", "1", 0, 3, ""},
    {"Temprature", "1", -1, 0, ""}, {"Temprature", "1", 0, -1, ""}};
// clang-format on

TEST(ConvertValue, GivesTheResultText) {
    for (const auto& [category, value, from, to, expected] : kConversions) {
        // By index; the temperature table also stands in for a category no table has.
        const auto index = static_cast<std::size_t>(
            std::find(mensaro::kCategoryNames.begin(), mensaro::kCategoryNames.end(), category) -
            mensaro::kCategoryNames.begin());
        const auto table = CategoryTable(category).value_or(*CategoryTable("Temprature"));
        EXPECT_EQ(mensaro::ConvertValue(table, index, value, from, to), expected)
            << category << " " << value << " from " << from << " to " << to;
    }
    EXPECT_EQ(mensaro::ConvertValue({}, 0, "1", 0, 0), "");
}

}  // namespace
