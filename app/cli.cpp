// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue.h"
#include "core/conversion.h"
#include "core/numbertext.h"
#include "core/unitnames.h"
#include "app/about.h"

namespace mensaro {

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

// More than the value box could ever hold: such a text is refused, never cut.
constexpr std::size_t kLongestValue = 4096;
// Standard input is read, and a stream's results written, in blocks this big.
constexpr std::size_t kBlock = std::size_t{1} << 16;
// A stream of lines that are not text says so this often, then only counts.
constexpr long kMostMessages = 20;

// Options that QGuiApplication and the platform plugins read for themselves.
// They must be known here, so that they are neither refused nor their values
// taken for arguments of ours.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowtitle",
    "title",    "qwindowicon",        "icon",          "style",  "stylesheet",      "session",  "display",
    "name",     "qmljsdebugger",
};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

constexpr std::string_view kHelp =
    "Usage: mensaro [Qt option]...\n"
    "       mensaro [--] VALUE FROM TO\n"
    "       mensaro - FROM TO\n"
    "       mensaro --list | --help | --version\n"
    "\n"
    "Converts a number between units of distance, area, volume, weight, temperature\n"
    "and time. Without arguments it opens its window.\n"
    "\n"
    "  VALUE FROM TO  print VALUE converted from unit FROM to unit TO, as the\n"
    "                 window shows it; a VALUE such as -40 is a value, not an option\n"
    "  - FROM TO      convert each line of standard input, one result a line\n"
    "  --             take what follows as VALUE FROM TO\n"
    "  -l, --list     print each category and its units\n"
    "  -h, --help     display this help and exit\n"
    "  -v, --version  output version information and exit\n"
    "\n"
    "Units are named as the window lists them, in any case (\"nautical mile\"), or\n"
    "by the start of one name only (sq.fe). Both must be of one category.\n"
    "Qt's own options, such as -platform NAME, -style NAME and -reverse, are\n"
    "accepted too. The keys and exit codes are listed in mensaro(1).\n";

// Writes all of a text to a file descriptor; false (with errno) if it could not.
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

void Say(std::string_view line) { WriteAll(STDERR_FILENO, "mensaro: " + std::string(line) + "\n"); }

int UsageError(std::string_view problem) {
    Say(std::string(problem) + "\nTry 'mensaro --help' for more information.");
    return kUsageError;
}

// The length of the UTF-8 sequence at the start of `s`, or 0 when none starts
// there (overlong forms, surrogates and code points past U+10FFFF included).
std::size_t Utf8Length(std::string_view s) {
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
        const std::size_t length = Utf8Length(s);
        if (length == 0) return false;
        s.remove_prefix(length);
    }
    return true;
}

// A text as the user can read it back in a message: in quotes, with control
// characters and bytes that are not UTF-8 written as \xHH.
std::string Quoted(std::string_view s) {
    std::string quoted = "'";
    while (!s.empty()) {
        const std::size_t length = Utf8Length(s);
        const auto lead = static_cast<unsigned char>(s[0]);
        if (length == 0 || lead < 0x20 || lead == 0x7F) {
            constexpr char kHex[] = "0123456789abcdef";
            quoted += {'\\', 'x', kHex[lead >> 4], kHex[lead & 0xF]};
            s.remove_prefix(1);
        } else {
            quoted += s.substr(0, length);
            s.remove_prefix(length);
        }
    }
    return quoted + "'";
}

// "Ton or Tonne", "Inch, Feet and Yard".
std::string Joined(const std::vector<UnitRef>& units, std::string_view last) {
    std::string names;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i > 0) names += i + 1 == units.size() ? last : ", ";
        names += NameOf(units[i]);
    }
    return names;
}

// Buffered results on standard output: each line goes out at once on a
// terminal, in blocks otherwise. A reader that went away ends the output
// without a word; any other failure is said once.
class Output {
public:
    explicit Output(bool perLine) : perLine_(perLine) { buffer_.reserve(kBlock + 256); }

    bool failed() const { return failed_; }

    void Line(std::string_view text) {
        buffer_ += text;
        buffer_ += '\n';
        if (perLine_ || buffer_.size() >= kBlock) Flush();
    }

    void Flush() {
        if (!failed_ && !WriteAll(STDOUT_FILENO, buffer_)) {
            failed_ = true;
            if (errno != EPIPE) Say(std::string("cannot write the results: ") + std::strerror(errno));
        }
        buffer_.clear();
    }

private:
    std::string buffer_;
    bool perLine_;
    bool failed_ = false;
};

