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

struct Category {
    std::string name;
    std::vector<std::pair<std::string, std::string>> units;  // name, factor as written
};

// The rows "| `Name` | factor | note |" under each "## Category" heading.
std::vector<Category> ReadDocument(const char* path) {
    std::ifstream in(path);
    std::vector<Category> categories;
    const std::regex heading("## (.*)"), row("\\| `([^`]*)` \\| (\\S+) \\|.*");
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_match(line, match, heading)) categories.push_back({match[1], {}});
        if (std::regex_match(line, match, row)) categories.back().units.emplace_back(match[1], match[2]);
    }
    std::erase_if(categories, [](const Category& c) { return c.units.empty(); });
    return categories;
}

// docs/units.md, the users' reference, is the catalogue's record: the same
// categories, unit names in list order, and factors to 15 digits.
TEST(CategoryTable, HoldsTheDocumentedUnitsAndFactors) {
    const auto documented = ReadDocument(MENSARO_UNITS_DOC);
    ASSERT_EQ(documented.size(), mensaro::kCategoryNames.size()) << "cannot read " << MENSARO_UNITS_DOC;
    for (std::size_t c = 0; c < documented.size(); ++c) {
        const auto& [category, units] = documented[c];
        EXPECT_EQ(category, mensaro::kCategoryNames[c]);
        const auto table = CategoryTable(category);
        ASSERT_TRUE(table && table->size() == 2 * units.size()) << category;
        for (std::size_t i = 0; i < units.size(); ++i) {
            EXPECT_EQ(mensaro::UnitName(*table, i), units[i].first) << category << " " << i;
            if (category == mensaro::kTemperatureCategory) continue;  // formulas, not factors
            // Written to 15 significant digits.
            EXPECT_EQ(mensaro::WriteNumber(ReadFactor((*table)[2 * i + 1])),
                      mensaro::WriteNumber(mensaro::ReadNumber(units[i].second)))
                << units[i].first;
        }
    }
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
    EXPECT_EQ(mensaro::UnitName({std::string("Inch"), 1.0, std::string("Feet")}, 1), "");  // no factor, no unit
}

}  // namespace
