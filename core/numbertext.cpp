// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/text.h"

namespace mensaro {

namespace {

// Dropped from a number's text wherever they stand, before it is read.
bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }
bool IsLetter(char c, char upper) { return c == upper || c == upper + ('a' - 'A'); }

// Hexadecimal digits (no prefix, no sign, any length) to the nearest double.
double HexDigitsToDouble(std::string_view hex) {
    const auto first = hex.find_first_not_of('0');
    if (first == std::string_view::npos) return 0.0;
    hex.remove_prefix(first);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    if (ec == std::errc::result_out_of_range) return std::numeric_limits<double>::infinity();
    return value;
}

// Octal digits to the nearest double, by regrouping their bits as hexadecimal
// so that the rounding of long runs is from_chars' own.
double OctalDigitsToDouble(std::string_view octal) {
    const auto first = octal.find_first_not_of('0');
    if (first == std::string_view::npos) return 0.0;
    octal.remove_prefix(first);
    const std::size_t bits = octal.size() * 3;
    std::string hex((bits + 3) / 4, '0');
    // Walk the bits from the least significant end, four at a time.
    std::size_t bit = 0;
    for (auto it = octal.rbegin(); it != octal.rend(); ++it) {
        const int digit = *it - '0';
        for (int b = 0; b < 3; ++b, ++bit) {
            if ((digit >> b) & 1) {
                char& nibble = hex[hex.size() - 1 - bit / 4];
                // Bits go in from the low end, so a nibble is still a digit here.
                const int v = (nibble - '0') | (1 << (bit % 4));
                nibble = static_cast<char>(v < 10 ? '0' + v : 'a' + v - 10);
            }
        }
    }
    return HexDigitsToDouble(hex);
}

// Reads "&H..." / "&O..." texts; `rest` starts after the letter.
double ReadRadix(std::string_view rest, bool (*isDigit)(char), double (*convert)(std::string_view)) {
    const auto end = std::find_if_not(rest.begin(), rest.end(), isDigit);
    return convert(rest.substr(0, static_cast<std::size_t>(end - rest.begin())));
}

// The decimal leading number of a blank-free text.
double ReadDecimal(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    // The usual case. Past the sign, from_chars has the same grammar (digits
    // with at most one point, then an optional E, sign and digits) and stops
    // where this rule stops; only numbers beyond its range need the careful
    // path below.
    if (i < s.size() && (IsDigit(s[i]) || s[i] == '.')) {
        double value = 0.0;
        const auto [ptr, ec] = std::from_chars(s.data() + i, s.data() + s.size(), value);
        if (ec == std::errc()) return negative ? -value : value;
        if (ec == std::errc::invalid_argument) return 0.0;
    }

    // Digits with at most one point; remember where the significant ones are.
    std::size_t digitCount = 0;  // all digits seen
    std::size_t digitsBeforePoint = 0;
    bool seenPoint = false;
    std::size_t firstSignificant = std::string_view::npos;  // index in s
    std::size_t firstSignificantOrdinal = 0;                // its ordinal among the digits
    std::size_t lastSignificant = 0;                        // index in s
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            if (c != '0') {
                if (firstSignificant == std::string_view::npos) {
                    firstSignificant = i;
                    firstSignificantOrdinal = digitCount;
                }
                lastSignificant = i;
            }
            ++digitCount;
            if (!seenPoint) ++digitsBeforePoint;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digitCount == 0) return 0.0;

    // Optional exponent: E, a sign, at least one digit. Saturate far beyond
    // any exponent a double can reach so that long digit runs cannot overflow.
    constexpr std::int64_t kExponentCap = 1'000'000'000;
    std::int64_t exponent = 0;
    if (i < s.size() && IsLetter(s[i], 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            for (; j < s.size() && IsDigit(s[j]); ++j)
                exponent = std::min<std::int64_t>(exponent * 10 + (s[j] - '0'), kExponentCap);
            if (negativeExponent) exponent = -exponent;
        }
    }

    const double zero = negative ? -0.0 : 0.0;
    if (firstSignificant == std::string_view::npos) return zero;

    // Decimal exponent of the first significant digit; from_chars says when
    // it is beyond the double range either way.
    const std::int64_t leadExponent = static_cast<std::int64_t>(digitsBeforePoint) -
                                      static_cast<std::int64_t>(firstSignificantOrdinal) - 1 + exponent;

