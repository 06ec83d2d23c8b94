// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/catalogue.h"

#include <algorithm>
#include <span>

#include "core/numbertext.h"

namespace mensaro {

namespace {

struct CatalogueUnit {
    std::string_view name;
    std::variant<std::string_view, double> factor;  // stored as written
    // The other names people type for it, '|' between them. "Ton" and
    // "Tonne" have none: their weights are the program's own, and no common
    // word means either.
    std::string_view aliases;
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
    {"Inch", "1", "in|inch|inches|\""},
    {"Feet", "12", "ft|foot|'"},
    {"Yard", "36", "yd|yds|yards"},
    {"Furlong", "7920", "fur|furlongs"},
    {"Mile", "63360", "mi|miles"},
    {"Nautical Mile", "72900", "nmi|nautical miles"},
    {kSeparator, "1", ""},
    {"Millimeter", ".0393700787401575", "mm|millimeters|millimetre|millimetres"},
    {"Centimeter", "0.393700787401575", "cm|centimeters|centimetre|centimetres"},
    {"Meter", "39.3700787401575", "m|meters|metre|metres"},
    {"Kilometer", "39370.0787401575", "km|kilometers|kilometre|kilometres"},
};

constexpr CatalogueUnit kArea[] = {
    {"Sq.Inch", "1", "sq in|in2|square inch|square inches"},
    {"Sq.Feet", "144", "sq ft|ft2|square feet|square foot"},
    {"Sq.Yard", "1296", "sq yd|yd2|square yard|square yards"},
    {"Cent", "62726.4", "cents"},
    {"Gunta", "156816", "guntas|guntha|gunthas"},
    {"Acre", "6272640", "ac|acres"},
    {"Sq.Furlong", "62726400", "square furlong|square furlongs"},
    {"Sq.Mile", "4014489600", "sq mi|mi2|square mile|square miles"},
    {"Sq.Nautical Mile", "5314410000", "sq nmi|nmi2|square nautical mile|square nautical miles"},
    {kSeparator, "1", ""},
    {"Sq.Milimeter", "0.00155000310000620156240312480625", "sq mm|mm2|sq millimeter|square millimeter|square millimeters|square millimetre|square millimetres"},
    {"Sq.Centimeter", "0.155000310000620156240312480625", "sq cm|cm2|square centimeter|square centimeters|square centimetre|square centimetres"},
    {"Sq.Meter", "1550.00310000620156240312480625", "sq m|m2|square meter|square meters|square metre|square metres"},
    {"Sq.Kilometer", "1550003100.00620156240312480625", "sq km|km2|square kilometer|square kilometers|square kilometre|square kilometres"},
    {"Hectare", "15500031.00006201", "ha|hectares"},
};

constexpr CatalogueUnit kVolume[] = {
    {"Mililiter", "1", "ml|milliliter|milliliters|millilitre|millilitres|cm3|cc"},
    {"Liter", kLiter, "l|liters|litre|litres"},
    {kSeparator, "1", ""},
    {"Cu.Inch", 16.3869047619048, "cu in|in3|cubic inch|cubic inches"},
    {"Fluid Ounce", kLiter * 0.028415, "fl oz|fluid ounces"},
    {"Pint UK", kLiter * 0.5683, "uk pint|imperial pint"},
    {"Pint US Dry", kLiter * 0.5506, "us dry pint|dry pint"},
    {"Pint US Liquid", kLiter * 0.4732, "us pint|us liquid pint|liquid pint"},
    {"Gallon UK", kLiter * 4.546, "uk gallon|imperial gallon"},
    {"Gallon US", kLiter * 3.785, "us gallon"},
};

constexpr CatalogueUnit kWeight[] = {
    {"Grain", "0.0648", "gr|grains"},
    {"Ounce", "28.3495", "oz|ounces"},
    {"Pound", "453.592", "lb|lbs|pounds"},
    {"CWT", "45359.2", "hundredweight"},
    {"Tonne", "1016050", ""},
    {kSeparator, "1", ""},
    {"Gram", "1", "g|grams|gramme|grammes"},
    {"Kilogram", "1000", "kg|kilograms|kilo|kilos|kilogramme|kilogrammes"},
    {"Ton", "1000000", ""},
};

// Placeholders: temperatures convert by formulas chosen by position.
constexpr CatalogueUnit kTemperature[] = {
    {"Celsius", "1", "°C|C|degC|deg C|centigrade|degree celsius|degrees celsius"},
    {"Farenhite", "1", "°F|F|degF|deg F|fahrenheit|degree fahrenheit|degrees fahrenheit"},
    {"Kelvin", "1", "K|°K|kelvins"},
};

constexpr CatalogueUnit kTime[] = {
    {"Second", "1", "s|sec|secs|seconds"},
    {"Minute", "60", "min|mins|minutes"},
    {"Hour", "3600", "h|hr|hrs|hours"},
    {"Day", "86400", "d|days"},
    {"Week", "604800", "wk|wks|weeks"},
    {"Year", "31536000", "yr|yrs|years"},
    {"Decade", "315360000", "decades"},
    {"Century", "3153600000", "centuries"},
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

const UnitList& TableOf(std::size_t category) {
    static const auto tables = [] {
        std::array<UnitList, kCategoryNames.size() + 1> all;  // the last stays empty
        for (std::size_t c = 0; c < kCategoryNames.size(); ++c) all[c] = *CategoryTable(kCategoryNames[c]);
        return all;
    }();
    return tables[std::min(category, kCategoryNames.size())];
}

std::string_view UnitAliases(std::size_t category, std::size_t position) {
    if (category >= std::size(kCategoryUnits) || position >= kCategoryUnits[category].size()) return {};
    return kCategoryUnits[category][position].aliases;
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

std::span<const double> FactorsOf(std::size_t category) {
    static const auto factors = [] {
        std::array<std::vector<double>, kCategoryNames.size() + 1> all;  // the last stays empty
        for (std::size_t c = 0; c < kCategoryNames.size(); ++c)
            for (std::size_t i = 1; i < TableOf(c).size(); i += 2) all[c].push_back(ReadFactor(TableOf(c)[i]));
        return all;
    }();
    return factors[std::min(category, kCategoryNames.size())];
}

}  // namespace mensaro
