// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts people read, in their language: gettext, text domain "mensaro",
// one .po file a language under po/. Standard library and the C library's
// libintl only, so the command line stays free of the toolkit.
//
// Messages are the English text exactly, the catalogue's misspellings
// included. Under C/POSIX, for a language without a translation, or with a
// missing or broken translation file, every text is the English one.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/text.h"

// Marks a text for the template without translating it where it stands.
#define N_(text) text

namespace mensaro::l10n {

// Once at the start of each program: the messages' locale from the
// environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), and the folder of the
// translations: MENSARO_LOCALEDIR when set (the build tree's share/locale),
// else the installed one. Numbers never follow the locale: they are written
// and read by the core's own rules.
void Start();

// The text in the user's language, never empty when msgid is not:
//   Tr("Close the application")      -> "Anwendung schließen" under de
//   Tr("unit", "Inch")               -> "Zoll" under de, "Inch" under C
//   Tr("typed unit names", "Inch")   -> "Zoll;Zölle" under de
const char* Tr(const char* msgid);
const char* Tr(const char* context, const char* msgid);

// A name of the unit catalogue (its English text, exactly) as the user's
// language shows it in lists, results and messages.
//   ShownUnit("Inch") -> "Zoll" under de     ShownCategory("Temprature") -> "Temperatur"
std::string ShownUnit(std::string_view name);
std::string ShownCategory(std::string_view name);

// A translated message with its placeholders filled in (core/text.h).
using ::mensaro::Fill;

}  // namespace mensaro::l10n
