// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "l10n/translate.h"

#include <libintl.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace mensaro::l10n {

namespace {

constexpr char kDomain[] = "mensaro";

// Whether a file that exists is a whole message catalogue: the C library
// checks little of one and reads past the end of a file cut short. A file
// that is not there is sound: gettext answers in English without it. Anything
// else there (a folder, a device) is not: Debian 13's C library opens a
// folder, fails to read it and loses the buffer it read into.
bool IsSoundCatalogue(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return true;
    if (!std::filesystem::is_regular_file(status)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return true;
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() < 28) return false;
    std::uint32_t magic = 0;
    std::memcpy(&magic, data.data(), 4);
    const bool swapped = magic == 0xde120495U;
    if (!swapped && magic != 0x950412deU) return false;
    const auto word = [&](std::uint64_t at) {
        std::uint32_t w = 0;
        std::memcpy(&w, data.data() + at, 4);
        return swapped ? __builtin_bswap32(w) : w;
    };
    const std::uint64_t size = data.size(), count = word(8), originals = word(12), translations = word(16);
    const std::uint64_t hashSize = word(20), hashAt = word(24);
    if (word(4) >> 16 > 1 || originals + 8 * count > size || translations + 8 * count > size ||
        hashAt + 4 * hashSize > size)
        return false;
    for (std::uint64_t i = 0; i < count; ++i)
        for (const std::uint64_t table : {originals, translations})
            if (word(table + 8 * i + 4) + std::uint64_t{word(table + 8 * i)} >= size) return false;  // and its NUL
    for (std::uint64_t i = 0; i < hashSize; ++i)
        if (word(hashAt + 4 * i) > count) return false;
    return true;
}

// Every catalogue gettext may open for the messages' languages, as it looks
// for them: "de_DE.UTF-8" in de_DE.UTF-8, de_DE.utf8, de_DE, de.UTF-8, ... de.
bool CataloguesAreSound(const std::string& folder) {
    const char* locale = std::setlocale(LC_MESSAGES, nullptr);
    if (!locale || std::strcmp(locale, "C") == 0 || std::strcmp(locale, "POSIX") == 0) return true;
    const char* languages = std::getenv("LANGUAGE");
    std::string_view wanted = languages && *languages ? languages : locale;
    while (!wanted.empty()) {
        const std::string_view entry = wanted.substr(0, wanted.find(':'));
        wanted.remove_prefix(std::min(wanted.size(), entry.size() + 1));
        const std::size_t modifierAt = std::min(entry.find('@'), entry.size());
        const std::size_t codesetAt = std::min(entry.find('.'), modifierAt);
        const std::size_t territoryAt = std::min(entry.find('_'), codesetAt);
        const std::string_view codeset = entry.substr(codesetAt, modifierAt - codesetAt);
        std::string normal = ".";
        for (const char c : codeset.substr(std::min<std::size_t>(1, codeset.size()))) {
            const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
            if ((lower >= '0' && lower <= '9') || (lower >= 'a' && lower <= 'z')) normal += lower;
        }
        if (normal.find_first_not_of(".0123456789") == std::string::npos) normal.insert(1, "iso");
        const std::string_view language = entry.substr(0, territoryAt);
        for (const std::string_view territory :
             {std::string_view(), entry.substr(territoryAt, codesetAt - territoryAt)})
            for (const std::string_view set : {std::string_view(), codeset, std::string_view(normal)})
                for (const std::string_view modifier : {std::string_view(), entry.substr(modifierAt)}) {
                    std::string path = folder;
                    path.append("/").append(language).append(territory).append(set).append(modifier);
                    if (!IsSoundCatalogue(path.append("/LC_MESSAGES/").append(kDomain).append(".mo"))) return false;
                }
    }
    return true;
}

}  // namespace

void Start() {
    // Only the messages: numbers keep the C rules whatever the locale says.
    std::setlocale(LC_MESSAGES, "");
    const char* given = std::getenv("MENSARO_LOCALEDIR");
    const std::string folder = given && *given ? given : MENSARO_LOCALEDIR;
    // A broken catalogue could crash gettext: English instead, from a folder with none.
    ::bindtextdomain(kDomain, CataloguesAreSound(folder) ? folder.c_str() : "/dev/null");
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
