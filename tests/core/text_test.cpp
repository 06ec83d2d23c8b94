// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8Length, MeasuresWholeSequencesOnly) {
    const std::pair<std::string_view, std::size_t> rows[] = {{"a", 1},
                                                             {"°C", 2},
                                                             {"\xff", 0},
                                                             {"\xc3", 0},
                                                             {"", 0},
                                                             {"\u20ac", 3},
                                                             {"\U0001F600", 4},
                                                             {"\xc0\xaf", 0},
                                                             {"\xe0\x80\xaf", 0},
                                                             {"\xed\xa0\x80", 0},
                                                             {"\xf4\x90\x80\x80", 0},
                                                             {"\xe2\x82", 0}};
    for (const auto& [text, length] : rows) EXPECT_EQ(mensaro::Utf8Length(text), length) << text;
    EXPECT_EQ(mensaro::Utf8Length(std::string_view("\xc3\xa9", 1)), 0u);  // the rest lies beyond the text
    EXPECT_TRUE(mensaro::IsUtf8("12 °F → ℃"));
    EXPECT_FALSE(mensaro::IsUtf8("12\xff"));
}

TEST(CodePoint, DecodesEachLength) {
    EXPECT_EQ(mensaro::CodePoint("°"), U'\u00B0');
    EXPECT_EQ(mensaro::CodePoint("\u2103"), U'\u2103');
    EXPECT_EQ(mensaro::CodePoint("\U0001F600"), U'\U0001F600');
    EXPECT_EQ(mensaro::CodePoint("K"), U'K');
}

TEST(Quoted, ShowsControlsAndBadBytesAsEscapes) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"cm", "'cm'"}, {"a\xff", "'a\\xff'"},          {"\x1b[31m", "'\\x1b[31m'"},
        {"°F", "'°F'"}, {"\u009b1m", "'\\xc2\\x9b1m'"}, {"a\tb\x7f", "'a\\x09b\\x7f'"},
        {"", "''"}};
    for (const auto& [text, quoted] : rows) EXPECT_EQ(mensaro::Quoted(text), quoted);
}

TEST(Trimmed, DropsBlanksAtEitherEnd) {
    EXPECT_EQ(mensaro::Trimmed(" 12 \t"), "12");
    EXPECT_EQ(mensaro::Trimmed("1 2"), "1 2");
    EXPECT_EQ(mensaro::Trimmed(" \t "), "");
}

}  // namespace
