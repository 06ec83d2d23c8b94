// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/query.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <tuple>

#include "core/catalogue.h"
#include "core/numbertext.h"
#include "core/quantity.h"
#include "core/suggest.h"
#include "core/unitnames.h"

namespace {

using mensaro::Conversion;
using mensaro::MatchUnit;
using mensaro::NameOf;
using mensaro::Reading;

constexpr int kAny = -1;

// A typed name, where to look (kAny for everywhere), the names found in list order joined by '|' ("" for none).
using Case = std::tuple<const char*, int, const char*>;

// clang-format off
constexpr Case kCases[] = {
    // The header's examples; a list name before another name, another name before a start.
    {"nautical   MILE", kAny, "Nautical Mile"}, {"sq.fe", kAny, "Sq.Feet"}, {"cm", kAny, "Centimeter"},
    {"°F", kAny, "Farenhite"}, {"fahrenheit", kAny, "Farenhite"}, {"℃", kAny, "Celsius"}, {"ton", kAny, "Ton"},
    {"to", kAny, "Tonne|Ton"}, {"m", 5, "Minute"}, {"mph", kAny, ""}, {"parsec", kAny, ""}, {"", kAny, ""},
    {"--", kAny, ""}, {"Inch", kAny, "Inch"}, {"CENTIMETER", kAny, "Centimeter"}, {"s", kAny, "Second"},
    {"day", kAny, "Day"}, {"c", kAny, "Celsius"}, {"ounce", kAny, "Ounce"}, {"fe", kAny, "Feet"},
    {"fahr", kAny, "Farenhite"},
    // Case, blanks, dots and look-alike marks never count.
    {"Nautical \t  Mile", kAny, "Nautical Mile"}, {"sq. ft", kAny, "Sq.Feet"}, {"SQ FT", kAny, "Sq.Feet"},
    {"in.", kAny, "Inch"}, {"fl.oz", kAny, "Fluid Ounce"}, {"ML", kAny, "Mililiter"}, {"° C", kAny, "Celsius"},
    {"˚c", kAny, "Celsius"}, {"ºF", kAny, "Farenhite"}, {"\u212A", kAny, "Kelvin"}, {"″", kAny, "Inch"},
    {"”", kAny, "Inch"}, {"′", kAny, "Feet"}, {"’", kAny, "Feet"}, {"ft²", kAny, "Sq.Feet"}, {"M²", kAny, "Sq.Meter"},
    {"in³", kAny, "Cu.Inch"}, {"\u00a0cm", kAny, "Centimeter"}, {"sq.millimeter", kAny, "Sq.Milimeter"},
    {"Temperature", kAny, ""},
    // Symbols and abbreviations count only whole; a word no unit has is no unit; within one category.
    {"nm", kAny, ""}, {"kph", kAny, ""}, {"t", kAny, "Tonne|Ton"}, {"mil", kAny, "Mile|Millimeter|Mililiter"},
    {"pint", kAny, "Pint UK|Pint US Dry|Pint US Liquid"}, {"gal", kAny, "Gallon UK|Gallon US"},
    {"Sq.Mil", kAny, "Sq.Mile|Sq.Milimeter"}, {"Inch ", kAny, "Inch"}, {"Inch\n", kAny, ""}, {"a\xff", kAny, ""},
    {"----------------", kAny, ""}, {"sqin", kAny, ""}, {"s", 0, ""}, {"pint us", 2, "Pint US Dry|Pint US Liquid"}, {"cm", 4, ""}};
// clang-format on

std::optional<std::size_t> Where(int category) {
    return category == kAny ? std::nullopt : std::optional<std::size_t>(category);
}

std::string_view NameOf(std::string_view name) { return name; }  // a name is its own

std::string Names(const auto& units) {
    std::string names;
    for (const auto& unit : units) names += (names.empty() ? "" : "|") + std::string(NameOf(unit));
    return names;
}

TEST(MatchUnit, FindsTheUnitsATextCanMeanAndEveryNameItsOwn) {
    for (const auto& [typed, category, means] : kCases)
        EXPECT_EQ(Names(MatchUnit(typed, Where(category))), means) << '"' << typed << "\" in " << category;
    // Every name finds its own unit alone, anywhere: no other name shadows a list name, no two units share one.
    std::size_t names = 0;
    for (std::size_t c = 0; c < mensaro::kCategoryNames.size(); ++c) {
        for (const auto unit : mensaro::NamedUnits(c)) {
            auto typed = mensaro::AliasesOf(unit);
            typed.push_back(NameOf(unit));
            names += typed.size();
            for (const std::string_view name : typed)
                EXPECT_EQ(Names(MatchUnit(name)), NameOf(unit)) << '"' << name << '"';
        }
    }
    EXPECT_GT(names, 200u);
}

// A language of our own, as a translation gives it: German and Turkish names, one unit left untranslated
// (Kelvin), and the faults a translation can hold: a name that shadows another unit's English symbol (Yard's
// "mi", Mile's), one name for two units of a category (Liter's and Gallon US's "Fass").
mensaro::Vocabulary TestLanguage() {
    using enum mensaro::Words;
    // clang-format off
    static const std::map<std::pair<mensaro::Words, std::string_view>, std::string> kNames = {
        {{kShownUnit, "Inch"}, "Zoll"}, {{kTypedUnit, "Inch"}, "Zölle; İnç"}, {{kShownUnit, "Feet"}, "Fuß"},
        {{kTypedUnit, "Feet"}, "Füße"}, {{kShownUnit, "Ton"}, "Tonne"}, {{kTypedUnit, "Ton"}, "Tonnen;t"},
        {{kShownUnit, "Centimeter"}, "Zentimeter"}, {{kShownUnit, "Mile"}, "Meile"}, {{kTypedUnit, "Yard"}, "mi"},
        {{kTypedUnit, "Liter"}, "Fass"}, {{kTypedUnit, "Gallon US"}, ";Fass;"}, {{kShownCategory, "Distance"}, "Länge"},
        {{kTypedCategory, "Temprature"}, "Temperatur"}, {{kKeywords, "to"}, "nach;in; ⇒ "},
        {{kMessage, "unknown unit %1; the units of %2 are %3"}, "unbekannte Einheit %1; %2: %3"},
        {{kMessage, "%1 is not a number: the decimal point is '.'"}, "%1: Dezimalpunkt '.'"}};
    // clang-format on
    return mensaro::Vocabulary([](mensaro::Words words, std::string_view english) {
        const auto found = kNames.find({words, english});
        return found == kNames.end() ? std::string(english) : found->second;  // as gettext falls back
    });
}

// With the names of a language too (the English rows read the same).
TEST(ListNamesStartingWithAndMatchCategory, TakeAStart) {
    const mensaro::Vocabulary words = TestLanguage();
    // clang-format off
    const Case starts[] = {{"na", kAny, "Nautical Mile"}, {"sq.mil", kAny, "Sq.Mile|Sq.Milimeter"}, {"m", 5, "Minute"},
                           {"", 4, "Celsius|Farenhite|Kelvin"}, {"cm", kAny, ""}, {"me", 0, "Meile|Meter"}};
    for (const auto& [typed, category, means] : starts)
        EXPECT_EQ(Names(mensaro::ShownNamesStartingWith(typed, Where(category), words)), means) << typed;
    const std::pair<const char*, std::optional<std::size_t>> rows[] = {
        {"distance", 0}, {"Temperature", 4}, {"temp", 4}, {"TEMPRATURE", 4}, {"ti", 5}, {"t", std::nullopt},
        {"x", std::nullopt}, {"", std::nullopt}, {"LANGE", 0}, {"temperatur", 4}, {"l", 0}};
    // clang-format on
    for (const auto& [typed, category] : rows) EXPECT_EQ(mensaro::MatchCategory(typed, words), category) << typed;
}

// A conversion is written in full ("12 Inch > Centimeter", "5 Feet 11 Inch > Feet Inch"); a failure by its kind
// and a piece of its message.
std::string Written(const Conversion& c) {
    std::string text = c.parts.empty() ? c.value + " " + std::string(NameOf(c.from)) : "";
    for (const auto& part : c.parts)
        text += (text.empty() ? "" : " ") + part.value + " " + std::string(NameOf(part.unit));
    text += " >";
    for (const auto unit : c.targets.empty() ? std::vector{c.to} : c.targets) text += " " + std::string(NameOf(unit));
    return text;
}

void ExpectReads(const Reading& reading, const std::string& expected, const std::string& what) {
    constexpr const char* kKinds[] = {"none", "value", "usage", "ambiguous", "no target"};
    const auto& c = reading.conversion;
    const std::string got = c ? Written(*c) : kKinds[static_cast<int>(reading.fault)] + (":" + reading.message);
    const auto colon = expected.find(':');
    EXPECT_TRUE(colon == std::string::npos ? got == expected
                                           : got.starts_with(expected.substr(0, colon + 1)) &&
                                                 got.find(expected.substr(colon + 1)) != std::string::npos)
        << what << ": " << got << ", not " << expected;
}

// clang-format off
const std::pair<std::string, std::string> kQueries[] = {
    // The forms people write (the header's examples first).
    {"12 in to cm", "12 Inch > Centimeter"}, {"12in cm", "12 Inch > Centimeter"},
    {"100°F to °C", "100 Farenhite > Celsius"}, {"12\" > cm", "12 Inch > Centimeter"},
    {"-40 F = C", "-40 Farenhite > Celsius"}, {"5 ft in m", "5 Feet > Meter"}, {"12in=cm", "12 Inch > Centimeter"},
    {"12 in -> cm", "12 Inch > Centimeter"}, {"12 in → cm", "12 Inch > Centimeter"}, {"12in→cm", "12 Inch > Centimeter"},
    {"12 inches to cm", "12 Inch > Centimeter"}, {"12 in in", "12 Inch > Inch"}, {"1 m in in", "1 Meter > Inch"},
    {"3 sq ft to m²", "3 Sq.Feet > Sq.Meter"}, {"1 nautical mile TO km", "1 Nautical Mile > Kilometer"},
    {"  1e3 m AS km ", "1e3 Meter > Kilometer"}, {"1 day s", "1 Day > Second"}, {"90 m s", "90 Minute > Second"},
    {".5 l into ml", ".5 Liter > Mililiter"}, {"+3 fahrenheit celsius", "+3 Farenhite > Celsius"},
    {"12\u00a0in\u2009to\u202fcm", "12 Inch > Centimeter"},
    // Quantities in several parts, fractions, targets in several units.
    {"5 ft 11 in to cm", "5 Feet 11 Inch > Centimeter"}, {"5'11\" to cm", "5 Feet 11 Inch > Centimeter"},
    {"5′11″ cm", "5 Feet 11 Inch > Centimeter"}, {"5' 11\" in cm", "5 Feet 11 Inch > Centimeter"},
    {"5'11 to cm", "5 Feet 11 Inch > Centimeter"}, {"5ft11in=cm", "5 Feet 11 Inch > Centimeter"},
    {"11 inches 5 feet to m", "11 Inch 5 Feet > Meter"}, {"-5 ft 11 in → cm", "-5 Feet 11 Inch > Centimeter"},
    {"1 h 30 min to min", "1 Hour 30 Minute > Minute"}, {"3 days 4 hours to h", "3 Day 4 Hour > Hour"},
    {"5 min 30 s to s", "5 Minute 30 Second > Second"}, {"2 lb 3 oz to kg", "2 Pound 3 Ounce > Kilogram"},
    {"1 mi 200 yd in m", "1 Mile 200 Yard > Meter"}, {"180 cm to ft in", "180 Centimeter > Feet Inch"},
    {"180 cm in feet and inches", "180 Centimeter > Feet Inch"}, {"90 min to h min", "90 Minute > Hour Minute"},
    {"1 mi to in, ft, yd", "1 Mile > Yard Feet Inch"}, {"1/2 in to mm", "1/2 Inch > Millimeter"},
    {"3 1/2 in mm", "3 1/2 Inch > Millimeter"}, {"½ in to mm", "½ Inch > Millimeter"}, {"1½ in to mm", "1½ Inch > Millimeter"},
    {"2¾ lb to kg", "2¾ Pound > Kilogram"}, {"1⁄4 in to mm", "1⁄4 Inch > Millimeter"},
    {"5 ft 3 1/2 in to cm", "5 Feet 3 1/2 Inch > Centimeter"}, {"5'11\"", "no target:missing the unit to"},
    {"5'11", "no target:missing the unit to"}, {"3 m2 to ft2", "3 Sq.Meter > Sq.Feet"},
    {"5 ft 3 ft", "usage:'Feet' comes twice"}, {"ft 11 in", "usage:does not start with a number"},
    {"20 C 5 F to K", "usage:temperatures cannot be added"}, {"5 ft 3 s to cm", "usage:all units must be of one category"},
    {"5 ft -3 in to cm", "value:a sign goes once"}, {"1/0 in cm", "value:'1/0' divides by zero"},
    {"1/2/3 in cm", "value:'1/2/3' is no fraction"}, {"1.5/2 in cm", "value:'1.5/2' is no fraction"},
    {"1e308/1e-308 in cm", "value:is no fraction"}, {"5 ft 11 to cm", "usage:missing the unit of '11'"},
    {"5'\"", "usage:unknown unit"}, {"5 ft 11 in to xyz", "usage:unknown unit 'xyz'"},
    {"1 a 2 b 3 c 4 d 5 e 6 f 7 g 8 h 9 i 10 j 11 k 12 l 13 m 14 n 15 o 16 p 17 q", "usage:too many parts"},
    // Not a conversion, each told why.
    {"12 in", "no target:missing the unit to"}, {"12", "usage:is only a number"}, {"", "usage:nothing to convert"},
    {"in to cm", "usage:does not start with a number"}, {"12 to", "usage:missing the units"},
    {"12 in =", "usage:unknown unit '='"}, {"12 to to", "ambiguous:Tonne or Ton"},
    {"1 to gram", "ambiguous:it could be Tonne or Ton"},
    {"1 pint to l", "ambiguous:Pint UK, Pint US Dry or Pint US Liquid"}, {"60 mph to km/h", "usage:unknown unit"},
    {"1 inch gram", "usage:'Inch' is a unit of Distance and 'Gram' of Weight"},
    {"12 in to xyz", "usage:'xyz'; the units of Distance are Inch, Feet"},
    {"12 \x1b[2J to cm", "usage:unknown unit '\\x1b[2J'"}, {"12 \xff to cm", "usage:not valid UTF-8"},
    {std::string(300, '1') + " in cm", "usage:too long"}, {"1.2.3 in cm", "value:'1.2.3' is not a number"},
    {"1,5 in cm", "value:'1,5' is not a number: the decimal point"}, {"\u22125 in cm", "value:the minus sign is '-'"},
    {"5 9 in cm", "value:'5 9' is not a number: a blank"}, {"\uFF11\uFF12 in cm", "value:the digits are 0 to 9"}};

// Value, from, to as three arguments; the same outcome forms.
const std::tuple<std::string, std::string, std::string, std::string> kPairs[] = {
    {"12", "Inch", "cm", "12 Inch > Centimeter"}, {"1", "C", "F", "1 Celsius > Farenhite"},
    {"1", "day", "s", "1 Day > Second"}, {" 1e3 ", "m", "km", "1e3 Meter > Kilometer"},
    {"1", "Fahrenheit", "Celsiu", "1 Farenhite > Celsius"},
    {"&HFF", "nautical   MILE", "Nautical\tMile", "&HFF Nautical Mile > Nautical Mile"},
    {"1", "to", "gram", "ambiguous:it could be Tonne or Ton"},
    {"1", "liter", "pint us", "ambiguous:Pint US Dry or Pint US Liquid"},
    {"1,5", "inch", "cm", "value:the decimal point is '.'"}, {"abc", "inch", "cm", "value:'abc' is not a number"},
    {"inf", "inch", "cm", "value:'inf' is not a number"}, {"0x10", "inch", "cm", "value:start with &H"},
    {"", "inch", "cm", "value:an empty value"}, {"1", "", "inch", "usage:empty unit name"},
    {"1", "inch", "xyz", "usage:'xyz'; the units of Distance"}, {"1", "inch", "gram", "usage:must be of one category"},
    {"1", "xyz", "abc", "usage:'xyz'; 'mensaro --list' shows every unit"}, {"1", "pint", "xyz", "usage:unknown unit 'xyz'"}};

// A query and the ids of what the search box offers, in order.
const std::pair<std::string, std::string> kSuggestions[] = {
    {"12 in to cm", "12|Inch|Centimeter"}, {"12 in", "12|Inch|Centimeter 12|Inch|Millimeter 12|Inch|Feet|Inch"},
    {"1 pint to l", "1|Pint UK|Liter 1|Pint US Dry|Liter 1|Pint US Liquid|Liter"},
    {"2 l to gal", "2|Liter|Gallon UK 2|Liter|Gallon US"}, {"20 c", "20|Celsius|Farenhite 20|Celsius|Kelvin"},
    {"1 kg", "1|Kilogram|Pound 1|Kilogram|Ounce 1|Kilogram|CWT"}, {"2 h", "2|Hour|Day 2|Hour|Minute 2|Hour|Hour|Minute"},
    {"1 to gram", ""}, {"1 mil to in", ""}, {"firefox", ""}, {"12", ""}, {"1,5 in cm", ""}, {"1E308 mi to in", ""},
    {"12 in\x01 cm", ""}, {std::string(257, '1') + " in cm", ""}, {"1 gallon", "1|Gallon UK|Liter 1|Gallon US|Liter"},
    {"5'11\"", "5|Feet|11|Inch|Meter 5|Feet|11|Inch|Centimeter 5|Feet|11|Inch|Feet|Inch"},
    {"1 h 30 min", "1|Hour|30|Minute|Hour 1|Hour|30|Minute|Day 1|Hour|30|Minute|Hour|Minute"},
    {"180 cm to ft in", "180|Centimeter|Feet|Inch"}, {"½ in to mm", "½|Inch|Millimeter"}, {"1e308 mi 1 in to ft in", ""}};

// The units alone, cut where both sides name units.
const std::pair<const char*, const char*> kUnits[] = {
    {"in to cm", " Inch > Centimeter"}, {"ft in m", " Feet > Meter"}, {"°F to °C", " Farenhite > Celsius"},
    {"to", "usage:missing the units"}, {"in", "no target:"}, {"", "usage:missing"}, {"\xff", "usage:not valid UTF-8"},
    {"nautical mile inch", " Nautical Mile > Inch"}, {"mile mile mile", "usage:unknown unit 'mile mile'"}};
// clang-format on

TEST(ReadQuery, ReadsTheFormsPeopleWriteAndTheUnitsAlone) {
    // Each twice, one after another: the units of the query before are kept, and must never leak into the next.
    mensaro::QueryReader reader;
    for (const auto& [query, expected] : kQueries) {
        ExpectReads(reader.Read(query), expected, query);
        ExpectReads(reader.Read(query), expected, query);
    }
    const Conversion c = mensaro::ReadQuery("12 in to cm").conversion.value();
    EXPECT_EQ(mensaro::SourceText(c), "12 Inch");
    EXPECT_EQ(mensaro::ResultText(c), "30.48 Centimeter");
    EXPECT_EQ(mensaro::ResultOf(mensaro::ReadQuery("1e308 mi to in").conversion.value()), "Overflow");
    for (const auto& [text, expected] : kUnits) ExpectReads(mensaro::ReadUnits(text), expected, text);  // alone
}

TEST(ReadPair, ReadsAValueAndTwoNamesAndSaysWhyAValueIsNone) {
    for (const char* number : {"12", " 1e3 ", ".5", "5.", "+3", "&HFF", "-0", "\t-40\t", "1E999"})
        EXPECT_EQ(mensaro::NumberProblem(number), "") << number;
    for (const char* text : {"", "abc", "5 6", "1.2.3", "0x10", "inf", "nan", "\u22125", "12abc", "&H", "1e", "- 3"})
        EXPECT_NE(mensaro::NumberProblem(text), "") << text;
    EXPECT_EQ(mensaro::NumberProblem(std::string(100, '7') + "x"), "'" + std::string(60, '7') + "'... is not a number");
    for (const auto& [value, from, to, expected] : kPairs)
        ExpectReads(mensaro::ReadPair(value, from, to), expected, value + "|" + from + "|" + to);
    // As the value box reads it: the leading number, or 0.
    constexpr auto kAsTyped = mensaro::ValueRule::kAsTyped;
    EXPECT_EQ(mensaro::ResultOf(mensaro::ReadPair("12abc", "inch", "cm", kAsTyped).conversion.value()), "30.48");
    EXPECT_EQ(mensaro::ResultOf(mensaro::ReadPair("", "c", "f", kAsTyped).conversion.value()), "32.00");
    EXPECT_EQ(mensaro::ResultOf(mensaro::ReadQuery("1,5 in cm", kAsTyped).conversion.value()), "2.54");
}

TEST(Suggest, OffersAFewConversionsNeverGuessesAndNamesThemById) {
    for (const auto& [query, expected] : kSuggestions) {
        std::string ids;
        for (const Conversion& c : mensaro::Suggest(query)) {
            ids += (ids.empty() ? "" : " ") + mensaro::IdOf(c);
            EXPECT_EQ(mensaro::FromId(mensaro::IdOf(c)), c) << query;  // an id says all
        }
        EXPECT_EQ(ids, expected) << query;
    }
    for (const std::string& id : std::initializer_list<std::string>{"",
                                                                    "12|Inch",
                                                                    "12|Inch|Centimeter|x",
                                                                    "12|Inch|Gram",
                                                                    "abc|Inch|Centimeter",
                                                                    "12|inch|Centimeter",
                                                                    " 12|Inch|Centimeter",
                                                                    "12|----------------|Inch",
                                                                    "1\xff|Inch|Inch",
                                                                    std::string(300, '1') + "|Inch|Inch",
                                                                    "|Inch|Inch",
                                                                    "1e308|Mile|Inch",
                                                                    "5|Feet|5|Feet|Inch",
                                                                    "5|Feet|-11|Inch|Inch",
                                                                    "5|Feet|11|Inch",
                                                                    "5|Feet|11|Second|Inch",
                                                                    "1|Inch|Inch|Feet",
                                                                    "1/0|Inch|Inch",
                                                                    "1|Celsius|2|Kelvin|Celsius",
                                                                    "1|Inch|Feet|",
                                                                    "5|Feet|11|Inch|Inch|Inch",
                                                                    "3 1/2 |Inch|Inch",
                                                                    "1e308|Mile|1|Inch|Inch"})
        EXPECT_FALSE(mensaro::FromId(id)) << id;  // what it did not make
    // Where the locale writes a decimal comma, so may the query.
    for (const char* query : {"1,5 in cm", "1.5 in cm"})
        EXPECT_EQ(mensaro::IdOf(mensaro::Suggest(query, true).at(0)), "1.5|Inch|Centimeter");
    for (const char* query : {"1,500.5 in cm", "1.500 g to kg"}) EXPECT_EQ(mensaro::Suggest(query, true).size(), 0u);
}

TEST(Vocabulary, AddsALanguagesNamesBesideTheEnglishOnesAndRefusesWhatBothGiveTwoUnits) {
    const mensaro::Vocabulary words = TestLanguage();
    // clang-format off
    const Case cases[] = {
        // Any case, accents optional, ß as ss, İ and ı as i, decomposed or composed alike.
        {"ZÖLLE", kAny, "Inch"}, {"zolle", kAny, "Inch"}, {"FUSS", kAny, "Feet"}, {"fu\u1E9E", kAny, "Feet"}, {"zoll", 2, ""},
        {"Fu\u0308\u00DFe", kAny, "Feet"}, {"İNÇ", kAny, "Inch"}, {"ınc\u0327", kAny, "Inch"}, {"zent", kAny, "Centimeter"},
        // English names stay; both languages' names for two units are ambiguous, whole or by their start.
        {"in", kAny, "Inch"}, {"Kelvin", kAny, "Kelvin"}, {"ton", kAny, "Ton"}, {"t", kAny, "Ton"}, {"fu\xff", kAny, ""},
        {"Tonne", kAny, "Tonne|Ton"}, {"mi", kAny, "Yard|Mile"}, {"FASS", 2, "Liter|Gallon US"}, {"me", 0, "Mile|Meter"}};
    // Its keywords beside the English ones; without it, none of its words.
    const std::pair<std::string, std::string> queries[] = {
        {"12 Zoll nach cm", "12 Inch > Centimeter"}, {"3 FUSS IN m", "3 Feet > Meter"},
        {"12 zoll to Zentimeter", "12 Inch > Centimeter"}, {"12 in⇒cm", "12 Inch > Centimeter"},
        {"1 Tonne nach kg", "ambiguous:it could be Tonne or Ton (Tonne)"}, {"12 nach", "usage:"},
        {"1 zoo in cm", "usage:unbekannte Einheit 'zoo'; Länge: Zoll, Fuß, Yard"}, {"1,5 in cm", "value:'1,5': Dez"}};
    // clang-format on
    for (const auto& [typed, category, means] : cases)
        EXPECT_EQ(Names(MatchUnit(typed, Where(category), words)), means) << '"' << typed << "\" in " << category;
    EXPECT_EQ(mensaro::MatchCategory("Länge"), std::nullopt);
    mensaro::QueryReader reader(words);
    for (const auto& [query, expected] : queries) ExpectReads(reader.Read(query), expected, query);
    ExpectReads(mensaro::ReadQuery("12 Zoll nach cm"), "usage:unknown unit", "English only");
}

// The arithmetic as the header of quantity.h writes it, on doubles, one operation a step: an independent oracle.
double Factor(mensaro::UnitRef unit) {
    return mensaro::ReadFactor(mensaro::TableOf(unit.category)[2 * static_cast<std::size_t>(unit.position) + 1]);
}

std::string Oracle(const std::vector<std::pair<double, mensaro::UnitRef>>& parts, bool negative,
                   const std::vector<mensaro::UnitRef>& targets) {
    using mensaro::FormatByPattern, mensaro::kGeneralPattern, mensaro::ReadNumber;
    if (parts.size() == 1 && targets.size() == 1 && parts[0].second == targets[0])
        return FormatByPattern(parts[0].first, kGeneralPattern);  // a unit to itself
    double total = 0;
    for (const auto& [value, unit] : parts) total = total + std::abs(value) * Factor(unit);
    if (negative) total = -total;
    if (targets.size() == 1) return FormatByPattern(total / Factor(targets[0]), kGeneralPattern);
    if (!std::isfinite(total)) return "Overflow";
    std::vector<double> amount(targets.size());
    double rest = std::abs(total);
    for (std::size_t i = 0; i + 1 < targets.size(); ++i) {
        amount[i] = std::floor(rest / Factor(targets[i]));
        rest = std::max(0.0, rest - amount[i] * Factor(targets[i]));
    }
    amount.back() = rest / Factor(targets.back());
    const auto shown = [&](std::size_t i) {
        return FormatByPattern(amount[i], i + 1 == amount.size() ? kGeneralPattern : "0");
    };
    for (std::size_t i = amount.size() - 1; i > 0; --i)
        if (ReadNumber(shown(i)) >= ReadNumber(mensaro::WriteNumber(Factor(targets[i - 1]) / Factor(targets[i]))))
            amount[i] = 0, amount[i - 1] += 1;
    std::string text;
    bool zero = true;
    for (std::size_t i = 0; i < amount.size(); ++i) {
        text += (i ? " " : "") + shown(i) + " " + std::string(NameOf(targets[i]));
        zero = zero && ReadNumber(shown(i)) == 0;
    }
    return (negative && !zero ? "-" : "") + text;
}

std::string Exact(double value) {
    char digits[32];
    return {digits, std::to_chars(std::begin(digits), std::end(digits), value).ptr};
}

TEST(ReadValue, ReadsTheHeadersExamples) {
    const std::tuple<const char*, std::size_t, double> kValues[] = {
        {"12 in", 2, 12},       {"1/2 in", 3, 0.5},   {"3 1/2in", 5, 3.5}, {"1½", 3, 1.5},
        {"¾", 2, 0.75},         {"-2.5e1ft", 6, -25}, {"3 ½", 4, 3.5},     {"2⅓", 4, 2 + 1.0 / 3},
        {"7\u20448", 5, 0.875}, {"+↉", 4, 0},         {"5 9", 1, 5},       {"ft", 0, 0}};
    for (const auto& [text, length, value] : kValues) {
        const mensaro::ValueRead read = mensaro::ReadValue(text);
        EXPECT_TRUE(read.length == length && read.value == value && read.problem.empty()) << text;
    }
    for (const char* text : {"1/0", "1/2/3", "1.5/2", "1e308/1e-308", "1/", "0/0", "3 1/2.5"})
        EXPECT_NE(mensaro::ReadValue(text).problem, "") << text;
    EXPECT_NE(mensaro::ReadValue("-3", false).problem, "");
    const mensaro::Amount parts[] = {{5, 12}, {-11, 1}};
    EXPECT_EQ(mensaro::TotalOf(parts, true), -71);
}

TEST(ResultOf, AddsThePartsAndSplitsTheTargetsAsDocumented) {
    // A part never shows a full unit of the part before it, one sign in front.
    const std::pair<const char*, const char*> kFixed[] = {
        {"71.99999999999999 in to ft in", "6 Feet 0.00 Inch"},
        {"-71 in to ft in", "-5 Feet 11.00 Inch"},
        {"35.99999999999999 in to yd ft in", "1 Yard 0 Feet 0.00 Inch"},
        {"-1e-16 in to ft in", "0 Feet 0.00 Inch"},
        {"119.99999999999999 min to h min", "2 Hour 0.00 Minute"},
        {"1e308 mi to ft in", "Overflow"},
        {"180 cm to ft in", "5 Feet 10.8661417322835 Inch"},
        {"1e308 mi 1 in to cm", "Overflow"}};
    for (const auto& [query, expected] : kFixed)
        EXPECT_EQ(mensaro::ResultOf(mensaro::ReadQuery(query).conversion.value()), expected) << query;
    // Random quantities of every category that adds up, in list names, against the oracle; and the carry at each
    // boundary of two units: a hair under a whole number of the larger, in the smaller.
    std::mt19937 random(20261208);
    const auto pick = [&random](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    const char* fractions[][2] = {{"1/8", "0.125"}, {"3 1/2", "3.5"}, {"¾", "0.75"}, {"2⅓", "2.3333333333333335"}};
    for (int round = 0; round < 3000; ++round) {
        const std::size_t category = std::array<std::size_t, 5>{0, 1, 2, 3, 5}[pick(5)];
        auto units = mensaro::NamedUnits(category);
        std::shuffle(units.begin(), units.end(), random);
        const std::size_t partCount = 1 + pick(3), targetCount = 1 + pick(3);
        std::vector<std::pair<double, mensaro::UnitRef>> parts;
        std::vector<mensaro::UnitRef> targets(units.begin() + 3, units.begin() + 3 + static_cast<long>(targetCount));
        std::sort(targets.begin(), targets.end(), [](auto a, auto b) { return Factor(a) > Factor(b); });
        const bool negative = pick(4) == 0;
        std::string query = negative ? "-" : "";
        for (std::size_t i = 0; i < partCount; ++i) {
            const auto& fraction = fractions[pick(4)];
            double value = std::uniform_real_distribution<double>(0, round % 2 ? 1e6 : 100)(random);
            std::string text = Exact(value);
            if (pick(5) == 0) text = fraction[0], value = mensaro::ReadNumber(fraction[1]);
            if (round % 50 == 0 && targetCount > 1) {
                // The carry: k large units less the last step of a double, in the smallest.
                value =
                    std::nextafter(static_cast<double>(1 + pick(9)) * Factor(targets[0]) / Factor(targets.back()), 0);
                text = Exact(value);
                parts.clear(), query = "";
                parts.push_back({value, targets.back()});
                query = text + " " + std::string(NameOf(targets.back()));
                break;
            }
            parts.push_back({value, units[i]});
            query += text + " " + std::string(NameOf(units[i])) + " ";
        }
        query += " to";
        for (const auto unit : targets) query += " " + std::string(NameOf(unit));
        const Reading reading = mensaro::ReadQuery(query);
        ASSERT_TRUE(reading.conversion) << query << ": " << reading.message;
        EXPECT_EQ(mensaro::ResultOf(*reading.conversion), Oracle(parts, query[0] == '-', targets)) << query;
        EXPECT_EQ(mensaro::FromId(mensaro::IdOf(*reading.conversion)), reading.conversion) << query;
    }
}

}  // namespace
