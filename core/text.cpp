// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text.h"

#include <algorithm>

namespace mensaro {

std::size_t Utf8Length(std::string_view s) {
    if (s.empty()) return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto follows = [&](std::size_t i, unsigned low, unsigned high) {
        return i < s.size() && byte(i) >= low && byte(i) <= high;
    };
    const unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return follows(1, 0x80, 0xBF) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return follows(1, low, high) && follows(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return follows(1, low, high) && follows(2, 0x80, 0xBF) && follows(3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

bool IsUtf8(std::string_view s) {
    while (!s.empty()) {
        // ASCII, most of any text, needs no decoding.
        s.remove_prefix(static_cast<std::size_t>(
            std::find_if_not(s.begin(), s.end(), [](char c) { return IsAscii(c); }) - s.begin()));
        if (s.empty()) break;
        const std::size_t length = Utf8Length(s);
        if (length == 0) return false;
        s.remove_prefix(length);
    }
    return true;
}

char32_t CodePoint(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1) return lead;
    // The lead byte keeps 5, 4 or 3 bits; each byte after it 6.
    char32_t c = lead & (0x7F >> sequence.size());
    for (const char next : sequence.substr(1)) c = (c << 6) | (static_cast<unsigned char>(next) & 0x3F);
    return c;
}

std::string Quoted(std::string_view s) {
    std::string quoted = "'";
    while (!s.empty()) {
        const std::size_t length = Utf8Length(s);
        const std::size_t taken = length == 0 ? 1 : length;
        // C0 and C1 controls alike: a terminal would act on either; and the
        // marks that turn the direction of the rest of the line around.
        const auto isControl = [](char32_t c) {
            return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
                   (c >= 0x2066 && c <= 0x2069);
        };
        if (length == 0 || isControl(CodePoint(s.substr(0, length)))) {
            constexpr char kHex[] = "0123456789abcdef";
            for (const char byte : s.substr(0, taken)) {
                const auto b = static_cast<unsigned char>(byte);
                quoted += {'\\', 'x', kHex[b >> 4], kHex[b & 0xF]};
            }
        } else {
            quoted += s.substr(0, taken);
        }
        s.remove_prefix(taken);
    }
    return quoted + "'";
}

std::string Shown(std::string_view s) {
    constexpr std::size_t kShownBytes = 60;
    if (s.size() <= kShownBytes) return Quoted(s);
    std::size_t end = 0;  // whole characters only
    for (std::size_t next = 0; (next = end + std::max<std::size_t>(Utf8Length(s.substr(end)), 1)) <= kShownBytes;)
        end = next;
    return Quoted(s.substr(0, end)) + "...";
}

bool IsWordSpace(char32_t c) { return c == ' ' || c == '\t' || c == U'\u00A0' || c == U'\u2009' || c == U'\u202F'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            out += args.begin()[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace mensaro
