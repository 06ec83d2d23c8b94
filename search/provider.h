// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// GNOME Shell's search provider interface (org.gnome.Shell.SearchProvider2).
// The shell calls every provider for every search, so most queries are no
// conversion and get an empty answer at once.
#pragma once

#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include "search/service.h"

namespace mensaro {

class ShellSearchProvider : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    explicit ShellSearchProvider(Service& service);

    // The interface's methods, as the bus calls them.
    Q_INVOKABLE QStringList GetInitialResultSet(const QStringList& terms);
    Q_INVOKABLE QStringList GetSubsearchResultSet(const QStringList& previous, const QStringList& terms);
    Q_INVOKABLE QList<QVariantMap> GetResultMetas(const QStringList& ids);
    Q_INVOKABLE void ActivateResult(const QString& id, const QStringList& terms, uint timestamp);
    Q_INVOKABLE void LaunchSearch(const QStringList& terms, uint timestamp);

private:
    Service& service_;
};

}  // namespace mensaro
