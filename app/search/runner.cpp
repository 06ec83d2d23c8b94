// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/search/runner.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "core/about.h"
#include "l10n/translate.h"

namespace mensaro {

namespace {

// The one action besides the default (copying the result).
const QString kOpenAction = QStringLiteral("open");

// "Exact match" on Plasma 5, the highest category relevance on Plasma 6.
constexpr int kExactMatch = 100;
// Each later row ranks a little below the one before it.
constexpr double kRelevanceStep = 0.01;
// Long enough for a busy clipboard manager; the window opens without it.
constexpr int kClipboardTimeoutMs = 2000;

}  // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match) {
    argument.beginStructure();
    argument << match.id << match.text << match.icon << match.type << match.relevance << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match) {
    argument.beginStructure();
    argument >> match.id >> match.text >> match.icon >> match.type >> match.relevance >> match.properties;
    argument.endStructure();
    // Qt's demarshalling operators hand their argument back, for chaining.
    return argument;  // NOLINT(bugprone-return-const-ref-from-parameter)
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action) {
    argument.beginStructure();
    argument << action.id << action.text << action.icon;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action) {
    argument.beginStructure();
    argument >> action.id >> action.text >> action.icon;
    argument.endStructure();
    return argument;  // NOLINT(bugprone-return-const-ref-from-parameter)
}

Runner::Runner(Service& service) : service_(service) {
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<QList<RemoteMatch>>();
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<QList<RemoteAction>>();
}

QList<RemoteAction> Runner::Actions() {
    service_.Touch();
    return {{kOpenAction, QString::fromUtf8(l10n::Tr("Open in Mensaro")), QString::fromLatin1(kApplicationId)}};
}

QList<RemoteMatch> Runner::Match(const QString& query) {
    service_.Touch();
    QList<RemoteMatch> matches;
    double relevance = 1.0;
    for (const Conversion& conversion : service_.Suggestions(query)) {
        const QVariantMap properties{
            {QStringLiteral("subtext"), service_.SourceLine(conversion)},
            {QStringLiteral("actions"), QStringList{kOpenAction}},
        };
        matches.append({Service::Id(conversion), service_.ResultLine(conversion), QString::fromLatin1(kApplicationId),
                        kExactMatch, relevance, properties});
        relevance -= kRelevanceStep;
    }
    return matches;
}

// The default action copies the result through the desktop's clipboard
// manager, the only way a windowless process can on Wayland; where there is
// none, or it fails, the window opens at the result instead.
void Runner::Run(const QString& matchId, const QString& actionId) {
    service_.Touch();
    const auto conversion = Service::Named(matchId);
    if (!conversion || (!actionId.isEmpty() && actionId != kOpenAction)) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("Not a match or action of this runner"));
        return;
    }
    if (actionId == kOpenAction) {
        if (!service_.OpenWindow(conversion))
            sendErrorReply(QDBusError::Failed, QString::fromLatin1(Service::kCannotStart));
        return;
    }
    QDBusMessage copy = QDBusMessage::createMethodCall(QStringLiteral("org.kde.klipper"), QStringLiteral("/klipper"),
                                                       QStringLiteral("org.kde.klipper.klipper"),
                                                       QStringLiteral("setClipboardContents"));
    copy << service_.ClipboardText(*conversion);
    // A clipboard manager that is not running is not started for this.
    copy.setAutoStartService(false);
    auto* watcher = new QDBusPendingCallWatcher(connection().asyncCall(copy, kClipboardTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, conversion](QDBusPendingCallWatcher* call) {
        if (call->isError()) service_.OpenWindow(conversion);
        call->deleteLater();
    });
}

void Runner::Teardown() { service_.Touch(); }

}  // namespace mensaro
