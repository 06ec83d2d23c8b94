// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/suggest.h"

#include <algorithm>
#include <cmath>

#include "core/catalogue.h"
#include "core/numbertext.h"
#include "core/text.h"

namespace mensaro {

namespace {

// A unit alone offers this many targets: the ones nearest its size.
constexpr std::size_t kLikelyTargets = 3;
constexpr char kIdSeparator = '|';

bool HasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// "1,5 in cm" as "1.5 in cm", where the user's locale writes a decimal comma:
// the leading number's one comma, when it has no point. There, "1.500" may
// mean 1500, written with a thousands point: nothing, rather than a guess.
std::optional<std::string> WithDecimalPoint(std::string_view query) {
    std::string text(Trimmed(query));
    const std::size_t digits = std::min(text.find_first_not_of("+-0123456789.,"), text.size());
    const auto number = std::string_view(text).substr(0, digits);
    const std::size_t point = number.find('.');
    if (std::count(number.begin(), number.end(), ',') == 1 && point == std::string_view::npos)
        text[number.find(',')] = '.';
    else if (point != std::string_view::npos && number.find(',') == std::string_view::npos &&
             number.find_first_not_of("0123456789", point + 1) == std::string_view::npos && number.size() - point == 4)
        return std::nullopt;
    return text;
}

// Variants of one unit, each to be shown: names that share their first word
// ("Pint UK", "Pint US Dry", "Pint US Liquid").
bool AreVariants(const std::vector<Conversion>& meanings) {
    if (meanings.size() < 2) return false;
    const bool fromDiffers = meanings[0].from != meanings[1].from;
    const auto firstWord = [fromDiffers](const Conversion& c) {
        const std::string_view name = NameOf(fromDiffers ? c.from : c.to);
        return name.substr(0, name.find(' '));
    };
    return std::all_of(meanings.begin(), meanings.end(), [&](const Conversion& c) {
        return firstWord(c) == firstWord(meanings[0]) &&
               NameOf(fromDiffers ? c.from : c.to).find(' ') != std::string_view::npos;
    });
}

// Where a unit alone is typed: the units across the separator from it (the
// other system of measures), nearest in size first; in a category without
// one, the nearest of all. Equal sizes keep list order.
std::vector<Conversion> LikelyTargets(std::vector<Conversion> targets) {
    if (targets.empty()) return targets;
    const UnitRef from = targets.front().from;
    const UnitList& table = TableOf(from.category);
    int separator = -1;
    for (std::size_t i = 0; !UnitName(table, i).empty(); ++i)
        if (UnitName(table, i) == kSeparatorName) separator = static_cast<int>(i);
    if (separator >= 0) {
        const bool before = from.position < separator;
        std::erase_if(targets, [&](const Conversion& c) { return (c.to.position < separator) == before; });
    }
    const double size = FactorOf(from);
    std::stable_sort(targets.begin(), targets.end(), [size](const Conversion& a, const Conversion& b) {
        return std::abs(std::log(FactorOf(a.to) / size)) < std::abs(std::log(FactorOf(b.to) / size));
    });
    targets.resize(std::min(targets.size(), kLikelyTargets));
    return targets;
}

std::optional<UnitRef> UnitNamed(std::string_view name) {
    for (std::size_t c = 0; c < kCategoryNames.size(); ++c)
        for (const UnitRef unit : NamedUnits(c))
            if (NameOf(unit) == name) return unit;
    return std::nullopt;
}

// A unit alone that could be any of its variants ("1 gallon"): each variant
// to its likeliest target.
std::vector<Conversion> EachVariant(const std::vector<Conversion>& alternatives) {
    std::vector<Conversion> found;
    for (auto first = alternatives.begin(); first != alternatives.end();) {
        const auto next =
            std::find_if(first, alternatives.end(), [&](const Conversion& c) { return c.from != first->from; });
        if (const auto targets = LikelyTargets({first, next}); !targets.empty()) found.push_back(targets.front());
        first = next;
    }
    return AreVariants(found) ? found : std::vector<Conversion>();
}

// A distance in feet or inches, or a time in hours, with no target of its
// own: feet and inches, or hours and minutes, are likely too.
std::optional<Conversion> SplitTarget(const Conversion& source) {
    constexpr UnitRef kFeet{0, 1}, kInch{0, 0}, kHour{5, 2}, kMinute{5, 1};
    Conversion split = source;
    if (source.from == kFeet || source.from == kInch)
        split.targets = {kFeet, kInch};
    else if (source.from == kHour)
        split.targets = {kHour, kMinute};
    else
        return std::nullopt;
    split.to = split.targets.front();
    return split;
}

// Ids of a quantity in parts or with a fraction, or of targets in several
// units: each value and its unit, then each target.
//   5 Feet 11 Inch to Centimeter -> "5|Feet|11|Inch|Centimeter"
std::optional<Conversion> FromPartsId(std::string_view id) {
    std::vector<std::string_view> fields;
    for (std::size_t at = 0; at <= id.size();) {
        const std::size_t end = std::min(id.find(kIdSeparator, at), id.size());
        fields.push_back(id.substr(at, end - at));
        at = end + 1;
    }
    std::vector<Part> parts;
    std::size_t i = 0;
    for (; i + 1 < fields.size() && !UnitNamed(fields[i]); i += 2) {
        const auto unit = UnitNamed(fields[i + 1]);
        if (!unit) return std::nullopt;
        parts.push_back({std::string(fields[i]), *unit});
    }
    std::vector<UnitRef> targets;
    for (; i < fields.size(); ++i) {
        const auto unit = UnitNamed(fields[i]);
        if (!unit) return std::nullopt;
        targets.push_back(*unit);
    }
    if (parts.empty() || targets.empty()) return std::nullopt;
    Reading reading = Assembled(std::move(parts), std::move(targets));
    // Only the id the core itself writes for it: targets in order, one form for a value.
    if (!reading.conversion || IdOf(*reading.conversion) != id) return std::nullopt;
    return reading.conversion;
}

}  // namespace

std::vector<Conversion> Suggest(std::string_view query, bool decimalComma, const Vocabulary& words) {
    if (query.size() > kLongestQuery || !IsUtf8(query) || HasControl(query)) return {};
    const std::optional<std::string> text = decimalComma ? WithDecimalPoint(query) : std::string(query);
    if (!text) return {};
    const Reading reading = ReadQuery(*text, ValueRule::kWhole, words);
    std::vector<Conversion> found;
    if (reading.conversion)
        found.push_back(*reading.conversion);
    else if (reading.fault == Fault::kAmbiguous && AreVariants(reading.alternatives))
        found = reading.alternatives;
    else if (reading.fault == Fault::kAmbiguous)
        found = EachVariant(reading.alternatives);
    else if (reading.fault == Fault::kNoTarget && !reading.alternatives.empty()) {
        found = LikelyTargets(reading.alternatives);
        if (const auto split = SplitTarget(reading.alternatives.front())) {
            found.resize(std::min(found.size(), kLikelyTargets - 1));
            found.push_back(*split);
        }
    }
    std::erase_if(found, [](const Conversion& c) { return ResultOf(c).starts_with(kOverflowText); });
    found.resize(std::min(found.size(), kMostSuggestions));
    return found;
}

std::string IdOf(const Conversion& conversion) {
    if (!conversion.parts.empty() || !conversion.targets.empty()) {
        std::string id;
        for (const Part& part : conversion.parts)
            id += part.value + kIdSeparator + std::string(NameOf(part.unit)) + kIdSeparator;
        if (conversion.parts.empty())
            id += conversion.value + kIdSeparator + std::string(NameOf(conversion.from)) + kIdSeparator;
        for (const UnitRef unit : conversion.targets.empty() ? std::vector<UnitRef>{conversion.to} : conversion.targets)
            id += std::string(NameOf(unit)) + kIdSeparator;
        id.pop_back();
        return id;
    }
    return conversion.value + kIdSeparator + std::string(NameOf(conversion.from)) + kIdSeparator +
           std::string(NameOf(conversion.to));
}

std::optional<Conversion> FromId(std::string_view id) {
    if (id.size() > kLongestQuery || !IsUtf8(id)) return std::nullopt;
    std::optional<Conversion> conversion;
    const auto first = id.find(kIdSeparator);
    const auto second = id.find(kIdSeparator, first == std::string_view::npos ? id.size() : first + 1);
    const std::string_view value = id.substr(0, first);
    if (second != std::string_view::npos && id.find(kIdSeparator, second + 1) == std::string_view::npos &&
        NumberProblem(value).empty()) {
        const auto from = UnitNamed(id.substr(first + 1, second - first - 1));
        const auto to = UnitNamed(id.substr(second + 1));
        if (!from || !to || from->category != to->category || value != Trimmed(value)) return std::nullopt;
        conversion = Conversion{std::string(value), *from, *to};
    } else {
        conversion = FromPartsId(id);
    }
    // Never offered, so never chosen.
    if (!conversion || ResultOf(*conversion).starts_with(kOverflowText)) return std::nullopt;
    return conversion;
}

}  // namespace mensaro
