// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Unit names as people type them: the names the lists show, the other names
// the catalogue gives each unit (cm, °F, sq ft, fahrenheit, ...), those of
// the user's language, and the start of a name. Case, runs of blanks, dots
// and look-alike marks (˚ ″ ′ ℃ ², curly quotes, the Kelvin sign) never count;
// nor do accents, in any locale: é, É and e + U+0301 are all e, Ç is c, ß is
// ss, Turkish İ and ı are both i, Æ is ae.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Marks a message's English text for the translators' template; it stays
// that text. A vocabulary's Said() gives it in the language.
#define M_(text) text

namespace mensaro {

// A unit: its category (an index into kCategoryNames) and its position in
// that category's table, as the window's lists number it.
struct UnitRef {
    std::size_t category = 0;
    int position = 0;
    bool operator==(const UnitRef&) const = default;
};

// The words and marks that may stand between two units, as English writes
// them; a vocabulary adds its language's.
inline constexpr std::array<std::string_view, 8> kKeywords = {"to", "in", "as", "into", "=", ">", "->", "\u2192"};

// What a vocabulary asks its language for, each as ';'-separated names.
enum class Words : std::uint8_t {
    kShownUnit,      // by a unit's list name: the one name shown for it
    kTypedUnit,      // by a unit's list name: the other names typed for it
    kShownCategory,  // by a category's name: the one name shown for it
    kTypedCategory,  // by a category's name: the other names typed for it
    kKeywords,       // by "to": the words between two units
    kMessage,        // by a message's English text, placeholders %1 .. %9: the message
};

// The names a typed text is looked up among: the English ones always, and
// those of one language. Where both languages together give a name to two
// units, the name is ambiguous, whatever it means in either alone.
class Vocabulary {
public:
    // The language's answer for an English name; an untranslated name may
    // come back as it is.
    using Language = std::function<std::string(Words, std::string_view english)>;

    Vocabulary();  // English only
    explicit Vocabulary(const Language& language);

    // The one built in, English only.
    static const Vocabulary& English();

    // The name shown for a unit in the language, else its list name.
    std::string_view ShownName(UnitRef unit) const;
    // The name shown for a category in the language, else its own.
    std::string_view ShownCategory(std::size_t category) const;

    // A message (marked with M_) in the language, else in English, with its
    // placeholders %1 .. %9 filled in.
    //   "unknown unit %1", {"'zol'"} -> "unknown unit 'zol'"; German "unbekannte Einheit 'zol'"
    std::string Said(std::string_view english, std::initializer_list<std::string_view> args = {}) const;

    // Every keyword as written, the English ones first, each once.
    const std::vector<std::string>& Keywords() const { return written_; }
    // Whether a word (folded as names are) is a keyword of either language.
    bool IsKeyword(std::string_view word) const;
    // The keywords written without letters ("->"), found even between words.
    const std::vector<std::string>& Marks() const { return marks_; }

    // One name a unit answers to, folded.
    struct Name {
        enum Source : std::uint8_t { kListName, kOtherName, kLanguage };
        std::string folded;
        UnitRef unit;
        Source source;
        bool shown;       // as a list shows it: the English list name, the language's shown name
        bool byItsStart;  // may be typed by its start
    };
    // Every name of every unit, in order of the folded names.
    const std::vector<Name>& Names() const { return names_; }
    // Every folded name of each category.
    const std::vector<std::pair<std::string, std::size_t>>& CategoryNames() const { return categories_; }

private:
    std::vector<Name> names_;
    std::vector<std::pair<std::string, std::size_t>> categories_;
    std::vector<std::string> written_;
    std::vector<std::string> keywords_;  // folded words
    std::vector<std::string> marks_;
    std::vector<std::pair<UnitRef, std::string>> shown_;
    std::vector<std::string> shownCategories_;
    Language language_;  // kept for the messages
};

// The units of a category that a user can name, in list order: every entry
// but the separators.
//   Volume -> Mililiter (0), Liter (1), Cu.Inch (3), ...
std::vector<UnitRef> NamedUnits(std::size_t category);

// The list name of a unit, and the other names it answers to.
std::string_view NameOf(UnitRef unit);
// A unit's factor: how many of the category's base unit it is.
double FactorOf(UnitRef unit);
std::vector<std::string_view> AliasesOf(UnitRef unit);

// What a typed name means, among all units or those of one category: a list
// name first, then another name, then the start of a name (abbreviations and
// symbols count only whole). A name of the vocabulary's language ranks with
// the English list names and other names alike. Several units found are
// ambiguous; none unknown.
//   "nautical   MILE" -> Nautical Mile     "sq.fe" -> Sq.Feet
//   "cm" -> Centimeter    "°F", "fahrenheit" -> Farenhite    "℃" -> Celsius
//   "ton" -> Ton (a list name, though "Tonne" starts with it too)
//   "to" -> Tonne, Ton     "m", in Time -> Minute
//   "mph", "parsec", "", "--" -> nothing
//   with German names: "ZÖLLE" -> Inch    "Fuss" -> Feet    "Tonne" -> Tonne, Ton
std::vector<UnitRef> MatchUnit(std::string_view typed, std::optional<std::size_t> category = std::nullopt,
                               const Vocabulary& words = Vocabulary::English());

// The names lists show, in English and in the vocabulary's language, that
// start with a typed text, folded as above, among all units or those of one
// category, in list order, one a unit (the English one where both fit);
// every one for no text.
//   "na" -> Nautical Mile     "sq.mil" -> Sq.Mile, Sq.Milimeter
//   with German names: "ze" -> Zentimeter    "me" in Distance -> Meile, Meter
std::vector<std::string_view> ShownNamesStartingWith(std::string_view typed,
                                                     std::optional<std::size_t> category = std::nullopt,
                                                     const Vocabulary& words = Vocabulary::English());

// A category as typed: its name in any case, "temperature", a name of the
// vocabulary's language, or the start of one.
//   "distance" -> 0    "Temperature", "temp" -> 4    "x" -> nothing
std::optional<std::size_t> MatchCategory(std::string_view typed, const Vocabulary& words = Vocabulary::English());

}  // namespace mensaro
