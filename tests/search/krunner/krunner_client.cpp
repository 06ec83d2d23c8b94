// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// KRunner's own library as the search service's client, loading its plugin
// file as Plasma does (from $XDG_DATA_DIRS/krunner/dbusplugins) and typing
// queries key by key. Builds against KF5 (Qt 5) and KF6 (Qt 6); run by
// desktop_session.sh on a private session bus.
#include <KRunner/QueryMatch>
#include <KRunner/RunnerManager>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#if QT_VERSION_MAJOR == 5
namespace KR = Plasma;
#else
namespace KR = KRunner;
#endif

namespace {
const QString service = QStringLiteral("org.mensaro.Mensaro.SearchProvider");

// Plasma's clipboard manager, as the service finds it on the bus.
class Klipper : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.klipper.klipper")
public:
    QStringList received;
public Q_SLOTS:
    void setClipboardContents(const QString& text) { received << text; }
};

QByteArray shown() {
    QFile log(qEnvironmentVariable("MENSARO_SHOWN_LOG"));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}
}  // namespace

class KRunnerClient : public QObject {
    Q_OBJECT
    KR::RunnerManager manager;
    Klipper klipper;
    QList<KR::QueryMatch> found;
    QDBusConnection bus = QDBusConnection::sessionBus();

    // As KRunner's window does while one types; the answer is the last query's.
    QList<KR::QueryMatch> type(const QString& text) {
        for (int n = 1; n < text.size(); ++n) {
            manager.launchQuery(text.left(n));
            QTest::qWait(15);
        }
        manager.launchQuery(text);
        QSignalSpy finished(&manager, &KR::RunnerManager::queryFinished);
        [&] { QVERIFY(finished.wait(15000)); }();
        return manager.matches();
    }

private Q_SLOTS:
    void initTestCase() {
        QString id;
        for (const auto& plugin : KR::RunnerManager::runnerMetaDataList())
            if (plugin.value(QStringLiteral("X-Plasma-DBusRunner-Service")) == service) id = plugin.pluginId();
        QVERIFY2(!id.isEmpty(), "no plugin file for the service in $XDG_DATA_DIRS/krunner/dbusplugins");
        manager.setAllowedRunners({id});
        QVERIFY(bus.registerObject(QStringLiteral("/klipper"), &klipper, QDBusConnection::ExportAllSlots));
    }

    // The plugin file's pattern keeps the service asleep for other searches.
    void otherQueriesWakeNothing() {
        QVERIFY(type(QStringLiteral("firefox")).isEmpty());
        QCOMPARE(manager.runners().size(), 1);
        QVERIFY(!bus.interface()->isServiceRegistered(service).value());
    }

    void typedQueryAnswersOnce() {
        found = type(QStringLiteral("12 in to cm"));
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].text(), QStringLiteral("30.48 Centimeter"));
        QCOMPARE(found[0].subtext(), QStringLiteral("12 Inch"));
    }

    // Copied through Klipper where it runs, else the window opens at the conversion.
    void runCopiesOrOpensWindow() {
        QVERIFY(!found.isEmpty());
        QVERIFY(bus.registerService(QStringLiteral("org.kde.klipper")));
        manager.run(found[0]);
        QTRY_COMPARE_WITH_TIMEOUT(klipper.received, QStringList{QStringLiteral("30.48")}, 10000);
        QCOMPARE(shown(), QByteArray());
        QVERIFY(bus.unregisterService(QStringLiteral("org.kde.klipper")));
        manager.run(found[0]);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QByteArray("[--show][12][Inch][Centimeter]\n"), 10000);
        QCOMPARE(klipper.received.size(), 1);
    }
};

QTEST_MAIN(KRunnerClient)
#include "krunner_client.moc"