// The unit a typed name means, or a message saying why there is none. When
// the other unit is known, an unknown name lists the units of its category.
struct Named {
    std::vector<UnitRef> units;
    std::string problem;
};

Named Name(std::string_view typed, std::string_view other) {
    Named named{MatchUnit(typed), {}};
    if (named.units.size() > 1) {
        named.problem = "unit " + Quoted(typed) + " is ambiguous: it could be " + Joined(named.units, " or ");
    } else if (named.units.empty()) {
        named.problem = typed.empty() ? std::string("empty unit name") : "unknown unit " + Quoted(typed);
        const std::vector<UnitRef> hint = MatchUnit(other);
        if (hint.size() == 1) {
            const std::size_t category = hint.front().category;
            named.problem += "; the units of " + std::string(kCategoryNames[category]) + " are " +
                             Joined(NamedUnits(category), " and ");
        } else {
            named.problem += "; 'mensaro --list' shows every unit";
        }
    }
    return named;
}

// Reads standard input line by line and converts each line. Lines that are
// too long, hold a NUL or are not UTF-8 are named on standard error, with
// their number, and give an empty result line, so that the results stay in
// step with the values.
int ConvertStream(const UnitList& table, std::string_view category, int from, int to) {
    Output out(::isatty(STDOUT_FILENO) == 1);
    long number = 0;
    long refused = 0;
    bool overflow = false;

    const auto refuse = [&](std::string_view why) {
        if (++refused <= kMostMessages) {
            out.Flush();  // the message stands after the results before it
            Say("line " + std::to_string(number) + ": " + std::string(why));
        }
        out.Line({});
    };
    const auto convert = [&](std::string_view line, bool tooLong) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (tooLong || line.size() > kLongestValue) {
            refuse("longer than " + std::to_string(kLongestValue) + " bytes, not converted");
        } else if (line.find('\0') != std::string_view::npos) {
            refuse("holds a NUL byte, not converted");
        } else if (!IsUtf8(line)) {
            refuse("not valid UTF-8, not converted");
        } else {
            const std::string result = ConvertValue(table, category, line, from, to);
            overflow = overflow || result == kOverflowText;
            out.Line(result);
        }
    };

    std::vector<char> block(kBlock);
    std::string carried;  // the start of a line that a block boundary cut
    bool carriedTooLong = false;
    bool readFailed = false;
    while (!out.failed()) {
        // Nothing more to read yet: hand over what is done, so that a script
        // that waits for each answer gets it; a busy pipe keeps its blocks.
        pollfd input{STDIN_FILENO, POLLIN, 0};
        if (::poll(&input, 1, 0) == 0) out.Flush();
        const ssize_t got = ::read(STDIN_FILENO, block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            Say(std::string("cannot read standard input: ") + std::strerror(errno));
            readFailed = true;
        }
        if (got <= 0) break;
        std::string_view data(block.data(), static_cast<std::size_t>(got));
        for (auto end = data.find('\n'); end != std::string_view::npos; end = data.find('\n')) {
            if (carried.empty() && !carriedTooLong) {
                convert(data.substr(0, end), false);
            } else {
                if (!carriedTooLong) carried.append(data.substr(0, end));
                convert(carried, carriedTooLong);
                carried.clear();
                carriedTooLong = false;
            }
            data.remove_prefix(end + 1);
        }
        // Keep no more of an unfinished line than it takes to know it is too long.
        if (!carriedTooLong) carried.append(data);
        if (carried.size() > kLongestValue + 1) {
            carried.clear();
            carriedTooLong = true;
        }
    }
    if (!out.failed() && (!carried.empty() || carriedTooLong)) convert(carried, carriedTooLong);
    out.Flush();
    if (refused > kMostMessages) Say(std::to_string(refused) + " lines in all were not converted");
    return out.failed() || readFailed || refused > 0 || overflow ? kFailure : 0;
}

