// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/search/service.h"

#include <QLocale>
#include <QProcess>
#include <array>
#include <charconv>
#include <chrono>
#include <string_view>
#include <utility>

#include "core/unitnames.h"
#include "l10n/translate.h"
#include "l10n/vocabulary.h"

namespace mensaro {

namespace {

// Long enough for a user's pauses while typing, short enough that nothing
// lingers: the next search starts the service again in a few milliseconds.
constexpr std::chrono::seconds kIdle{10};
// A client that knew this copy by its own bus address (GIO's proxies send
// there) hears that the name moved within milliseconds; its calls sent
// before that still reach this copy.
constexpr std::chrono::seconds kLastCalls{2};

std::string_view View(const QByteArray& text) { return {text.constData(), static_cast<std::size_t>(text.size())}; }

// A text too long to be a query or an id is refused before it is even
// converted; UTF-16 units never outnumber the bytes of the same text.
bool TooLong(const QString& text) { return text.size() > static_cast<qsizetype>(kLongestQuery); }

}  // namespace

Service::Service(QString program, QObject* parent)
    : QObject(parent),
      program_(std::move(program)),
      decimalComma_(QLocale::system().decimalPoint() == QStringLiteral(",")),
      words_(l10n::UserVocabulary()) {
    idle_.setSingleShot(true);
    idle_.setInterval(kIdle);
    connect(&idle_, &QTimer::timeout, this, [this] { leaving_ ? Q_EMIT Gone() : Q_EMIT Idle(); });
    idle_.start();
}

void Service::Touch() { idle_.start(); }

void Service::Leave() {
    leaving_ = true;
    idle_.start(kLastCalls);
}

std::vector<Conversion> Service::Suggestions(const QString& query) const {
    if (TooLong(query)) return {};
    return Suggest(View(query.toUtf8()), decimalComma_, words_);
}

std::vector<Conversion> Service::Suggestions(const QStringList& terms) const {
    // Counted before joining, so that a flood of terms is never copied.
    qsizetype length = 0;
    for (const QString& term : terms) {
        length += term.size() + 1;
        if (length > static_cast<qsizetype>(kLongestQuery) + 1) return {};
    }
    return Suggestions(terms.join(QLatin1Char(' ')));
}

std::optional<Conversion> Service::Named(const QString& id) {
    if (TooLong(id)) return std::nullopt;
    return FromId(View(id.toUtf8()));
}

QString Service::Id(const Conversion& conversion) { return QString::fromStdString(IdOf(conversion)); }

bool Service::OpenWindow(const std::optional<Conversion>& conversion, uint userTime) const {
    QStringList arguments;
    if (userTime != 0) {
        std::array<char, 16> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), userTime).ptr;
        arguments << QStringLiteral("--user-time") << QString::fromLatin1(digits.data(), end - digits.data());
    }
    if (conversion) {
        // By its id, which the program reads as this service does, whatever
        // the names of the session's language.
        arguments << QStringLiteral("--show") << QString::fromStdString(IdOf(*conversion));
    }
    QProcess window;
    window.setProgram(program_);
    window.setArguments(arguments);
    // What it might print would land in the session's log, beside the values
    // of the conversion; the window shows what goes wrong itself.
    window.setStandardOutputFile(QProcess::nullDevice());
    window.setStandardErrorFile(QProcess::nullDevice());
    return window.startDetached();
}

QString Service::ResultLine(const Conversion& conversion) const {
    return QString::fromStdString(ResultText(conversion, words_));
}

QString Service::ClipboardText(const Conversion& conversion) const {
    return QString::fromStdString(ResultOf(conversion, words_));
}

QString Service::SourceLine(const Conversion& conversion) const {
    return QString::fromStdString(SourceText(conversion, words_));
}

}  // namespace mensaro
