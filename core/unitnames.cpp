// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitnames.h"

#include <algorithm>
#include <string>

#include "core/catalogue.h"
#include "core/text.h"

namespace mensaro {

namespace {

// Look-alike marks as the names in the catalogue write them.
struct LookAlike {
    char32_t mark;
    std::string_view as;
};
constexpr LookAlike kLookAlikes[] = {
    {U'\u02DA', "°"},  {U'\u00BA', "°"},  {U'\u2103', "°c"}, {U'\u2109', "°f"}, {U'\u212A', "k"},
    {U'\u2033', "\""}, {U'\u201C', "\""}, {U'\u201D', "\""}, {U'\u2032', "'"},  {U'\u2018', "'"},
    {U'\u2019', "'"},  {U'\u00B2', "2"},  {U'\u00B3', "3"},
};

// Blanks, and the dot of "sq.ft" and "in.": all separate words alike.
bool IsSeparator(char32_t c) {
    return c == ' ' || c == '\t' || c == '.' || c == U'\u00A0' || c == U'\u2009' || c == U'\u202F';
}

// A name as names are compared: ASCII lower case, look-alike marks as the
// catalogue writes them, separators as one blank between words, none after
// a degree sign. Text that is not UTF-8 folds to nothing, which names nothing.
std::string Folded(std::string_view text) {
    std::string folded;
    bool pendingBlank = false;
    while (!text.empty()) {
        const std::size_t length = Utf8Length(text);
        if (length == 0) return {};
        const char32_t c = CodePoint(text.substr(0, length));
        const std::string_view bytes = text.substr(0, length);
        text.remove_prefix(length);
        if (IsSeparator(c)) {
            pendingBlank = !folded.empty() && !folded.ends_with("°");
            continue;
        }
        if (pendingBlank) folded += ' ';
        pendingBlank = false;
        const auto* alike = std::find_if(std::begin(kLookAlikes), std::end(kLookAlikes),
                                         [c](const LookAlike& l) { return l.mark == c; });
        if (alike != std::end(kLookAlikes))
            folded += alike->as;
        else if (c >= 'A' && c <= 'Z')
            folded += static_cast<char>(c - 'A' + 'a');
        else
            folded += bytes;
    }
    return folded;
}

// The '|'-separated names of a unit's alias text.
std::vector<std::string_view> Split(std::string_view names) {
    std::vector<std::string_view> parts;
    while (!names.empty()) {
        const auto bar = names.find('|');
        parts.push_back(names.substr(0, bar));
        names.remove_prefix(bar == std::string_view::npos ? names.size() : bar + 1);
    }
    return parts;
}

// Every name a unit answers to, folded, built once.
struct Known {
    UnitRef unit;
    std::string listName;
    std::vector<std::string> aliases;
};

const std::vector<Known>& KnownNames() {
    static const std::vector<Known> known = [] {
        std::vector<Known> all;
        for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
            for (const UnitRef unit : NamedUnits(c)) {
                Known k{unit, Folded(NameOf(unit)), {}};
                for (const std::string_view alias : AliasesOf(unit)) k.aliases.push_back(Folded(alias));
                all.push_back(std::move(k));
            }
        }
        return all;
    }();
    return known;
}

// Abbreviations and symbols name a unit only whole ("nm" is no start of
// "nmi2"); words, with a run of four letters, also by their start.
bool IsWord(std::string_view name) {
    std::size_t run = 0;
    for (const char c : name) {
        run = c >= 'a' && c <= 'z' ? run + 1 : 0;
        if (run == 4) return true;
    }
    return false;
}

}  // namespace

std::vector<UnitRef> NamedUnits(std::size_t category) {
    std::vector<UnitRef> units;
    const UnitList& table = TableOf(category);
    for (std::size_t i = 0; i < table.size() / 2; ++i)
        if (UnitName(table, i) != kSeparatorName) units.push_back({category, static_cast<int>(i)});
    return units;
}

std::string_view NameOf(UnitRef unit) {
    if (unit.position < 0) return {};
    return UnitName(TableOf(unit.category), static_cast<std::size_t>(unit.position));
}

std::vector<std::string_view> AliasesOf(UnitRef unit) {
    if (unit.position < 0) return {};
    return Split(UnitAliases(unit.category, static_cast<std::size_t>(unit.position)));
}

std::vector<UnitRef> MatchUnit(std::string_view typed, std::optional<std::size_t> category) {
    const std::string want = Folded(typed);
    std::vector<UnitRef> listNames;
    std::vector<UnitRef> aliases;
    std::vector<UnitRef> starts;
    if (want.empty()) return starts;
    for (const Known& k : KnownNames()) {
        if (category && k.unit.category != *category) continue;
        if (k.listName == want) listNames.push_back(k.unit);
        if (std::find(k.aliases.begin(), k.aliases.end(), want) != k.aliases.end()) aliases.push_back(k.unit);
        const auto startsIt = [&want](const std::string& name) { return name.starts_with(want) && IsWord(name); };
        if (k.listName.starts_with(want) || std::any_of(k.aliases.begin(), k.aliases.end(), startsIt))
            starts.push_back(k.unit);
    }
    return !listNames.empty() ? listNames : !aliases.empty() ? aliases : starts;
}

std::optional<std::size_t> MatchCategory(std::string_view typed) {
    const std::string want = Folded(typed);
    if (want.empty()) return std::nullopt;
    std::optional<std::size_t> found;
    for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
        // The list spells it "Temprature"; people spell it right.
        const std::string name = Folded(kCategoryNames[c]);
        const std::string spelled = kCategoryNames[c] == kTemperatureCategory ? "temperature" : name;
        if (name == want || spelled == want) return c;
        if (name.starts_with(want) || spelled.starts_with(want)) {
            if (found) return std::nullopt;
            found = c;
        }
    }
    return found;
}

}  // namespace mensaro
