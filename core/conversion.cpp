// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/conversion.h"

#include <cstdint>

#include "core/numbertext.h"

namespace mensaro {

namespace {

enum TemperatureUnit : std::uint8_t { kCelsius = 0, kFarenhite = 1, kKelvin = 2 };

constexpr double kKelvinOffset = 273.0;  // not 273.15: the program's own offset

double CelsiusToFarenhite(double v) { return v * 1.8 + 32.0; }
double FarenhiteToCelsius(double v) { return (5.0 / 9.0) * (v - 32.0); }

// Each line is one IEEE double operation after another, never fused.
double ConvertTemperature(double v, int from, int to) {
    if (from == kCelsius && to == kFarenhite) return CelsiusToFarenhite(v);
    if (from == kFarenhite && to == kCelsius) return FarenhiteToCelsius(v);
    if (from == kCelsius && to == kKelvin) return v + kKelvinOffset;
    if (from == kKelvin && to == kCelsius) return v - kKelvinOffset;
    // Farenhite and Kelvin meet through Celsius.
    if (from == kFarenhite && to == kKelvin) return FarenhiteToCelsius(v) + kKelvinOffset;
    if (from == kKelvin && to == kFarenhite) return CelsiusToFarenhite(v - kKelvinOffset);
    return v;  // a unit to itself
}

}  // namespace

std::string ConvertValue(const UnitList& list, std::size_t category, std::string_view valueText, int from, int to) {
    const auto units = static_cast<long>(list.size() / 2);
    if (from < 0 || to < 0 || from >= units || to >= units) return {};

    const double value = ReadNumber(valueText);
    // The catalogue's own table has its factors read already (a stream of
    // queries converts with it); any other list is read as it stands.
    const bool catalogue = &list == &TableOf(category);
    const auto factor = [&](int at) {
        const auto i = static_cast<std::size_t>(at);
        return catalogue ? FactorsOf(category)[i] : ReadFactor(list[2 * i + 1]);
    };
    const double fromFactor = factor(from);
    const double toFactor = factor(to);

    if (category == kTemperatureIndex) return FormatByPattern(ConvertTemperature(value, from, to), kTemperaturePattern);
    // A unit to itself is the value itself: going through the base unit could
    // move it by a rounding step, or overflow on the way for a huge value.
    if (from == to) return FormatByPattern(value, kGeneralPattern);
    const double product = value * fromFactor;
    return FormatByPattern(product / toFactor, kGeneralPattern);
}

}  // namespace mensaro
