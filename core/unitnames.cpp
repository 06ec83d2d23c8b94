// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitnames.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <tuple>

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

// Latin letters with marks, U+00C0 to U+017F, as the letter without them; '*'
// for the ones written with two letters, '.' for the signs kept as they are.
constexpr std::string_view kBaseLetters =
    "aaaaaa*ceeeeiiiidnooooo.ouuuuy**aaaaaa*ceeeeiiiidnooooo.ouuuuy*y"  // U+00C0
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkkllllllllll"
    "nnnnnnnnnoooooo**rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(kBaseLetters.size() == 0x180 - 0xC0);

struct TwoLetters {
    char32_t letter;
    std::string_view as;
};
constexpr TwoLetters kTwoLetters[] = {{U'\u00C6', "ae"}, {U'\u00E6', "ae"}, {U'\u00DE', "th"}, {U'\u00FE', "th"},
                                      {U'\u00DF', "ss"}, {U'\u1E9E', "ss"}, {U'\u0132', "ij"}, {U'\u0133', "ij"},
                                      {U'\u0152', "oe"}, {U'\u0153', "oe"}};

// The marks that follow a letter in decomposed text (c + U+0327 for ç).
bool IsCombiningMark(char32_t c) { return c >= 0x300 && c <= 0x36F; }

// Blanks, and the dot of "sq.ft" and "in.": all separate words alike.
bool IsSeparator(char32_t c) { return c == '.' || IsWordSpace(c); }

// A name as names are compared: lower case, letters without their marks,
// look-alike marks as the catalogue writes them, separators as one blank
// between words, none after a degree sign. The same in every locale, as it
// uses none. Text that is not UTF-8 folds to nothing, which names nothing.
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
        if (IsCombiningMark(c)) continue;
        if (pendingBlank) folded += ' ';
        pendingBlank = false;
        if (c >= 'A' && c <= 'Z') {
            folded += static_cast<char>(c - 'A' + 'a');
        } else if (c >= 0xC0 && c < 0x180 && kBaseLetters[c - 0xC0] != '.') {
            const char base = kBaseLetters[c - 0xC0];
            if (base != '*') {
                folded += base;
                continue;
            }
            folded += std::find_if(std::begin(kTwoLetters), std::end(kTwoLetters), [c](const TwoLetters& t) {
                          return t.letter == c;
                      })->as;
        } else if (c == U'\u1E9E') {
            folded += "ss";
        } else {
            const auto* alike = std::find_if(std::begin(kLookAlikes), std::end(kLookAlikes),
                                             [c](const LookAlike& l) { return l.mark == c; });
            folded += alike != std::end(kLookAlikes) ? alike->as : bytes;
        }
    }
    return folded;
}

// The names of a list, each between separators, without blanks around it.
std::vector<std::string_view> Split(std::string_view names, char separator) {
    std::vector<std::string_view> parts;
    while (!names.empty()) {
        const auto bar = names.find(separator);
        if (const std::string_view part = Trimmed(names.substr(0, bar)); !part.empty()) parts.push_back(part);
        names.remove_prefix(bar == std::string_view::npos ? names.size() : bar + 1);
    }
    return parts;
}

