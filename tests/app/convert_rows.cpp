// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window would show for each value text of a file (one a line) and
// each pair of named units: a line "# category<TAB>from<TAB>to", then one
// result a line, straight from ConvertValue. The command line must print the same.
//   convert_rows <values file>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/conversion.h"

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    std::ifstream in(argv[1]);
    std::vector<std::string> values;
    for (std::string line; std::getline(in, line);) values.push_back(line);
    for (const std::string_view category : mensaro::kCategoryNames) {
        const mensaro::UnitList table = *mensaro::CategoryTable(category);
        const int units = static_cast<int>(table.size() / 2);
        for (int from = 0; from < units; ++from) {
            for (int to = 0; to < units; ++to) {
                const auto fromName = mensaro::UnitName(table, static_cast<std::size_t>(from));
                const auto toName = mensaro::UnitName(table, static_cast<std::size_t>(to));
                if (fromName == mensaro::kSeparatorName || toName == mensaro::kSeparatorName) continue;
                std::cout << "# " << category << '\t' << fromName << '\t' << toName << '\n';
                for (const std::string& value : values)
                    std::cout << mensaro::ConvertValue(table, category, value, from, to) << '\n';
            }
        }
    }
    return 0;
}
