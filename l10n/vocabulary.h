// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The names people type in the user's language, from the translations, for
// the core to read queries with.
#pragma once

#include "core/unitnames.h"

namespace mensaro::l10n {

// The vocabulary of the messages' language, built at the first call (after
// Start()) and kept: each unit's shown and typed names, the categories'
// names and the keywords, beside the English ones. Under C/POSIX, or
// without a translation, English only.
//   LANG=de_DE.UTF-8: "Zoll", "Zölle" -> Inch;  "nach" a keyword
const Vocabulary& UserVocabulary();

// The same, built anew from the translations as they answer now.
Vocabulary VocabularyOfTranslations();

}  // namespace mensaro::l10n
