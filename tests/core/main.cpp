// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the locale from the environment first, as the window's toolkit does
// at start-up, so that running the suite under LC_ALL=de_DE.UTF-8 checks the
// core against a comma-decimal process locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (std::setlocale(LC_ALL, "") == nullptr) {
        const char* wanted = std::getenv("LC_ALL");
        std::fprintf(stderr, "locale '%s' is not available on this machine\n", wanted ? wanted : "");
        return 2;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
