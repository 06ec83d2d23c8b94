// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// For each pair of named units, "# category<TAB>from<TAB>to", then what
// ConvertValue gives for each value text of standard input, one a line.
#include <iostream>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/conversion.h"

int main() {
    std::vector<std::string> values;
    for (std::string line; std::getline(std::cin, line);) values.push_back(line);
    for (std::size_t category = 0; category < mensaro::kCategoryNames.size(); ++category) {
        const mensaro::UnitList& table = mensaro::TableOf(category);
        for (std::size_t from = 0; from < table.size() / 2; ++from) {
            for (std::size_t to = 0; to < table.size() / 2; ++to) {
                const auto fromName = mensaro::UnitName(table, from), toName = mensaro::UnitName(table, to);
                if (fromName == mensaro::kSeparatorName || toName == mensaro::kSeparatorName) continue;
                std::cout << "# " << mensaro::kCategoryNames[category] << '\t' << fromName << '\t' << toName << '\n';
                for (const std::string& value : values)
                    std::cout << mensaro::ConvertValue(table, category, value, static_cast<int>(from),
                                                       static_cast<int>(to))
                              << '\n';
            }
        }
    }
}
