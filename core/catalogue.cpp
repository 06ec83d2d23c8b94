// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/catalogue.h"

#include <span>

#include "core/numbertext.h"

namespace mensaro {

namespace {

struct CatalogueUnit {
    std::string_view name;
    std::variant<std::string_view, double> factor;  // stored as written
};

constexpr std::string_view kSeparator = kSeparatorName;

// Volume keeps eight factors as doubles: a liter is 10^3 milliliters, and the
// others are liters scaled by that power, one double multiplication each.
constexpr double kLiter = 1000.0;

// Factors are in the category's base unit (inch, square inch, milliliter,
// gram, second). Some differ from today's definitions on purpose; they are
// kept as the program has always had them. One unit a line, as tables read.
// clang-format off
constexpr CatalogueUnit kDistance[] = {
    {"Inch", "1"},
    {"Feet", "12"},
    {"Yard", "36"},
    {"Furlong", "7920"},
    {"Mile", "63360"},
    {"Nautical Mile", "72900"},
    {kSeparator, "1"},
    {"Millimeter", ".0393700787401575"},
    {"Centimeter", "0.393700787401575"},
    {"Meter", "39.3700787401575"},
    {"Kilometer", "39370.0787401575"},
};

constexpr CatalogueUnit kArea[] = {
    {"Sq.Inch", "1"},
    {"Sq.Feet", "144"},
    {"Sq.Yard", "1296"},
    {"Cent", "62726.4"},
    {"Gunta", "156816"},
    {"Acre", "6272640"},
    {"Sq.Furlong", "62726400"},
    {"Sq.Mile", "4014489600"},
    {"Sq.Nautical Mile", "5314410000"},
    {kSeparator, "1"},
    {"Sq.Milimeter", "0.00155000310000620156240312480625"},
    {"Sq.Centimeter", "0.155000310000620156240312480625"},
    {"Sq.Meter", "1550.00310000620156240312480625"},
    {"Sq.Kilometer", "1550003100.00620156240312480625"},
    {"Hectare", "15500031.00006201"},
};

constexpr CatalogueUnit kVolume[] = {
    {"Mililiter", "1"},
    {"Liter", kLiter},
    {kSeparator, "1"},
    {"Cu.Inch", 16.3869047619048},
    {"Fluid Ounce", kLiter * 0.028415},
    {"Pint UK", kLiter * 0.5683},
    {"Pint US Dry", kLiter * 0.5506},
    {"Pint US Liquid", kLiter * 0.4732},
    {"Gallon UK", kLiter * 4.546},
    {"Gallon US", kLiter * 3.785},
};

constexpr CatalogueUnit kWeight[] = {
    {"Grain", "0.0648"},
    {"Ounce", "28.3495"},
    {"Pound", "453.592"},
    {"CWT", "45359.2"},
    {"Tonne", "1016050"},
    {kSeparator, "1"},
    {"Gram", "1"},
    {"Kilogram", "1000"},
    {"Ton", "1000000"},
};

// Placeholders: temperatures convert by formulas chosen by position.
constexpr CatalogueUnit kTemperature[] = {
    {"Celsius", "1"},
    {"Farenhite", "1"},
    {"Kelvin", "1"},
};

constexpr CatalogueUnit kTime[] = {
    {"Second", "1"},
    {"Minute", "60"},
    {"Hour", "3600"},
    {"Day", "86400"},
    {"Week", "604800"},
    {"Year", "31536000"},
    {"Decade", "315360000"},
    {"Century", "3153600000"},
};

// clang-format on

// In the order of kCategoryNames.
constexpr std::span<const CatalogueUnit> kCategoryUnits[] = {
    kDistance, kArea, kVolume, kWeight, kTemperature, kTime,
};
static_assert(std::size(kCategoryUnits) == kCategoryNames.size());

}  // namespace

std::optional<UnitList> CategoryTable(std::string_view category) {
    for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
        if (kCategoryNames[c] != category) continue;
        UnitList list;
        list.reserve(kCategoryUnits[c].size() * 2);
        for (const CatalogueUnit& unit : kCategoryUnits[c]) {
            list.emplace_back(std::string(unit.name));
            if (const auto* text = std::get_if<std::string_view>(&unit.factor))
                list.emplace_back(std::string(*text));
            else
                list.emplace_back(std::get<double>(unit.factor));
        }
        return list;
    }
    return std::nullopt;
}

std::string_view UnitName(const UnitList& list, std::size_t position) {
    if (position >= list.size() / 2) return {};
    const auto* name = std::get_if<std::string>(&list[2 * position]);
    return name ? std::string_view(*name) : std::string_view();
}

double ReadFactor(const UnitEntry& entry) {
    if (const auto* value = std::get_if<double>(&entry)) return *value;
    return ReadNumber(std::get<std::string>(entry));
}

}  // namespace mensaro
