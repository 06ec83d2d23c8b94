// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/arguments.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "core/catalogue.h"
#include "core/text.h"
#include "core/unitnames.h"
#include "l10n/translate.h"

namespace mensaro {

namespace {

// Options that QGuiApplication and the platform plugins read for themselves.
// They must be known here, so that they are neither refused nor their values
// taken for words of a conversion.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowtitle",
    "title",    "qwindowicon",        "icon",          "style",  "stylesheet",      "session",  "display",
    "name",     "qmljsdebugger",
};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// Our own options, by their long name and their letter (0 for none). Each
// may be written with one dash or two, as Qt's are.
struct Own {
    std::string_view name;
    char letter;
};
constexpr Own kOwnOptions[] = {{"help", 'h'},   {"version", 'V'}, {"list", 'l'},   {"verbose", 'v'},
                               {"as-typed", 0}, {"show", 0},      {"complete", 0}, {"user-time", 0}};

// Offered by the completion; --complete is the shell's own.
constexpr std::string_view kOffered[] = {"--as-typed", "--help", "--list", "--show", "--verbose", "--version", "--"};

template <std::size_t N>
bool Among(std::string_view name, const std::string_view (&names)[N]) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// An option is "-" or "--" and a name, never a number or a mark: -40, -.5
// and -> are words of a conversion.
bool IsOption(std::string_view arg) {
    if (arg.starts_with("--")) return arg.size() > 2;
    return arg.size() > 1 && arg[0] == '-' && ((arg[1] >= 'a' && arg[1] <= 'z') || (arg[1] >= 'A' && arg[1] <= 'Z'));
}

std::optional<std::string_view> OwnOption(std::string_view name) {
    for (const Own& own : kOwnOptions)
        if (name == own.name || (own.letter != 0 && name.size() == 1 && name[0] == own.letter)) return own.name;
    return std::nullopt;
}

// An X server time: a whole number that fits 32 bits, digits only.
std::optional<std::uint32_t> ServerTime(std::string_view text) {
    std::uint32_t time = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), time);
    if (text.empty() || error != std::errc() || stop != text.data() + text.size()) return std::nullopt;
    return time;
}

Request Refused(std::string problem) {
    Request request;
    request.job = Job::kUsageError;
    request.problem = std::move(problem);
    return request;
}

}  // namespace

Request ParseArguments(std::span<const std::string_view> args) {
    Request request;
    std::vector<std::string_view> asked;  // our own options, by long name
    bool dashes = false;
    bool stream = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--" && !dashes) {
            dashes = true;
            continue;
        }
        if (dashes || !IsOption(arg)) {
            // "-" first asks for a stream; after "--" it is a value.
            if (arg == "-" && !dashes && request.words.empty() && !stream)
                stream = true;
            else
                request.words.push_back(arg);
            continue;
        }
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        const auto equals = name.find('=');
        const bool hasValue = equals != std::string_view::npos;
        name = name.substr(0, equals);
        const std::string typed = Shown(arg.substr(0, arg.find('=')));
        if (Among(name, kQtOptionsWithValue)) {
            // Qt reads NAME=VALUE only for the style options; the others it would drop.
            if (hasValue && name != "style" && name != "stylesheet")
                return Refused(l10n::Fill(l10n::Tr("option %1 takes its value as the next argument"), {typed}));
            if (!hasValue && i + 1 == args.size())
                return Refused(l10n::Fill(l10n::Tr("option %1 needs a value"), {typed}));
            request.toolkitOptions.push_back(arg);
            if (!hasValue) request.toolkitOptions.push_back(args[++i]);
            continue;
        }
        const auto own = OwnOption(name);
        if (!own && !Among(name, kQtFlags)) return Refused(l10n::Fill(l10n::Tr("unrecognized option %1"), {typed}));
        if (own == "user-time") {
            std::string_view value;
            if (hasValue) {
                value = arg.substr(arg.find('=') + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            }
            request.userTime = ServerTime(value);
            if (!request.userTime)
                return Refused(l10n::Fill(l10n::Tr("option %1 takes a time: a number below 2^32"), {typed}));
            continue;
        }
        if (hasValue) return Refused(l10n::Fill(l10n::Tr("option %1 takes no value"), {typed}));
        if (!own) {
            request.toolkitOptions.push_back(arg);
            continue;
        }
        if (*own == "complete") {
            request.job = Job::kComplete;
            request.words.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            return request;
        }
        asked.push_back(*own);
    }
    const auto has = [&asked](std::string_view name) {
        return std::find(asked.begin(), asked.end(), name) != asked.end();
    };
    request.verbose = has("verbose");
    request.asTyped = has("as-typed");
    request.show = has("show");
    const bool converts = stream || !request.words.empty();
    if (has("help") || has("version")) {
        if (converts)
            return Refused(
                l10n::Fill(l10n::Tr("unexpected argument %1"), {Shown(stream ? "-" : request.words.front())}));
        if (request.show) return Refused(l10n::Tr("--show opens a conversion; it goes with no other job"));
        request.job = has("help") ? Job::kHelp : Job::kVersion;
    } else if (has("list")) {
        if (stream) return Refused(l10n::Tr("--list takes a category, not a stream"));
        if (request.show) return Refused(l10n::Tr("--show opens a conversion; it goes with no other job"));
        request.job = Job::kList;
    } else if (!converts) {
        if (request.show || request.verbose || request.asTyped)
            return Refused(l10n::Tr("nothing to convert: mensaro VALUE FROM TO"));
        request.job = Job::kWindow;
    } else if (stream) {
        if (request.show) return Refused(l10n::Tr("--show opens one conversion, not a stream"));
        request.job = Job::kStream;
    } else {
        request.job = Job::kConvert;
    }
    if (request.userTime && request.job != Job::kWindow && !request.show)
        return Refused(l10n::Tr("--user-time goes with a window: mensaro --show or no conversion"));
    return request;
}

std::vector<std::string> Completions(std::span<const std::string_view> words, const Vocabulary& vocabulary) {
    std::vector<std::string> found;
    if (words.empty()) return found;
    const std::string_view current = words.back();
    const Request before = ParseArguments(words.first(words.size() - 1));
    const bool afterDashes = std::find(words.begin(), words.end() - 1, "--") != words.end() - 1;
    // Options while no conversion has begun, "-v --l" too.
    if (before.words.empty() && before.job != Job::kStream && !afterDashes && current.starts_with('-')) {
        for (const std::string_view option : kOffered)
            if (option.starts_with(current)) found.emplace_back(option);
        return found;
    }
    // The value comes first; a stream has none.
    std::span<const std::string_view> units = before.words;
    if (before.job == Job::kConvert)
        units = units.subspan(1);
    else if (before.job != Job::kStream)
        return found;
    // The unit named so far picks the category of the next, past a keyword.
    std::optional<std::size_t> category;
    for (std::size_t n = units.size(); n > 0 && !category; --n) {
        const std::vector<UnitRef> named = MatchUnit(Joined(units.first(n), " "), std::nullopt, vocabulary);
        if (named.size() == 1) category = named.front().category;
    }
    for (const std::string_view name : ShownNamesStartingWith(current, category, vocabulary)) found.emplace_back(name);
    return found;
}

}  // namespace mensaro