// VALUE FROM TO, or - FROM TO for a stream.
int Convert(std::span<const std::string_view> args) {
    if (args.empty()) return UsageError("missing the value and the units: mensaro VALUE FROM TO");
    if (args.size() == 1)
        return UsageError("unexpected argument " + Quoted(args[0]) + "; to convert: mensaro VALUE FROM TO");
    if (args.size() == 2) return UsageError("missing the unit to convert to: mensaro VALUE FROM TO");
    if (args.size() > 3) return UsageError("unexpected argument " + Quoted(args[3]) + " after the two units");

    const std::string_view value = args[0];
    const Named from = Name(args[1], args[2]);
    const Named to = Name(args[2], args[1]);
    for (const Named* named : {&from, &to}) {
        if (!named->problem.empty()) {
            Say(named->problem);
            return kUsageError;
        }
    }
    const UnitRef source = from.units.front();
    const UnitRef target = to.units.front();
    if (source.category != target.category) {
        Say(Quoted(NameOf(source)) + " is a unit of " + std::string(kCategoryNames[source.category]) + " and " +
            Quoted(NameOf(target)) + " of " + std::string(kCategoryNames[target.category]) +
            "; both units must be of one category");
        return kUsageError;
    }

    const std::string_view category = kCategoryNames[source.category];
    const std::optional<UnitList> found = CategoryTable(category);
    if (!found) return kFailure;  // every listed category has one
    const UnitList& table = *found;
    if (value == "-") return ConvertStream(table, category, source.position, target.position);
    if (value.size() > kLongestValue) {
        Say("the value is longer than " + std::to_string(kLongestValue) + " bytes");
        return kUsageError;
    }
    if (!IsUtf8(value)) {
        Say("the value " + Quoted(value) + " is not valid UTF-8");
        return kUsageError;
    }
    const std::string result = ConvertValue(table, category, value, source.position, target.position);
    Output out(true);
    out.Line(result);
    return out.failed() || result == kOverflowText ? kFailure : 0;
}

int PrintList() {
    Output out(false);
    for (std::size_t c = 0; c < kCategoryNames.size(); ++c) {
        out.Line(kCategoryNames[c]);
        for (const UnitRef unit : NamedUnits(c)) out.Line("  " + std::string(NameOf(unit)));
    }
    out.Flush();
    return out.failed() ? kFailure : 0;
}

template <std::size_t N>
bool Among(std::string_view name, const std::string_view (&names)[N]) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// An option is "-" or "--" and a name, never a number: -40 and -.5 are values.
bool IsOption(std::string_view arg) {
    if (arg.starts_with("--")) return arg.size() > 2;
    return arg.size() > 1 && arg[0] == '-' && ((arg[1] >= 'a' && arg[1] <= 'z') || (arg[1] >= 'A' && arg[1] <= 'Z'));
}

// Our own options by their short letter: -h/--help, -v/--version, -l/--list;
// 0 for any other name.
char OwnOption(std::string_view name) {
    for (const std::string_view own : {"help", "version", "list"})
        if (name == own || name == own.substr(0, 1)) return own[0];
    return 0;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;  // the usual start: nothing to read
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args[0] == "--") return Convert(std::span(args).subspan(1));
    if (!IsOption(args[0])) return Convert(args);

    bool help = false;
    bool version = false;
    bool list = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!IsOption(arg)) return UsageError("unexpected argument " + Quoted(arg));
        // Every option may be written with one dash or two, as Qt's are.
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        const auto equals = name.find('=');
        const bool hasValue = equals != std::string_view::npos;
        name = name.substr(0, equals);
        const std::string_view typed = arg.substr(0, arg.find('='));
        if (Among(name, kQtOptionsWithValue)) {
            // Qt reads NAME=VALUE only for the style options; the others it would drop.
            if (hasValue && name != "style" && name != "stylesheet")
                return UsageError("option " + Quoted(typed) + " takes its value as the next argument");
            if (!hasValue && ++i == args.size()) return UsageError("option " + Quoted(typed) + " needs a value");
            continue;
        }
        const char own = OwnOption(name);
        if (hasValue && (own != 0 || Among(name, kQtFlags)))
            return UsageError("option " + Quoted(typed) + " takes no value");
        if (own == 0 && !Among(name, kQtFlags)) return UsageError("unrecognized option " + Quoted(typed));
        help = help || own == 'h';
        version = version || own == 'v';
        list = list || own == 'l';
    }
    if (help) return WriteAll(STDOUT_FILENO, kHelp) ? 0 : kFailure;
    if (version) {
        const std::string text = std::string(kApplicationName) + " " + kApplicationVersion +
                                 "\nCopyright (C) 2026 The Mensaro developers\n"
                                 "License GPL-3.0-or-later <https://gnu.org/licenses/gpl.html>.\n"
                                 "This is free software: you are free to change and redistribute it.\n"
                                 "There is NO WARRANTY, to the extent permitted by law.\n";
        return WriteAll(STDOUT_FILENO, text) ? 0 : kFailure;
    }
    if (list) return PrintList();
    return std::nullopt;
}

}  // namespace mensaro
