// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "l10n/translate.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

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

std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace mensaro::l10n
