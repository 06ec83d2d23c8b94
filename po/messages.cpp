// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the catalogue's messages for the translation template: each
// category's and unit's name in the contexts the programs ask for, with
// what a translator must know about them.

#include <iostream>
#include <string>
#include <string_view>

#include "core/catalogue.h"

namespace {

// A text in quotes as the template writes it.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

void Message(std::string_view comment, std::string_view context, std::string_view text) {
    std::cout << "#. " << comment << "\nmsgctxt " << Quoted(context) << "\nmsgid " << Quoted(text)
              << "\nmsgstr \"\"\n\n";
}

// What the translator must know of one unit beyond its name.
std::string_view UnitNote(std::string_view unit) {
    if (unit == "Tonne") return " This is the long ton of 1016.05 kg, not the metric tonne (that is \"Ton\").";
    if (unit == "Ton") return " This is the metric tonne, 1000 kg.";
    if (unit == "CWT") return " The US hundredweight, 100 lb (45.36 kg), not a 50 kg Zentner.";
    if (unit == "Cent") return " A land measure of South Asia, 1/100 acre (40.47 m²).";
    if (unit == "Gunta") return " A land measure of South Asia, 1/40 acre (101.17 m²).";
    if (unit == "Farenhite" || unit == "Mililiter" || unit == "Sq.Milimeter")
        return " The English name's spelling is the program's own; spell yours right.";
    return {};
}

}  // namespace

int main() {
    std::cout << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
    for (std::size_t c = 0; c < mensaro::kCategoryNames.size(); ++c) {
        const std::string_view category = mensaro::kCategoryNames[c];
        Message("A category in the window's first list. Keep it short: the list is narrow.", "category", category);
        Message(
            "The names people type for this category, ';' between them: singular, plural, other spellings. "
            "The shown name counts already.",
            "typed category names", category);
        const mensaro::UnitList& table = mensaro::TableOf(c);
        for (std::size_t i = 0; i < table.size() / 2; ++i) {
            const std::string_view unit = mensaro::UnitName(table, i);
            if (unit == mensaro::kSeparatorName) continue;
            const std::string where = std::string(" (") + std::string(category) + ")";
            Message("A unit of the window's lists" + where +
                        ". Name the quantity its factor gives, in a few "
                        "letters: the list is narrow." +
                        std::string(UnitNote(unit)),
                    "unit", unit);
            Message("The names people type for this unit" + where +
                        ", ';' between them: singular, plural, other "
                        "spellings, your language's symbols. The shown name counts already; never another unit's "
                        "name." +
                        std::string(UnitNote(unit)),
                    "typed unit names", unit);
        }
    }
    Message("The words people type between two units in a query (\"12 in to cm\"), ';' between them; may be empty.",
            "typed keywords", "to");
}
