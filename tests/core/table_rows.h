// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rows of a data-driven table carry a `name`: it names the test instance and is
// what GoogleTest prints for the row, instead of the row's bytes.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace mensaro_test {

template <typename Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

}  // namespace mensaro_test
