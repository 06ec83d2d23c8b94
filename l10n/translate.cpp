// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "l10n/translate.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace mensaro::l10n {

namespace {

constexpr char kDomain[] = "mensaro";

}  // namespace

void Start() {
    // Only the messages: numbers keep the C rules whatever the locale says.
    std::setlocale(LC_MESSAGES, "");
    const char* folder = std::getenv("MENSARO_LOCALEDIR");
    ::bindtextdomain(kDomain, folder && *folder ? folder : MENSARO_LOCALEDIR);
    ::bind_textdomain_codeset(kDomain, "UTF-8");
}

const char* Tr(const char* msgid) {
    const char* text = ::dgettext(kDomain, msgid);
    // An empty translation (a broken file) is no text to show.
    return text && *text ? text : msgid;
}

const char* Tr(const char* context, const char* msgid) {
    // gettext's key for a message with a context: context, EOT, message.
    std::string key = context;
    key += '\004';
    key += msgid;
    const char* text = ::dgettext(kDomain, key.c_str());
    // No translation hands the key back: it lives in `key`, so answer msgid.
    return text == key.c_str() || !text || !*text ? msgid : text;
}

std::string ShownUnit(std::string_view name) { return Tr("unit", std::string(name).c_str()); }

std::string ShownCategory(std::string_view name) { return Tr("category", std::string(name).c_str()); }

}  // namespace mensaro::l10n
