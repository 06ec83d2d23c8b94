// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Calls the search service through the session bus as GNOME Shell does (the
// ids for the terms, then their metas) and as KRunner does (one Match), in
// process, so that no client's own start-up is counted. Prints one line per
// call, "<measure> <nanoseconds>":
//   cold     a search with the service not running: activation and answer
//   warm     the same search, the service running
//   runner   KRunner's Match, the service running
//   bus      a call the bus itself answers, the floor of any round trip
//   search_client <cold rounds> <warm calls>

#include <signal.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QThread>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>

#include "core/about.h"

namespace {

const QString kName = QString::fromLatin1(mensaro::kSearchBusName);

QDBusMessage Call(const QString& path, const QString& interface, const QString& method, const QVariantList& args) {
    QDBusMessage call = QDBusMessage::createMethodCall(kName, path, interface, method);
    call.setArguments(args);
    QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        std::fprintf(stderr, "search_client: %s failed\n", qPrintable(method));
        std::exit(1);
    }
    return reply;
}

// What the shell does before it shows anything: the ids, then their metas.
void ShellSearch() {
    const QString path = QString::fromLatin1(mensaro::kShellProviderPath);
    const QString interface = QStringLiteral("org.gnome.Shell.SearchProvider2");
    const QStringList terms{QStringLiteral("12"), QStringLiteral("in"), QStringLiteral("to"), QStringLiteral("cm")};
    const QDBusMessage ids = Call(path, interface, QStringLiteral("GetInitialResultSet"), {terms});
    if (ids.arguments().constFirst().toStringList().isEmpty()) {
        std::fputs("search_client: no answer to 12 in to cm\n", stderr);
        std::exit(1);
    }
    Call(path, interface, QStringLiteral("GetResultMetas"), {ids.arguments().constFirst()});
}

void RunnerMatch() {
    Call(QString::fromLatin1(mensaro::kRunnerPath), QStringLiteral("org.kde.krunner1"), QStringLiteral("Match"),
         {QStringLiteral("12 in to cm")});
}

void Measure(const char* name, const std::function<void()>& call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start);
    std::printf("%s %lld\n", name, static_cast<long long>(ns.count()));
}

// Ends the running service and waits until the bus has let its name go.
void StopService() {
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    const uint pid = bus->servicePid(kName);
    if (pid == 0) return;
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    while (bus->isServiceRegistered(kName)) QThread::msleep(1);
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    int rounds = 0;
    int calls = 0;
    const auto count = [](const char* text, int& n) {
        const std::string_view digits(text);
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        return error == std::errc() && end == digits.data() + digits.size();
    };
    if (argc != 3 || !count(argv[1], rounds) || !count(argv[2], calls)) {
        std::fputs("Usage: search_client <cold rounds> <warm calls>\n", stderr);
        return 2;
    }
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    for (int i = 0; i < rounds; ++i) {
        StopService();
        Measure("cold", ShellSearch);
    }
    for (int i = 0; i < calls; ++i) {
        Measure("warm", ShellSearch);
        Measure("runner", RunnerMatch);
        Measure("bus", [bus] { bus->isServiceRegistered(kName); });
    }
    StopService();
    return 0;
}
