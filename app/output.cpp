// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/output.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <vector>

#include "core/text.h"
#include "l10n/translate.h"

namespace mensaro {

namespace {

// Standard input is read, and results written, in blocks this big.
constexpr std::size_t kBlock = std::size_t{1} << 16;

// Writes all of a text; false (with errno) if it could not.
bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string Problem(std::string_view line, bool tooLong) {
    if (tooLong || line.size() > kLongestLine)
        return l10n::Fill(l10n::Tr("longer than %1 bytes, not converted"), {Decimal(kLongestLine)});
    if (line.find('\0') != std::string_view::npos) return l10n::Tr("holds a NUL byte, not converted");
    if (!IsUtf8(line)) return l10n::Tr("not valid UTF-8, not converted");
    return {};
}

}  // namespace

std::string Decimal(long long n) {
    char digits[24];
    return {digits, std::to_chars(std::begin(digits), std::end(digits), n).ptr};
}

void Say(std::string_view line) { WriteAll(STDERR_FILENO, "mensaro: " + std::string(line) + "\n"); }

Output::Output(std::string_view what, bool perLine) : what_(what), perLine_(perLine) { buffer_.reserve(kBlock + 256); }

Output::~Output() { Flush(); }

void Output::Line(std::string_view text) {
    buffer_ += text;
    buffer_ += '\n';
    if (perLine_ || buffer_.size() >= kBlock) Flush();
}

void Output::Flush() {
    if (!failed_ && !buffer_.empty() && !WriteAll(STDOUT_FILENO, buffer_)) {
        failed_ = true;
        // TRANSLATORS: %1 is what was written ("the result", "the list"), %2 the system's reason.
        if (errno != EPIPE) Say(l10n::Fill(l10n::Tr("cannot write %1: %2"), {what_, std::strerror(errno)}));
    }
    buffer_.clear();
}

bool ReadLines(Output& out, const TakeLine& take) {
    long number = 0;
    const auto hand = [&](std::string_view line, bool tooLong) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        take(line, ++number, Problem(line, tooLong));
    };
    std::vector<char> block(kBlock);
    std::string carried;  // the start of a line that a block boundary cut
    bool carriedTooLong = false;
    bool readFailed = false;
    while (!out.failed()) {
        // Nothing more to read yet: hand over what is done; a busy pipe keeps its blocks.
        pollfd input{STDIN_FILENO, POLLIN, 0};
        if (::poll(&input, 1, 0) == 0) out.Flush();
        const ssize_t got = ::read(STDIN_FILENO, block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            Say(l10n::Fill(l10n::Tr("cannot read standard input: %1"), {std::strerror(errno)}));
            readFailed = true;
        }
        if (got <= 0) break;
        std::string_view data(block.data(), static_cast<std::size_t>(got));
        for (auto end = data.find('\n'); end != std::string_view::npos; end = data.find('\n')) {
            if (carried.empty() && !carriedTooLong) {
                hand(data.substr(0, end), false);
            } else {
                if (!carriedTooLong) carried.append(data.substr(0, end));
                hand(carried, carriedTooLong);
                carried.clear();
                carriedTooLong = false;
            }
            data.remove_prefix(end + 1);
        }
        // Keep no more of an unfinished line than it takes to know it is too long.
        if (!carriedTooLong) carried.append(data);
        if (carried.size() > kLongestLine + 1) {
            carried.clear();
            carriedTooLong = true;
        }
    }
    if (!out.failed() && (!carried.empty() || carriedTooLong)) hand(carried, carriedTooLong);
    out.Flush();
    return !readFailed;
}

}  // namespace mensaro
