// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// docs/units.md, the user's reference to the units, must name exactly the
// catalogue's units, category by category, with the catalogue's factors.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <variant>

#include "core/catalogue.h"
#include "tests/core/reference.h"

namespace {

struct DocumentedUnit {
    std::string name;
    std::string factor;
};

// Table rows "| `Name` | factor | note |" under "## Category" headings.
std::map<std::string, std::vector<DocumentedUnit>> ReadDocument(const char* path) {
    std::ifstream in(path);
    std::map<std::string, std::vector<DocumentedUnit>> units;
    std::string line, category;
    while (std::getline(in, line)) {
        if (line.rfind("## ", 0) == 0) {
            category = line.substr(3);
        } else if (line.rfind("| `", 0) == 0) {
            const auto nameEnd = line.find('`', 3);
            const auto factorStart = line.find('|', nameEnd) + 1;
            const auto factorEnd = line.find('|', factorStart);
            std::string factor = line.substr(factorStart, factorEnd - factorStart);
            factor.erase(0, factor.find_first_not_of(' '));
            factor.erase(factor.find_last_not_of(' ') + 1);
            units[category].push_back({line.substr(3, nameEnd - 3), factor});
        }
    }
    return units;
}

TEST(UnitsDocument, NamesEveryUnitOfTheCatalogueAndNoOther) {
    const auto documented = ReadDocument(MENSARO_UNITS_DOC);
    ASSERT_FALSE(documented.empty()) << "cannot read " << MENSARO_UNITS_DOC;
    std::set<std::string> categories;
    for (const auto& [category, units] : documented) {
        if (units.empty()) continue;
        categories.insert(category);
        const auto table = mensaro::CategoryTable(category);
        ASSERT_TRUE(table.has_value()) << "\"" << category << "\" is no category";
        ASSERT_EQ(units.size(), table->size() / 2) << category;
        for (std::size_t i = 0; i < units.size(); ++i) {
            EXPECT_EQ(units[i].name, mensaro::UnitName(*table, i)) << category << " position " << i;
            const auto& factor = (*table)[2 * i + 1];
            if (category == mensaro::kTemperatureCategory) continue;  // formulas, not factors
            // As far as 15 digits go: the Volume doubles carry binary debris.
            const double written = mensaro::ReadFactor(mensaro::UnitEntry(units[i].factor));
            EXPECT_EQ(mensaro_test::RoundedTo15(written), mensaro_test::RoundedTo15(mensaro::ReadFactor(factor)))
                << units[i].name << " documented as " << units[i].factor;
        }
    }
    EXPECT_EQ(categories.size(), mensaro::kCategoryNames.size());
}

}  // namespace
