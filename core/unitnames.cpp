// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitnames.h"

#include <array>
#include <string>

#include "core/catalogue.h"

namespace mensaro {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Lower case, each run of blanks as one space.
std::string Folded(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsBlank(text[i])) {
            folded += Lower(text[i]);
        } else if (i == 0 || !IsBlank(text[i - 1])) {
            folded += ' ';
        }
    }
    return folded;
}

// The tables, built once: the window's lists never change.
const std::array<UnitList, kCategoryNames.size()>& Tables() {
    static const auto tables = [] {
        std::array<UnitList, kCategoryNames.size()> all;
        for (std::size_t c = 0; c < all.size(); ++c) all[c] = *CategoryTable(kCategoryNames[c]);
        return all;
    }();
    return tables;
}

}  // namespace

std::vector<UnitRef> NamedUnits(std::size_t category) {
    std::vector<UnitRef> units;
    if (category >= kCategoryNames.size()) return units;
    const UnitList& table = Tables()[category];
    for (std::size_t i = 0; i < table.size() / 2; ++i)
        if (UnitName(table, i) != kSeparatorName) units.push_back({category, static_cast<int>(i)});
    return units;
}

std::string_view NameOf(UnitRef unit) {
    if (unit.category >= kCategoryNames.size() || unit.position < 0) return {};
    return UnitName(Tables()[unit.category], static_cast<std::size_t>(unit.position));
}

std::vector<UnitRef> MatchUnit(std::string_view typed) {
    const std::string want = Folded(typed);
    std::vector<UnitRef> starting;
    if (want.empty()) return starting;
    for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
        for (const UnitRef unit : NamedUnits(c)) {
            const std::string name = Folded(NameOf(unit));
            if (name == want) return {unit};
            if (name.starts_with(want)) starting.push_back(unit);
        }
    }
    return starting;
}

}  // namespace mensaro