    // The significant digits without the point, then a scientific exponent.
    std::string text;
    for (std::size_t k = firstSignificant; k <= lastSignificant; ++k)
        if (s[k] != '.') text.push_back(s[k]);
    const std::int64_t scaled = leadExponent - static_cast<std::int64_t>(text.size() - 1);
    text.push_back('e');
    std::array<char, 24> expText{};
    const auto expEnd = std::to_chars(expText.data(), expText.data() + expText.size(), scaled).ptr;
    text.append(expText.data(), expEnd);

    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific);
    if (ec == std::errc::result_out_of_range) value = leadExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

// A finite non-zero double rounded to 15 significant decimal digits:
// digits[0].digits[1..14] x 10^exponent.
struct Decimal15 {
    bool negative = false;
    std::array<char, 15> digits{};
    int exponent = 0;
};

Decimal15 RoundTo15(double value) {
    // "-d.dddddddddddddde+ddd" at most.
    std::array<char, 32> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, 14).ptr;
    Decimal15 d;
    const char* p = buf.data();
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    d.digits[0] = *p++;
    ++p;  // the point
    for (std::size_t k = 1; k < d.digits.size(); ++k) d.digits[k] = *p++;
    ++p;  // 'e'
    if (*p == '+') ++p;
    std::from_chars(p, end, d.exponent);
    return d;
}

// Count of digits up to the last non-zero one (at least 1).
std::size_t SignificantLength(const std::array<char, 15>& digits) {
    std::size_t n = digits.size();
    while (n > 1 && digits[n - 1] == '0') --n;
    return n;
}

struct PatternShape {
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

// "0" is a digit always shown, "#" one shown when significant, "." the point.
PatternShape ParsePattern(std::string_view pattern) {
    PatternShape shape;
    const auto point = pattern.find('.');
    const auto integerPart = pattern.substr(0, point);
    shape.minIntegerDigits = static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0'));
    if (point != std::string_view::npos) {
        for (char c : pattern.substr(point + 1)) {
            if (c == '0') ++shape.minDecimals, ++shape.maxDecimals;
            if (c == '#') ++shape.maxDecimals;
        }
    }
    return shape;
}

}  // namespace

double ReadNumber(std::string_view text) {
    std::string compact;
    if (std::any_of(text.begin(), text.end(), [](char c) { return IsSkipped(c); })) {
        compact.reserve(text.size());
        std::copy_if(text.begin(), text.end(), std::back_inserter(compact), [](char c) { return !IsSkipped(c); });
        text = compact;
    }
    if (text.size() >= 2 && text[0] == '&') {
        if (IsLetter(text[1], 'H')) return ReadRadix(text.substr(2), IsHexDigit, HexDigitsToDouble);
        if (IsLetter(text[1], 'O')) return ReadRadix(text.substr(2), IsOctalDigit, OctalDigitsToDouble);
    }
    return ReadDecimal(text);
}

std::size_t NumberLength(std::string_view s) {
    const auto run = [&s](std::size_t from, bool (*isDigit)(char)) {
        std::size_t i = from;
        while (i < s.size() && isDigit(s[i])) ++i;
        return i - from;
    };
    if (s.size() >= 2 && s[0] == '&') {
        const std::size_t digits = IsLetter(s[1], 'H')   ? run(2, IsHexDigit)
                                   : IsLetter(s[1], 'O') ? run(2, IsOctalDigit)
                                                         : 0;
        return digits == 0 ? 0 : 2 + digits;
    }
    std::size_t i = s.starts_with('+') || s.starts_with('-') ? 1 : 0;
    const std::size_t whole = run(i, IsDigit);
    i += whole;
    std::size_t fraction = 0;
    if (i < s.size() && s[i] == '.') {
        fraction = run(i + 1, IsDigit);
        ++i;
        i += fraction;
    }
    if (whole + fraction == 0) return 0;
    // An exponent counts only with its digits.
    if (i < s.size() && IsLetter(s[i], 'E')) {
        const std::size_t sign = i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') ? 1 : 0;
        const std::size_t digits = run(i + 1 + sign, IsDigit);
        if (digits > 0) i += 1 + sign + digits;
    }
    return i;
}

