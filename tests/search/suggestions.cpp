// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's answers, for the search service's test to hold the bus's against. For each query, a line per
// suggestion (id, result text, source text, clipboard text, and the value, from, to the window shows; tab-separated),
// then an empty line.
//   suggestions [--comma] QUERY...

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "core/suggest.h"

int main(int argc, char* argv[]) {
    const std::span<char*> queries(argv + 1, static_cast<std::size_t>(argc - 1));
    const bool comma = !queries.empty() && std::string_view(queries.front()) == "--comma";
    for (const char* query : comma ? queries.subspan(1) : queries) {
        for (const mensaro::Conversion& c : mensaro::Suggest(query, comma)) {
            const mensaro::Conversion shown = mensaro::ForWindow(c);  // what the window is started at
            std::printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\n", mensaro::IdOf(c).c_str(), mensaro::ResultText(c).c_str(),
                        mensaro::SourceText(c).c_str(), mensaro::ResultOf(c).c_str(), shown.value.c_str(),
                        std::string(mensaro::NameOf(shown.from)).c_str(),
                        std::string(mensaro::NameOf(shown.to)).c_str());
        }
        std::puts("");
    }
    return 0;
}
