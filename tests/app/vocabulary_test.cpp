// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "l10n/vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/catalogue.h"
#include "l10n/translate.h"

namespace {

using mensaro::MatchUnit;
using mensaro::UnitRef;

bool Holds(const std::vector<UnitRef>& units, UnitRef unit) {
    return std::find(units.begin(), units.end(), unit) != units.end();
}

// The names a translation gives one unit: its shown name and its typed ones.
std::vector<std::string> NamesIn(std::string shown, std::string typed) {
    std::vector<std::string> names{shown};
    for (std::size_t at = 0; at <= typed.size();) {
        const std::size_t end = std::min(typed.find(';', at), typed.size());
        if (end > at) names.push_back(typed.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

// Every language built, through the translations the programs read: each unit has a name there; a name of the
// language means its own unit, or besides it only units English gives that name (refused as ambiguous), never
// another unit of the language; an English name still reaches its own unit.
TEST(Translations, NameEveryUnitAndNoTwoUnitsAlike) {
    std::ifstream linguas(MENSARO_LINGUAS);
    int languages = 0;
    for (std::string language; std::getline(linguas, language);) {
        if (language.empty() || language[0] == '#') continue;
        ++languages;
        // The messages' locale must be another than C for LANGUAGE to count; each setlocale starts gettext anew.
        setenv("LANGUAGE", language.c_str(), 1);
        setenv("LC_ALL", "de_DE.UTF-8", 1);
        mensaro::l10n::Start();
        ASSERT_STRNE(std::setlocale(LC_MESSAGES, nullptr), "C") << "de_DE.UTF-8 is missing";
        const mensaro::Vocabulary words = mensaro::l10n::VocabularyOfTranslations();
        for (std::size_t c = 0; c < mensaro::kCategoryNames.size(); ++c) {
            for (const UnitRef unit : mensaro::NamedUnits(c)) {
                const std::string english(mensaro::NameOf(unit));
                // Untranslated, gettext hands back the very text it was given.
                const char* shown = mensaro::l10n::Tr("unit", english.c_str());
                EXPECT_NE(shown, english.c_str()) << language << ": no name for " << english;
                for (const std::string& name : NamesIn(shown, mensaro::l10n::Tr("typed unit names", english.c_str()))) {
                    const auto found = MatchUnit(name, c, words);
                    auto allowed = MatchUnit(name, c);
                    allowed.push_back(unit);
                    EXPECT_TRUE(Holds(found, unit) && std::all_of(found.begin(), found.end(),
                                                                  [&](UnitRef other) { return Holds(allowed, other); }))
                        << language << ": '" << name << "' of " << english << " means " << found.size() << " units";
                }
                auto englishNames = mensaro::AliasesOf(unit);
                englishNames.push_back(english);
                for (const std::string_view name : englishNames)
                    EXPECT_TRUE(Holds(MatchUnit(name, std::nullopt, words), unit)) << language << ": " << name;
            }
        }
    }
    EXPECT_GE(languages, 4);
}

}  // namespace
