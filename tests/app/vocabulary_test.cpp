// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "l10n/vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <string>

#include "l10n/translate.h"

// Each language built, through the translations the programs read: every unit has a name there; a name of the
// language means its own unit, or beside it only what English alone gives that name (refused as ambiguous), never
// another unit of the language; an English name still reaches its own unit.
TEST(Translations, NameEveryUnitAndNoTwoUnitsAlike) {
    std::ifstream linguas(MENSARO_LINGUAS);
    int languages = 0;
    for (std::string language; std::getline(linguas, language);) {
        if (language.empty() || language[0] == '#') continue;
        ++languages;
        // LANGUAGE counts only in a locale other than C; each setlocale makes gettext read anew.
        setenv("LANGUAGE", language.c_str(), 1);
        setenv("LC_ALL", "de_DE.UTF-8", 1);
        mensaro::l10n::Start();
        ASSERT_STRNE(std::setlocale(LC_MESSAGES, nullptr), "C") << "de_DE.UTF-8 is missing";
        const mensaro::Vocabulary words = mensaro::l10n::VocabularyOfTranslations();
        for (const auto& name : words.Names()) {
            const std::string english(mensaro::NameOf(name.unit));
            // Untranslated, gettext hands back the very text it was given.
            EXPECT_NE(mensaro::l10n::Tr("unit", english.c_str()), english.c_str()) << language << ": " << english;
            const auto found = mensaro::MatchUnit(name.folded, name.unit.category, words);
            auto allowed = mensaro::MatchUnit(name.folded, name.unit.category);
            allowed.push_back(name.unit);
            const auto among = [](const auto& units, auto unit) {
                return std::find(units.begin(), units.end(), unit) != units.end();
            };
            EXPECT_TRUE(among(found, name.unit) &&
                        (name.source != name.kLanguage ||
                         std::all_of(found.begin(), found.end(), [&](auto unit) { return among(allowed, unit); })))
                << language << ": '" << name.folded << "' of " << english << " means " << found.size() << " units";
        }
    }
    EXPECT_GE(languages, 4);
}
