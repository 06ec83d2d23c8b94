// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitnames.h"

#include <gtest/gtest.h>

#include <string>

#include "core/catalogue.h"

namespace {

struct Case {
    const char* typed;
    const char* means;  // the names found, in list order, joined by '|'; "" for none
};

// Exact names win; otherwise the units the text starts; case and blank runs never count.
constexpr Case kCases[] = {
    {"Inch", "Inch"},
    {"inch", "Inch"},
    {"CENTIMETER", "Centimeter"},
    {"nautical mile", "Nautical Mile"},
    {"Nautical \t  Mile", "Nautical Mile"},
    {"sq.feet", "Sq.Feet"},
    {"sq.fe", "Sq.Feet"},
    {"sq. feet", ""},
    {"ton", "Ton"},
    {"Tonne", "Tonne"},
    {"to", "Tonne|Ton"},
    {"nautical", "Nautical Mile"},
    {"Nautical ", "Nautical Mile"},
    {"sq.nautical mile", "Sq.Nautical Mile"},
    {"Mile", "Mile"},
    {"mil", "Mile|Millimeter|Mililiter"},
    {"Sq.Mil", "Sq.Mile|Sq.Milimeter"},
    {"pint us", "Pint US Dry|Pint US Liquid"},
    {"farenhite", "Farenhite"},
    {"Fahrenheit", ""},
    {"cm", ""},
    {"", ""},
    {" ", ""},
    {"Inch ", ""},
    {" Inch", ""},
    {"----------------", ""},
    {"-", ""},
    {"Inch\n", ""},
};

std::string Names(const std::vector<mensaro::UnitRef>& units) {
    std::string names;
    for (const auto unit : units) names += (names.empty() ? "" : "|") + std::string(mensaro::NameOf(unit));
    return names;
}

TEST(MatchUnit, FindsTheUnitsATextCanMean) {
    for (const auto& [typed, means] : kCases) EXPECT_EQ(Names(mensaro::MatchUnit(typed)), means) << '"' << typed << '"';
}

// Each named unit is found by its own name, in its category at its list
// position, and the separators are not among them.
TEST(MatchUnit, FindsEveryListedUnitWhereTheWindowListsIt) {
    std::size_t named = 0;
    for (std::size_t c = 0; c < mensaro::kCategoryNames.size(); ++c) {
        const auto table = *mensaro::CategoryTable(mensaro::kCategoryNames[c]);
        std::size_t separators = 0;
        for (std::size_t i = 0; i < table.size() / 2; ++i) {
            const std::string_view name = mensaro::UnitName(table, i);
            if (name == mensaro::kSeparatorName) {
                ++separators;
                continue;
            }
            const auto found = mensaro::MatchUnit(name);
            ASSERT_EQ(found.size(), 1U) << name;
            EXPECT_EQ(found[0], (mensaro::UnitRef{c, static_cast<int>(i)})) << name;
        }
        EXPECT_EQ(mensaro::NamedUnits(c).size() + separators, table.size() / 2) << mensaro::kCategoryNames[c];
        named += mensaro::NamedUnits(c).size();
    }
    EXPECT_EQ(named, 52U);
    EXPECT_TRUE(mensaro::NamedUnits(mensaro::kCategoryNames.size()).empty());
}

}  // namespace
