// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitnames.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
