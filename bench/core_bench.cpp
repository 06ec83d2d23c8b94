// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long one conversion takes, against the floor of one std::from_chars and
// one std::to_chars on the same inputs: reading a value and writing a result
// cannot cost less than that.
#include <benchmark/benchmark.h>

#include <charconv>
#include <string_view>

#include "core/conversion.h"
#include "core/numbertext.h"

namespace {

constexpr std::string_view kValue = "123.4567";

void BM_Floor(benchmark::State& state) {
    char out[40];
    for (auto _ : state) {
        double value = 0;
        std::from_chars(kValue.data(), kValue.data() + kValue.size(), value);
        benchmark::DoNotOptimize(value);
        auto end = std::to_chars(out, out + sizeof out, value * 1.609344, std::chars_format::scientific, 14).ptr;
        benchmark::DoNotOptimize(end);
    }
}
BENCHMARK(BM_Floor);

void BM_ConvertValueFactor(benchmark::State& state) {
    const auto distance = *mensaro::CategoryTable("Distance");
    for (auto _ : state) benchmark::DoNotOptimize(mensaro::ConvertValue(distance, 0, kValue, 4, 10));
}
BENCHMARK(BM_ConvertValueFactor);

void BM_ConvertValueTemperature(benchmark::State& state) {
    const auto temperature = *mensaro::CategoryTable("Temprature");
    for (auto _ : state)
        benchmark::DoNotOptimize(mensaro::ConvertValue(temperature, mensaro::kTemperatureIndex, kValue, 1, 0));
}
BENCHMARK(BM_ConvertValueTemperature);

void BM_ReadNumber(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(mensaro::ReadNumber(kValue));
}
BENCHMARK(BM_ReadNumber);

void BM_FormatByPattern(benchmark::State& state) {
    const double value = 198.6844848;
    for (auto _ : state) benchmark::DoNotOptimize(mensaro::FormatByPattern(value, mensaro::kGeneralPattern));
}
BENCHMARK(BM_FormatByPattern);

}  // namespace

BENCHMARK_MAIN();