std::string WriteNumber(double value) {
    if (!std::isfinite(value)) return std::string(kOverflowText);
    if (value == 0.0) return "0";

    const Decimal15 d = RoundTo15(value);
    const std::size_t n = SignificantLength(d.digits);
    const int e = d.exponent;
    std::string out;  // at most "-1.23456789012345E-308": within the small-string buffer mostly
    if (d.negative) out.push_back('-');

    if (e >= -4 && e <= 14) {
        if (e >= 0) {
            for (int k = 0; k <= e; ++k)
                out.push_back(static_cast<std::size_t>(k) < n ? d.digits[static_cast<std::size_t>(k)] : '0');
            if (n > static_cast<std::size_t>(e) + 1) {
                out.push_back('.');
                out.append(d.digits.data() + e + 1, d.digits.data() + n);
            }
        } else {
            out.append("0.");
            out.append(static_cast<std::size_t>(-e - 1), '0');
            out.append(d.digits.data(), d.digits.data() + n);
        }
        return out;
    }

    out.push_back(d.digits[0]);
    if (n > 1) {
        out.push_back('.');
        out.append(d.digits.data() + 1, d.digits.data() + n);
    }
    out.push_back('E');
    out.push_back(e < 0 ? '-' : '+');
    const int magnitude = e < 0 ? -e : e;
    if (magnitude < 10) out.push_back('0');
    std::array<char, 8> expText{};
    out.append(expText.data(), std::to_chars(expText.data(), expText.data() + expText.size(), magnitude).ptr);
    return out;
}

std::string StepNumber(std::string_view text, double step) {
    const double value = ReadNumber(text);
    if (!std::isfinite(value)) return std::string(text);
    return WriteNumber(value + step);
}

std::string FormatByPattern(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return std::string(kOverflowText);
    const PatternShape shape = ParsePattern(pattern);
    const int maxDecimals = shape.maxDecimals;

    // Digits D (place of D[0] is 10^e) of the value rounded to 15 significant
    // digits, then to maxDecimals decimals, halves away from zero.
    std::array<char, 16> digits{};
    std::size_t length = 0;  // 0 means the value shows as zero
    int e = 0;
    bool negative = false;
    if (value != 0.0) {
        const Decimal15 d = RoundTo15(value);
        negative = d.negative;
        e = d.exponent;
        const long keep = static_cast<long>(e) + maxDecimals + 1;  // digits at or above 10^-M
        if (keep >= static_cast<long>(d.digits.size())) {
            std::copy(d.digits.begin(), d.digits.end(), digits.begin());
            length = d.digits.size();
        } else if (keep >= 0) {
            const std::size_t kept = static_cast<std::size_t>(keep);
            std::copy(d.digits.begin(), d.digits.begin() + static_cast<long>(kept), digits.begin());
            length = kept;
            if (d.digits[kept] >= '5') {
                // Carry from the last kept digit; past the first digit the
                // value becomes 1 followed by zeros, one place higher.
                std::size_t k = kept;
                while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
                if (k > 0) {
                    ++digits[k - 1];
                } else {
                    digits[0] = '1';
                    length = 1;
                    ++e;
                }
            }
        }
        // Strip zeros so that "length == 0" means nothing significant is left.
        while (length > 0 && digits[length - 1] == '0') --length;
    }

    const auto digitAt = [&](long index) {
        return index >= 0 && index < static_cast<long>(length) ? digits[static_cast<std::size_t>(index)] : '0';
    };

    const bool minus = negative && length > 0;  // never "-0.00"
    const int integerDigits = std::max(length > 0 ? e + 1 : 0, shape.minIntegerDigits);
    int shown = 0;  // decimals up to the last non-zero one, at least the fixed ones
    for (int k = 1; k <= maxDecimals; ++k)
        if (digitAt(static_cast<long>(e) + k) != '0') shown = k;
    shown = std::max(shown, shape.minDecimals);

    // Sized once, so short results need no allocation at all.
    std::string out(static_cast<std::size_t>((minus ? 1 : 0) + integerDigits + (shown > 0 ? shown + 1 : 0)), '0');
    auto it = out.begin();
    if (minus) *it++ = '-';
    for (int place = integerDigits - 1; place >= 0; --place) *it++ = digitAt(static_cast<long>(e) - place);
    if (shown > 0) {
        *it++ = '.';
        for (int k = 1; k <= shown; ++k) *it++ = digitAt(static_cast<long>(e) + k);
    }
    return out;
}

}  // namespace mensaro
