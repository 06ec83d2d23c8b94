// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any value text, category and pair of positions, through every reading and writing of the core; a failed
// assert aborts with the input. The checks are the point of the harness, so they stay on in any build type.
#undef NDEBUG
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <string>
#include <string_view>
#include <system_error>

#include "core/conversion.h"
#include "core/numbertext.h"
#include "core/suggest.h"

namespace {

// The value rounded to 15 significant digits by the standard library; near the top it may round past the range.
double RoundedTo15(double value) {
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr;
    double rounded = 0;
    const bool beyond = std::from_chars(buf, end, rounded).ec == std::errc::result_out_of_range;
    return beyond ? std::copysign(std::numeric_limits<double>::infinity(), value) : rounded;
}

// Names of another language: a plural for each unit, keywords, and for Ton a name Tonne has in English.
const mensaro::Vocabulary& Language() {
    static const mensaro::Vocabulary words([](mensaro::Words what, std::string_view english) {
        return what == mensaro::Words::kKeywords ? "nach;⇒" : english == "Ton" ? "Tonne" : std::string(english) + "n";
    });
    return words;
}

// Equal, and the same sign for zeros.
bool SameDouble(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// Two fixed decimals, at most M in all, no trailing zero after the fixed two, no minus before a zero.
bool IsResultText(const std::string& text, int maxDecimals) {
    static const std::regex six("-?[0-9]+\\.[0-9]{2}([0-9]{0,3}[1-9])?");
    static const std::regex fifteen("-?[0-9]+\\.[0-9]{2}([0-9]{0,12}[1-9])?");
    return std::regex_match(text, maxDecimals == 6 ? six : fifteen) &&
           !(text[0] == '-' && text.find_first_of("123456789") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    // Byte 0: the category (now and then with another one's table); bytes 1-2: positions; the rest: the value.
    const std::size_t categoryIndex = data[0] % mensaro::kCategoryNames.size();
    const std::size_t tableIndex = (data[0] & 0x80) ? (data[0] >> 3) % mensaro::kCategoryNames.size() : categoryIndex;
    const auto table = *mensaro::CategoryTable(mensaro::kCategoryNames[tableIndex]);
    const int units = static_cast<int>(table.size() / 2);
    const int from = data[1] % units, to = data[2] % units;
    const std::string value(reinterpret_cast<const char*>(data + 3), size - 3);

    // ReadNumber: never NaN; 'x' never continues a number, and blanks never count.
    const double number = mensaro::ReadNumber(value);
    assert(!std::isnan(number));
    assert(SameDouble(mensaro::ReadNumber(value + "x"), number));
    assert(SameDouble(mensaro::ReadNumber(" " + value + "\t"), number));

    const bool temperature = categoryIndex == mensaro::kTemperatureIndex;
    const int maxDecimals = temperature ? 6 : 15;
    const std::string shown =
        mensaro::FormatByPattern(number, temperature ? mensaro::kTemperaturePattern : mensaro::kGeneralPattern);
    if (!std::isfinite(number)) {
        assert(shown == mensaro::kOverflowText);
    } else {
        // Off by no more than the rounding to M decimals after the rounding to 15 significant digits; the top of
        // the range rounds beyond it. WriteNumber: plain digits that read back as the value to 15 digits.
        assert(IsResultText(shown, maxDecimals));
        const double back = mensaro::ReadNumber(shown);
        const double tolerance = 0.5 * std::pow(10.0, -maxDecimals) + std::fabs(number) * 1e-14;
        assert(std::isinf(back) ? std::fabs(number) > 1.797693134862315e308 : std::fabs(back - number) <= tolerance);
        const std::string written = mensaro::WriteNumber(number);
        assert(!written.empty() && written.size() <= 22);
        assert(written.find_first_not_of("0123456789.E+-") == std::string::npos);
        assert(mensaro::ReadNumber(written) == RoundedTo15(number));
    }

    // A well-formed result, the value itself for a unit to itself.
    const std::string result = mensaro::ConvertValue(table, categoryIndex, value, from, to);
    assert(result == mensaro::kOverflowText || IsResultText(result, maxDecimals));
    if (from == to) assert(result == shown);

    // As a query, also with another language's names: a conversion or a reason, never both; ids name offers again.
    for (const mensaro::Vocabulary* words : {&mensaro::Vocabulary::English(), &Language()}) {
        const mensaro::Reading reading = mensaro::ReadQuery(value, mensaro::ValueRule::kWhole, *words);
        assert(reading.conversion.has_value() == (reading.fault == mensaro::Fault::kNone));
        assert(reading.conversion.has_value() == reading.message.empty());
        // A quantity in parts, a fraction, targets in several units: a result, and one value the window can show.
        if (reading.conversion) {
            const std::string result = mensaro::ResultText(*reading.conversion, *words);
            assert(!result.empty() && (result[0] == '-' || result[0] == 'O' || (result[0] >= '0' && result[0] <= '9')));
            const mensaro::Conversion single = mensaro::ForWindow(*reading.conversion);
            assert(single.parts.empty() && single.targets.empty() && mensaro::NumberProblem(single.value).empty());
        }
        for (const mensaro::Conversion& offered : mensaro::Suggest(value, false, *words))
            assert(mensaro::FromId(mensaro::IdOf(offered)) == offered);
    }
    if (const auto named = mensaro::FromId(value)) assert(mensaro::IdOf(*named) == value);
    return 0;
}
