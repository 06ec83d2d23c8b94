// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Standard input and output for the command line: results in blocks, lines
// of input as they come, and every failure said once.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace mensaro {

// A count or a line number as digits, whatever the locale.
std::string Decimal(long long n);

// "mensaro: " and a line, on standard error.
void Say(std::string_view line);

// Lines on standard output: each at once on a terminal (or when asked), in
// blocks otherwise. A reader that went away ends the output without a word;
// any other failure is said once, naming what was being written.
class Output {
public:
    Output(std::string_view what, bool perLine);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void Line(std::string_view text);
    void Flush();
    bool failed() const { return failed_; }

private:
    std::string what_;
    std::string buffer_;
    bool perLine_;
    bool failed_ = false;
};

// Lines longer than this are refused, never cut.
inline constexpr std::size_t kLongestLine = 4096;

// Reads standard input a line at a time (LF or CR LF) and hands each to
// `take` with its number, and why it cannot be read as text when it cannot:
// too long, a NUL byte, not UTF-8. Whenever no more input is waiting, the
// output so far is handed over, so that a script waiting for each answer
// gets it. Stops early when the output fails. False when the input could
// not be read (said on standard error).
using TakeLine = std::function<void(std::string_view line, long number, std::string_view problem)>;
bool ReadLines(Output& out, const TakeLine& take);

}  // namespace mensaro
