// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "l10n/vocabulary.h"

#include <clocale>
#include <string>
#include <string_view>

#include "l10n/translate.h"

namespace mensaro::l10n {

namespace {

// The catalogue's contexts, in the order of Words; messages have none.
constexpr const char* kContexts[] = {"unit", "typed unit names", "category", "typed category names", "typed keywords"};

// gettext answers in English under C/POSIX: no need to ask it.
bool InEnglish() {
    const char* locale = std::setlocale(LC_MESSAGES, nullptr);
    return locale == nullptr || std::string_view(locale) == "C" || std::string_view(locale) == "POSIX";
}

}  // namespace

Vocabulary VocabularyOfTranslations() {
    return Vocabulary([](Words what, std::string_view english) {
        const std::string msgid(english);
        if (what == Words::kMessage) return std::string(Tr(msgid.c_str()));
        return std::string(Tr(kContexts[static_cast<int>(what)], msgid.c_str()));
    });
}

const Vocabulary& UserVocabulary() {
    static const Vocabulary words = InEnglish() ? Vocabulary() : VocabularyOfTranslations();
    return words;
}

}  // namespace mensaro::l10n
