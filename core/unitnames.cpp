// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitnames.h"

#include <algorithm>
#include <cstdint>
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
bool IsSeparator(char32_t c) { return c == '.' || IsWordSpace(c); }

// A name as names are compared: ASCII lower case, look-alike marks as the
// catalogue writes them, separators as one blank between words, none after
// a degree sign. Text that is not UTF-8 folds to nothing, which names nothing.
std::string Folded(std::string_view text) {
    std::string folded;
    bool pendingBlank = false;
    while (!text.empty()) {
        const auto lead = static_cast<unsigned char>(text[0]);
        const std::size_t length = lead < 0x80 ? 1 : Utf8Length(text);
        if (length == 0) return {};
        const std::string_view bytes = text.substr(0, length);
        const char32_t c = lead < 0x80 ? lead : CodePoint(bytes);
        text.remove_prefix(length);
        if (IsSeparator(c)) {
            pendingBlank = !folded.empty() && !folded.ends_with("°");
            continue;
        }
        if (pendingBlank) folded += ' ';
        pendingBlank = false;
        if (c >= 'A' && c <= 'Z') {
            folded += static_cast<char>(c - 'A' + 'a');
            continue;
        }
        const auto* alike = std::find_if(std::begin(kLookAlikes), std::end(kLookAlikes),
                                         [c](const LookAlike& l) { return l.mark == c; });
        folded += alike != std::end(kLookAlikes) ? alike->as : bytes;
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

// One name a unit answers to, folded.
struct Name {
    std::string folded;
    UnitRef unit;
    bool listName;    // as the window lists it
    bool byItsStart;  // may be typed by its start
};

// Every name of every unit, in order of the folded names, built once: a
// typed name is looked up, never compared with each.
const std::vector<Name>& Names() {
    static const std::vector<Name> names = [] {
        std::vector<Name> all;
        for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
            for (const UnitRef unit : NamedUnits(c)) {
                all.push_back({Folded(NameOf(unit)), unit, true, true});
                for (const std::string_view alias : AliasesOf(unit)) {
                    std::string folded = Folded(alias);
                    const bool word = IsWord(folded);
                    all.push_back({std::move(folded), unit, false, word});
                }
            }
        }
        std::sort(all.begin(), all.end(), [](const Name& a, const Name& b) { return a.folded < b.folded; });
        return all;
    }();
    return names;
}

// The names that start with a folded text, a range of Names().
std::pair<std::vector<Name>::const_iterator, std::vector<Name>::const_iterator> Starting(const std::string& text) {
    const std::vector<Name>& names = Names();
    const auto first = std::lower_bound(names.begin(), names.end(), text,
                                        [](const Name& name, const std::string& t) { return name.folded < t; });
    auto last = first;
    while (last != names.end() && last->folded.starts_with(text)) ++last;
    return {first, last};
}

// In list order, each unit once.
std::vector<UnitRef> InListOrder(std::vector<UnitRef> units) {
    const auto order = [](UnitRef a, UnitRef b) {
        return std::pair(a.category, a.position) < std::pair(b.category, b.position);
    };
    std::sort(units.begin(), units.end(), order);
    units.erase(std::unique(units.begin(), units.end()), units.end());
    return units;
}

}  // namespace

std::vector<UnitRef> NamedUnits(std::size_t category) {
    std::vector<UnitRef> units;
    const UnitList& table = TableOf(category);
    for (std::size_t i = 0; i < table.size() / 2; ++i)
        if (UnitName(table, i) != kSeparatorName) units.push_back({category, static_cast<int>(i)});
    return units;
}

// A negative position converts to one past every table: no name.
std::string_view NameOf(UnitRef unit) {
    return UnitName(TableOf(unit.category), static_cast<std::size_t>(unit.position));
}

std::vector<std::string_view> AliasesOf(UnitRef unit) {
    return Split(UnitAliases(unit.category, static_cast<std::size_t>(unit.position)));
}

std::vector<UnitRef> MatchUnit(std::string_view typed, std::optional<std::size_t> category) {
    const std::string want = Folded(typed);
    std::vector<UnitRef> units;
    if (want.empty()) return units;
    // The best kind of name found decides: a list name, another name, a start.
    enum Kind : std::uint8_t { kListName, kOtherName, kStart, kNone };
    const auto kindOf = [&want](const Name& name) {
        if (name.folded == want) return name.listName ? kListName : kOtherName;
        return name.byItsStart ? kStart : kNone;
    };
    const auto [first, last] = Starting(want);
    Kind best = kNone;
    for (auto name = first; name != last; ++name)
        if (!category || name->unit.category == *category) best = std::min(best, kindOf(*name));
    for (auto name = first; name != last && best != kNone; ++name)
        if ((!category || name->unit.category == *category) &&
            (kindOf(*name) == best || (best == kStart && name->byItsStart)))
            units.push_back(name->unit);
    return InListOrder(std::move(units));
}

std::vector<UnitRef> ListNamesStartingWith(std::string_view typed, std::optional<std::size_t> category) {
    std::vector<UnitRef> units;
    const auto [first, last] = Starting(Folded(typed));
    for (auto name = first; name != last; ++name)
        if (name->listName && (!category || name->unit.category == *category)) units.push_back(name->unit);
    return InListOrder(units);
}

std::optional<std::size_t> MatchCategory(std::string_view typed) {
    const std::string want = Folded(typed);
    if (want.empty()) return std::nullopt;
    std::optional<std::size_t> found;
    for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
        // The list spells it "Temprature"; people spell it right. No name
        // starts another, so a whole name is also the one start.
        const std::string name = Folded(kCategoryNames[c]);
        const std::string spelled = kCategoryNames[c] == kTemperatureCategory ? "temperature" : name;
        if (name.starts_with(want) || spelled.starts_with(want)) {
            if (found) return std::nullopt;
            found = c;
        }
    }
    return found;
}

}  // namespace mensaro
