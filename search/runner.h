// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// KRunner's D-Bus runner interface (org.kde.krunner1), as Plasma 5 and 6
// call it. The plugin file's match regex keeps KRunner from asking about
// queries that do not start with a number.
#pragma once

#include <QDBusArgument>
#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include "search/service.h"

namespace mensaro {

// One row of Match's answer, a(sssida{sv}).
struct RemoteMatch {
    QString id;
    QString text;
    QString icon;
    int type = 0;  // a match type on Plasma 5, a category relevance on Plasma 6
    double relevance = 0;
    QVariantMap properties;
};

// One action a row offers, a(sss).
struct RemoteAction {
    QString id;
    QString text;
    QString icon;
};

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match);
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action);

class Runner : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    explicit Runner(Service& service);

    // The interface's methods, as the bus calls them.
    Q_INVOKABLE QList<RemoteAction> Actions();
    Q_INVOKABLE QList<RemoteMatch> Match(const QString& query);
    Q_INVOKABLE void Run(const QString& matchId, const QString& actionId);
    Q_INVOKABLE void Teardown();

private:
    Service& service_;
};

}  // namespace mensaro

Q_DECLARE_METATYPE(mensaro::RemoteMatch)
Q_DECLARE_METATYPE(mensaro::RemoteAction)
