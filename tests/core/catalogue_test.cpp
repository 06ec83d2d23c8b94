// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "core/numbertext.h"

namespace {

using mensaro::CategoryTable;
using mensaro::ReadFactor;

struct Unit {
    std::string name;
    std::string factor;   // as written
    std::string aliases;  // as the catalogue keeps them: '|' between them
};
struct Category {
    std::string name;
    std::vector<Unit> units;
};

// The rows "| `Name` | factor | note | `alias`, `alias` |" under each "## Category" heading.
std::vector<Category> ReadDocument(const char* path) {
    std::ifstream in(path);
    std::vector<Category> categories;
    const std::regex heading("## (.*)"), row("\\| `([^`]*)` \\| (\\S+) \\|[^|]*\\|(.*)\\|");
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_match(line, match, heading)) categories.push_back({match[1], {}});
        if (!std::regex_match(line, match, row)) continue;
        const std::string aliases = std::regex_replace(match[3].str(), std::regex("^ *`?|`? *$"), "");
        categories.back().units.push_back({match[1], match[2], std::regex_replace(aliases, std::regex("`, `"), "|")});
    }
    std::erase_if(categories, [](const Category& c) { return c.units.empty(); });
    return categories;
}

// docs/units.md, the users' reference, is the catalogue's record: the same
// categories, unit names in list order, factors to 15 digits, other names.
TEST(CategoryTable, HoldsTheDocumentedUnitsAndFactors) {
    const auto documented = ReadDocument(MENSARO_UNITS_DOC);
    ASSERT_EQ(documented.size(), mensaro::kCategoryNames.size()) << "cannot read " << MENSARO_UNITS_DOC;
    for (std::size_t c = 0; c < documented.size(); ++c) {
        const auto& [category, units] = documented[c];
        EXPECT_EQ(category, mensaro::kCategoryNames[c]);
        const auto table = CategoryTable(category);
        ASSERT_TRUE(table && table->size() == 2 * units.size()) << category;
        for (std::size_t i = 0; i < units.size(); ++i) {
            EXPECT_EQ(mensaro::UnitName(*table, i), units[i].name) << category << " " << i;
            EXPECT_EQ(mensaro::UnitAliases(c, i), units[i].aliases) << units[i].name;
            if (category == mensaro::kTemperatureCategory) continue;  // formulas, not factors
            // Written to 15 significant digits.
            EXPECT_EQ(mensaro::WriteNumber(ReadFactor((*table)[2 * i + 1])),
                      mensaro::WriteNumber(mensaro::ReadNumber(units[i].factor)))
                << units[i].name;
        }
    }
}

// The man page's UNIT NAMES list every unit that has other names, with them.
TEST(UnitAliases, AreTheManPages) {
    std::ifstream in(MENSARO_MAN_PAGE);
    std::string listed;  // "Name=alias|alias;" for each entry, in order
    enum { kElsewhere, kSection, kEntries } at = kElsewhere;
    for (std::string line; std::getline(in, line);) {
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
}

TEST(CategoryTable, MatchesOnlyTheExactName) {
    for (const char* text : {"distance", "Distance ", " Distance", "Temperature", "", "DISTANCE", "Tim"})
        EXPECT_FALSE(CategoryTable(text)) << '"' << text << '"';
}

TEST(CategoryTable, KeepsPintUkExactAndNamesNothingPastTheEnd) {
    const auto volume = *CategoryTable("Volume");
    EXPECT_EQ(std::get<double>(volume[11]), 568.3000000000001);  // Pint UK: 1000 * 0.5683, one ulp above 568.3
    EXPECT_EQ(mensaro::UnitName(volume, 10), "");
    EXPECT_EQ(mensaro::UnitName({}, 0), "");
    EXPECT_EQ(mensaro::UnitAliases(0, 8), "cm|centimeters|centimetre|centimetres");
    for (const auto [category, position] : {std::pair(3, 8), {0, 11}, {6, 0}, {5, 99}})  // Ton, then past the ends
        EXPECT_EQ(mensaro::UnitAliases(category, position), "") << category << " " << position;
    EXPECT_EQ(mensaro::UnitName({std::string("Inch"), 1.0, std::string("Feet")}, 1), "");  // no factor, no unit
}

}  // namespace
