// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitnames.h"

#include <gtest/gtest.h>

#include <string>

#include "core/catalogue.h"

namespace {

using mensaro::MatchUnit;
using mensaro::NameOf;

constexpr int kAny = -1;

struct Case {
    const char* typed;
    int category;       // where to look; kAny for everywhere
    const char* means;  // the names found, in list order, joined by '|'; "" for none
};

// clang-format off
constexpr Case kCases[] = {
    // The header's examples; a list name before another name, another name before a start.
    {"nautical   MILE", kAny, "Nautical Mile"}, {"sq.fe", kAny, "Sq.Feet"}, {"cm", kAny, "Centimeter"},
    {"°F", kAny, "Farenhite"}, {"fahrenheit", kAny, "Farenhite"}, {"℃", kAny, "Celsius"}, {"ton", kAny, "Ton"},
    {"to", kAny, "Tonne|Ton"}, {"m", 5, "Minute"}, {"mph", kAny, ""}, {"parsec", kAny, ""}, {"", kAny, ""},
    {"--", kAny, ""}, {"Inch", kAny, "Inch"}, {"CENTIMETER", kAny, "Centimeter"}, {"s", kAny, "Second"},
    {"day", kAny, "Day"}, {"c", kAny, "Celsius"}, {"ounce", kAny, "Ounce"}, {"fe", kAny, "Feet"},
    {"fahr", kAny, "Farenhite"},
    // Case, blanks, dots and look-alike marks never count.
    {"Nautical \t  Mile", kAny, "Nautical Mile"}, {"sq. ft", kAny, "Sq.Feet"}, {"SQ FT", kAny, "Sq.Feet"},
    {"in.", kAny, "Inch"}, {"fl.oz", kAny, "Fluid Ounce"}, {"ML", kAny, "Mililiter"}, {"° C", kAny, "Celsius"},
    {"˚c", kAny, "Celsius"}, {"ºF", kAny, "Farenhite"}, {"\u212A", kAny, "Kelvin"}, {"″", kAny, "Inch"},
    {"”", kAny, "Inch"}, {"′", kAny, "Feet"}, {"’", kAny, "Feet"}, {"ft²", kAny, "Sq.Feet"}, {"M²", kAny, "Sq.Meter"},
    {"in³", kAny, "Cu.Inch"}, {"\u00a0cm", kAny, "Centimeter"}, {"sq.millimeter", kAny, "Sq.Milimeter"},
    {"Temperature", kAny, ""},
    // Symbols and abbreviations count only whole; a word no unit has is no unit; within one category.
    {"nm", kAny, ""}, {"kph", kAny, ""}, {"t", kAny, "Tonne|Ton"}, {"mil", kAny, "Mile|Millimeter|Mililiter"},
    {"pint", kAny, "Pint UK|Pint US Dry|Pint US Liquid"}, {"gal", kAny, "Gallon UK|Gallon US"},
    {"Sq.Mil", kAny, "Sq.Mile|Sq.Milimeter"}, {"Inch ", kAny, "Inch"}, {"Inch\n", kAny, ""}, {"a\xff", kAny, ""},
    {"----------------", kAny, ""}, {"s", 0, ""}, {"pint us", 2, "Pint US Dry|Pint US Liquid"}, {"cm", 4, ""}};
// clang-format on

std::optional<std::size_t> Where(int category) {
    return category == kAny ? std::nullopt : std::optional<std::size_t>(category);
}

std::string Names(const std::vector<mensaro::UnitRef>& units) {
    std::string names;
    for (const auto unit : units) names += (names.empty() ? "" : "|") + std::string(NameOf(unit));
    return names;
}

TEST(MatchUnit, FindsTheUnitsATextCanMean) {
    for (const auto& [typed, category, means] : kCases)
        EXPECT_EQ(Names(MatchUnit(typed, Where(category))), means) << '"' << typed << "\" in " << category;
}

// Every name of the catalogue finds its own unit alone, anywhere: no other
// name shadows a list name, and no two units share a name.
TEST(MatchUnit, EveryNameFindsItsOwnUnit) {
    std::size_t names = 0;
    for (std::size_t c = 0; c < mensaro::kCategoryNames.size(); ++c) {
        for (const auto unit : mensaro::NamedUnits(c)) {
            auto typed = mensaro::AliasesOf(unit);
            typed.push_back(NameOf(unit));
            for (const std::string_view name : typed) {
                ++names;
                EXPECT_EQ(Names(MatchUnit(name)), NameOf(unit)) << '"' << name << '"';
            }
        }
    }
    EXPECT_GT(names, 200u);
}

TEST(ListNamesStartingWithAndMatchCategory, TakeAStart) {
    // clang-format off
    for (const auto& [typed, category, means] : {Case{"na", kAny, "Nautical Mile"}, {"sq.mil", kAny, "Sq.Mile|Sq.Milimeter"},
                                                 {"m", 5, "Minute"}, {"", 4, "Celsius|Farenhite|Kelvin"}, {"cm", kAny, ""}})
        EXPECT_EQ(Names(mensaro::ListNamesStartingWith(typed, Where(category))), means) << typed;
    const std::pair<const char*, std::optional<std::size_t>> rows[] = {
        {"distance", 0}, {"Temperature", 4}, {"temp", 4}, {"TEMPRATURE", 4}, {"ti", 5}, {"t", std::nullopt},
        {"x", std::nullopt}, {"", std::nullopt}};
    // clang-format on
    for (const auto& [typed, category] : rows) EXPECT_EQ(mensaro::MatchCategory(typed), category) << typed;
}

}  // namespace
