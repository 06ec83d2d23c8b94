// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/search/provider.h"

#include <QDBusMetaType>

#include "core/about.h"

namespace mensaro {

namespace {

// The shell asks only for what it was given, at most five at a time.
constexpr qsizetype kMostIds = 100;

QStringList Ids(const std::vector<Conversion>& conversions) {
    QStringList ids;
    for (const Conversion& conversion : conversions) ids.append(Service::Id(conversion));
    return ids;
}

}  // namespace

ShellSearchProvider::ShellSearchProvider(Service& service) : service_(service) {
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

QStringList ShellSearchProvider::GetInitialResultSet(const QStringList& terms) {
    service_.Touch();
    return Ids(service_.Suggestions(terms));
}

// Recomputed: a new search costs less than checking which old results still fit.
QStringList ShellSearchProvider::GetSubsearchResultSet(const QStringList& /*previous*/, const QStringList& terms) {
    return GetInitialResultSet(terms);
}

// The shell drops every result of a provider whose answer lacks a map, or a
// name, for one of the ids. Ids this service gave always have both; any other
// id comes from another client, and an error tells it so rather than a
// made-up row. The message never repeats the id: the shell logs errors.
QList<QVariantMap> ShellSearchProvider::GetResultMetas(const QStringList& ids) {
    service_.Touch();
    if (ids.size() > kMostIds) {
        sendErrorReply(QDBusError::LimitsExceeded, QStringLiteral("Too many result ids"));
        return {};
    }
    QList<QVariantMap> metas;
    for (const QString& id : ids) {
        const auto conversion = Service::Named(id);
        if (!conversion) {
            sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("Not a result of this search provider"));
            return {};
        }
        metas.append(QVariantMap{
            {QStringLiteral("id"), id},
            {QStringLiteral("name"), service_.ResultLine(*conversion)},
            {QStringLiteral("description"), service_.SourceLine(*conversion)},
            // A plain string: the shell reads it as an icon name.
            {QStringLiteral("icon"), QString::fromLatin1(kApplicationId)},
            // The shell itself copies this when the result is picked.
            {QStringLiteral("clipboardText"), service_.ClipboardText(*conversion)},
        });
    }
    return metas;
}

// The shell has copied the result already; the window shows where it came from.
void ShellSearchProvider::ActivateResult(const QString& id, const QStringList& /*terms*/, uint timestamp) {
    service_.Touch();
    const auto conversion = Service::Named(id);
    if (!conversion) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("Not a result of this search provider"));
    } else if (!service_.OpenWindow(conversion, timestamp)) {
        sendErrorReply(QDBusError::Failed, QString::fromLatin1(Service::kCannotStart));
    }
}

// The application's icon beside the results: the window, at the first answer if any.
void ShellSearchProvider::LaunchSearch(const QStringList& terms, uint timestamp) {
    service_.Touch();
    const std::vector<Conversion> conversions = service_.Suggestions(terms);
    std::optional<Conversion> first;
    if (!conversions.empty()) first = conversions.front();
    if (!service_.OpenWindow(first, timestamp))
        sendErrorReply(QDBusError::Failed, QString::fromLatin1(Service::kCannotStart));
}

}  // namespace mensaro