// Abbreviations and symbols name a unit only whole ("nm" is no start of
// "nmi2"); words, with a run of four letters, also by their start.
bool IsWord(std::string_view name) {
    std::size_t run = 0;
    for (const char c : name) {
        run = (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80 ? run + 1 : 0;
        if (run == 4) return true;
    }
    return false;
}

using Name = Vocabulary::Name;

// The names that start with a folded text, a range of a vocabulary's names.
std::pair<std::vector<Name>::const_iterator, std::vector<Name>::const_iterator> Starting(const std::vector<Name>& names,
                                                                                         const std::string& text) {
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

// Whether a folded word has a letter: lower case, or a character of another
// alphabet; arrows and other signs (U+2000 to U+2BFF) are none.
bool HasLetter(std::string_view folded) {
    for (std::size_t length = 0; !folded.empty(); folded.remove_prefix(length)) {
        length = std::max<std::size_t>(Utf8Length(folded), 1);
        const char32_t c = CodePoint(folded.substr(0, length));
        if ((c >= 'a' && c <= 'z') || (c >= 0xC0 && c < 0x2000) || c >= 0x2C00) return true;
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

// A negative position converts to one past every table: no name.
std::string_view NameOf(UnitRef unit) {
    return UnitName(TableOf(unit.category), static_cast<std::size_t>(unit.position));
}

double FactorOf(UnitRef unit) {
    const std::span<const double> factors = FactorsOf(unit.category);
    if (unit.position < 0 || static_cast<std::size_t>(unit.position) >= factors.size())
        throw std::out_of_range("no such unit");
    return factors[static_cast<std::size_t>(unit.position)];
}

std::vector<std::string_view> AliasesOf(UnitRef unit) {
    return Split(UnitAliases(unit.category, static_cast<std::size_t>(unit.position)), '|');
}

Vocabulary::Vocabulary() : Vocabulary(Language()) {}

Vocabulary::Vocabulary(const Language& language) : language_(language) {
    const auto asked = [&language](Words words, std::string_view english) {
        return language ? language(words, english) : std::string();
    };
    const auto add = [this](std::string_view name, UnitRef unit, Name::Source source, bool shown) {
        std::string folded = Folded(name);
        if (folded.empty()) return;
        const bool word = shown || IsWord(folded);
        names_.push_back({std::move(folded), unit, source, shown, word});
    };
    for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
        for (const UnitRef unit : NamedUnits(c)) {
            add(NameOf(unit), unit, Name::kListName, true);
            for (const std::string_view alias : AliasesOf(unit)) add(alias, unit, Name::kOtherName, false);
            if (!language) continue;
            const std::string shown(Trimmed(asked(Words::kShownUnit, NameOf(unit))));
            if (IsUtf8(shown) && !Folded(shown).empty() && shown != NameOf(unit)) {
                add(shown, unit, Name::kLanguage, true);
                shown_.emplace_back(unit, shown);
            }
            const std::string typed = asked(Words::kTypedUnit, NameOf(unit));  // outlives its parts
            for (const std::string_view name : Split(typed, ';')) add(name, unit, Name::kLanguage, false);
        }
        // The list spells it "Temprature"; people spell it right.
        categories_.emplace_back(Folded(kCategoryNames[c]), c);
        if (kCategoryNames[c] == kTemperatureCategory) categories_.emplace_back("temperature", c);
        const std::string shown(Trimmed(asked(Words::kShownCategory, kCategoryNames[c])));
        shownCategories_.push_back(IsUtf8(shown) && !Folded(shown).empty() ? shown : std::string(kCategoryNames[c]));
        for (const Words words : {Words::kShownCategory, Words::kTypedCategory}) {
            const std::string typed = asked(words, kCategoryNames[c]);
            for (const std::string_view name : Split(typed, ';'))
                if (std::string folded = Folded(name); !folded.empty()) categories_.emplace_back(std::move(folded), c);
        }
    }
    std::sort(names_.begin(), names_.end(), [](const Name& a, const Name& b) { return a.folded < b.folded; });
    std::vector<std::string_view> keywords(kKeywords.begin(), kKeywords.end());
    const std::string theirs = asked(Words::kKeywords, kKeywords.front());
    for (const std::string_view keyword : Split(theirs, ';')) keywords.push_back(keyword);
    for (const std::string_view keyword : keywords) {
        std::string folded = Folded(keyword);
        if (folded.empty() || folded.find(' ') != std::string::npos ||
            std::find(written_.begin(), written_.end(), keyword) != written_.end())
            continue;
        written_.emplace_back(keyword);
        if (HasLetter(folded))
            keywords_.push_back(std::move(folded));
        else
            marks_.emplace_back(keyword);
    }
}

const Vocabulary& Vocabulary::English() {
    static const Vocabulary english;
    return english;
}

std::string_view Vocabulary::ShownName(UnitRef unit) const {
    for (const auto& [named, name] : shown_)
        if (named == unit) return name;
    return NameOf(unit);
}

std::string_view Vocabulary::ShownCategory(std::size_t category) const { return shownCategories_.at(category); }

std::string Vocabulary::Said(std::string_view english, std::initializer_list<std::string_view> args) const {
    const std::string theirs = language_ ? language_(Words::kMessage, english) : std::string();
    return Fill(theirs.empty() || !IsUtf8(theirs) ? english : std::string_view(theirs), args);
}

bool Vocabulary::IsKeyword(std::string_view word) const {
    const std::string folded = Folded(word);
    return std::find(keywords_.begin(), keywords_.end(), folded) != keywords_.end();
}

std::vector<UnitRef> MatchUnit(std::string_view typed, std::optional<std::size_t> category, const Vocabulary& words) {
    const std::string want = Folded(typed);
    std::vector<UnitRef> units;
    if (want.empty()) return units;
    const auto [first, last] = Starting(words.Names(), want);
    const auto within = [&category](const Name& name) { return !category || name.unit.category == *category; };
    // A whole name first: in English a list name before another name, and
    // beside them the language's names; then the start of a name.
    Name::Source english = Name::kLanguage;
    for (auto name = first; name != last; ++name)
        if (within(*name) && name->folded == want && name->source != Name::kLanguage)
            english = std::min(english, name->source);
    for (auto name = first; name != last; ++name)
        if (within(*name) && name->folded == want && (name->source == english || name->source == Name::kLanguage))
            units.push_back(name->unit);
    if (units.empty())
        for (auto name = first; name != last; ++name)
            if (within(*name) && name->byItsStart) units.push_back(name->unit);
    return InListOrder(std::move(units));
}

std::vector<std::string_view> ShownNamesStartingWith(std::string_view typed, std::optional<std::size_t> category,
                                                     const Vocabulary& words) {
    std::vector<const Name*> found;
    const auto [first, last] = Starting(words.Names(), Folded(typed));
    for (auto name = first; name != last; ++name)
        if (name->shown && (!category || name->unit.category == *category)) found.push_back(&*name);
    // In list order, one name a unit: the English one where it fits, as it does in every language.
    std::sort(found.begin(), found.end(), [](const Name* a, const Name* b) {
        return std::tuple(a->unit.category, a->unit.position, a->source) <
               std::tuple(b->unit.category, b->unit.position, b->source);
    });
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < found.size(); ++i)
        if (i == 0 || found[i]->unit != found[i - 1]->unit)
            names.push_back(found[i]->source == Name::kListName ? NameOf(found[i]->unit)
                                                                : words.ShownName(found[i]->unit));
    return names;
}

std::optional<std::size_t> MatchCategory(std::string_view typed, const Vocabulary& words) {
    const std::string want = Folded(typed);
    if (want.empty()) return std::nullopt;
    // A whole name first, then the start of one; one category, or none.
    for (const bool whole : {true, false}) {
        std::optional<std::size_t> found;
        for (const auto& [name, category] : words.CategoryNames()) {
            if (whole ? name != want : !name.starts_with(want)) continue;
            if (found && *found != category) return std::nullopt;
            found = category;
        }
        if (found) return found;
    }
    return std::nullopt;
}

}  // namespace mensaro
