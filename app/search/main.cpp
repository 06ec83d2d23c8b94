// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// mensaro-search: answers the desktop's search box (GNOME Shell's overview
// and KRunner) with conversions. The session bus starts it for a search; it
// serves both desktops under one name and leaves after a while without calls.
//   mensaro-search [--program PATH]    PATH: the window's program to start

#include <QCoreApplication>
#include <QDBusConnection>
#include <cstdio>

#include "app/search/provider.h"
#include "app/search/runner.h"
#include "app/search/service.h"
#include "l10n/translate.h"

namespace {

// People type passwords into these boxes: no message of the toolkit's, which
// could quote what a client sent, ever reaches a log.
void Silence(QtMsgType /*type*/, const QMessageLogContext& /*context*/, const QString& /*message*/) {}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(Silence);
    // The session's language, as the bus handed it over at start.
    mensaro::l10n::Start();
    const QCoreApplication application(argc, argv);
    QString program = QStringLiteral(MENSARO_PROGRAM);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("--program")) {
        program = arguments[2];
    } else if (arguments.size() != 1) {
        std::fprintf(stderr, "Usage: %s [--program PATH]\n", argv[0]);
        return 2;
    }

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fputs("mensaro-search: no session bus\n", stderr);
        return 1;
    }
    mensaro::Service service(program);
    mensaro::ShellSearchProvider provider(service);
    mensaro::Runner runner(service);
    // The objects first: once the name is ours, calls find them.
    if (!bus.registerObject(QString::fromLatin1(mensaro::kShellProviderPath), &provider,
                            QDBusConnection::ExportAllInvokables) ||
        !bus.registerObject(QString::fromLatin1(mensaro::kRunnerPath), &runner, QDBusConnection::ExportAllInvokables)) {
        return 1;
    }
    // The name taken means another copy serves already.
    const QString name = QString::fromLatin1(mensaro::kSearchBusName);
    if (!bus.registerService(name)) return 0;
    // The name goes first, so that a call from now on starts a new copy
    // rather than reaching one on its way out.
    QObject::connect(&service, &mensaro::Service::Idle, &service, [&bus, &name] {
        bus.unregisterService(name);
        QCoreApplication::quit();
    });
    // A bus that went away takes every caller with it: nothing left to serve.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"), QStringLiteral("org.freedesktop.DBus.Local"),
                QStringLiteral("Disconnected"), QCoreApplication::instance(), SLOT(quit()));
    return QCoreApplication::exec();
}
