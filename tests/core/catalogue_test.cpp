// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/core/table_rows.h"

namespace {

using mensaro_test::PrintTo;
using mensaro_test::RowName;

using mensaro::CategoryTable;
using mensaro::ReadFactor;
using mensaro::UnitEntry;
using mensaro::UnitList;
using mensaro::UnitName;

const std::string kSeparator(16, '-');

// The catalogue as published to users, entry by entry: name, then the factor
// as text, or "double" where the table holds a number.
struct CategoryCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> units;
};

// clang-format off
const CategoryCase kCategories[] = {
    {"Distance",
     {{"Inch", "1"}, {"Feet", "12"}, {"Yard", "36"}, {"Furlong", "7920"}, {"Mile", "63360"},
      {"Nautical Mile", "72900"}, {kSeparator, "1"}, {"Millimeter", ".0393700787401575"},
      {"Centimeter", "0.393700787401575"}, {"Meter", "39.3700787401575"}, {"Kilometer", "39370.0787401575"}}},
    {"Area",
     {{"Sq.Inch", "1"}, {"Sq.Feet", "144"}, {"Sq.Yard", "1296"}, {"Cent", "62726.4"}, {"Gunta", "156816"},
      {"Acre", "6272640"}, {"Sq.Furlong", "62726400"}, {"Sq.Mile", "4014489600"},
      {"Sq.Nautical Mile", "5314410000"}, {kSeparator, "1"}, {"Sq.Milimeter", "0.00155000310000620156240312480625"},
      {"Sq.Centimeter", "0.155000310000620156240312480625"}, {"Sq.Meter", "1550.00310000620156240312480625"},
      {"Sq.Kilometer", "1550003100.00620156240312480625"}, {"Hectare", "15500031.00006201"}}},
    {"Volume",
     {{"Mililiter", "1"}, {"Liter", "double"}, {kSeparator, "1"}, {"Cu.Inch", "double"},
      {"Fluid Ounce", "double"}, {"Pint UK", "double"}, {"Pint US Dry", "double"}, {"Pint US Liquid", "double"},
      {"Gallon UK", "double"}, {"Gallon US", "double"}}},
    {"Weight",
     {{"Grain", "0.0648"}, {"Ounce", "28.3495"}, {"Pound", "453.592"}, {"CWT", "45359.2"}, {"Tonne", "1016050"},
      {kSeparator, "1"}, {"Gram", "1"}, {"Kilogram", "1000"}, {"Ton", "1000000"}}},
    {"Temprature", {{"Celsius", "1"}, {"Farenhite", "1"}, {"Kelvin", "1"}}},
    {"Time",
     {{"Second", "1"}, {"Minute", "60"}, {"Hour", "3600"}, {"Day", "86400"}, {"Week", "604800"},
      {"Year", "31536000"}, {"Decade", "315360000"}, {"Century", "3153600000"}}},
};
// clang-format on

class CategoryTableTest : public testing::TestWithParam<CategoryCase> {};

TEST_P(CategoryTableTest, HoldsEveryNameAndFactorAsWritten) {
    const CategoryCase& c = GetParam();
    const auto table = CategoryTable(c.name);
    ASSERT_TRUE(table.has_value());
    ASSERT_EQ(table->size(), 2 * c.units.size());
    for (std::size_t i = 0; i < c.units.size(); ++i) {
        const auto& [name, factor] = c.units[i];
        ASSERT_TRUE(std::holds_alternative<std::string>((*table)[2 * i])) << "entry " << 2 * i;
        EXPECT_EQ(std::get<std::string>((*table)[2 * i]), name);
        EXPECT_EQ(UnitName(*table, i), name);
        const UnitEntry& entry = (*table)[2 * i + 1];
        if (factor == "double") {
            EXPECT_TRUE(std::holds_alternative<double>(entry)) << name;
        } else {
            ASSERT_TRUE(std::holds_alternative<std::string>(entry)) << name;
            EXPECT_EQ(std::get<std::string>(entry), factor);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CategoryTableTest, testing::ValuesIn(kCategories), RowName<CategoryCase>);

TEST(CategoryTable, MatchesOnlyTheExactName) {
    for (const char* text : {"distance", "Distance ", " Distance", "Temperature", "", "DISTANCE", "Tim"})
        EXPECT_FALSE(CategoryTable(text).has_value()) << '"' << text << '"';
}

std::uint64_t Bits(const UnitEntry& entry) { return std::bit_cast<std::uint64_t>(std::get<double>(entry)); }

TEST(CategoryTable, VolumeHoldsTheExactDoubles) {
    const UnitList volume = *CategoryTable("Volume");
    EXPECT_EQ(std::get<double>(volume[3]), 1000.0);    // Liter
    EXPECT_EQ(Bits(volume[7]), 0x4030630C30C30C3Bu);   // Cu.Inch 16.3869047619048
    EXPECT_EQ(Bits(volume[11]), 0x4081C26666666667u);  // Pint UK, one ulp above 568.3
    EXPECT_NE(std::get<double>(volume[11]), 568.3);
    EXPECT_EQ(std::get<double>(volume[9]), 28.415);   // Fluid Ounce
    EXPECT_EQ(std::get<double>(volume[13]), 550.6);   // Pint US Dry
    EXPECT_EQ(std::get<double>(volume[15]), 473.2);   // Pint US Liquid
    EXPECT_EQ(std::get<double>(volume[17]), 4546.0);  // Gallon UK
    EXPECT_EQ(std::get<double>(volume[19]), 3785.0);  // Gallon US
}

TEST(ReadFactor, ReadsTextAndDoubleEntries) {
    EXPECT_EQ(ReadFactor(UnitEntry(std::string("1"))), 1.0);
    EXPECT_EQ(ReadFactor(UnitEntry(std::string(".0393700787401575"))),
              ReadFactor(UnitEntry(std::string("0.0393700787401575"))));
    EXPECT_EQ(ReadFactor(UnitEntry(std::string("0.00155000310000620156240312480625"))), 0.0015500031000062016);
    EXPECT_EQ(ReadFactor(UnitEntry(568.3000000000001)), 568.3000000000001);
    const UnitList distance = *CategoryTable("Distance");
    EXPECT_EQ(ReadFactor(distance[13]), 1.0);  // the separator is the base unit
}

TEST(UnitName, IsEmptyOutsideTheTable) {
    const UnitList time = *CategoryTable("Time");
    EXPECT_EQ(UnitName(time, 7), "Century");
    EXPECT_EQ(UnitName(time, 8), "");
    EXPECT_EQ(UnitName(UnitList{}, 0), "");
}

}  // namespace
