// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sets the process locale for one scope, and puts the previous one back.
#pragma once

#include <clocale>
#include <string>

class LocaleGuard {
public:
    explicit LocaleGuard(const char* name) {
        const char* current = std::setlocale(LC_ALL, nullptr);
        previous_ = current ? current : "C";
        ok_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleGuard() { std::setlocale(LC_ALL, previous_.c_str()); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

    bool ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_ = false;
};
