// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// KRunner's own library (KF5 or KF6) as the search service's client: its plugin
// file loaded as Plasma loads it, queries typed key by key. Run by desktop_session.sh.
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

// Plasma's clipboard manager, as the service finds it on the bus.
class Klipper : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.klipper.klipper")
public:
    QStringList received;
public Q_SLOTS:
    void setClipboardContents(const QString& text) { received << text; }
};

class KRunnerClient : public QObject {
    Q_OBJECT
    const QString service = QStringLiteral("org.mensaro.Mensaro.SearchProvider");
    KR::RunnerManager manager;
    Klipper klipper;
    QDBusConnection bus = QDBusConnection::sessionBus();

    // As KRunner's window does while one types; the answer is the last query's.
    QList<KR::QueryMatch> type(const QString& text) {
        for (int n = 1; n < text.size(); ++n, QTest::qWait(15)) manager.launchQuery(text.left(n));
        manager.launchQuery(text);
        QSignalSpy finished(&manager, &KR::RunnerManager::queryFinished);
        [&] { QVERIFY(finished.wait(15000)); }();
        return manager.matches();
    }

    static QByteArray shown() {
        QFile log(qEnvironmentVariable("MENSARO_SHOWN_LOG"));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

private Q_SLOTS:
    // The installed plugin file's pattern keeps the service asleep for other searches;
    // a conversion is copied through Klipper where it runs, else opened in the window.
    void pluginAnswersAndRuns() {
        QString id;
        for (const auto& plugin : KR::RunnerManager::runnerMetaDataList())
            if (plugin.value(QStringLiteral("X-Plasma-DBusRunner-Service")) == service) id = plugin.pluginId();
        QVERIFY2(!id.isEmpty(), "no plugin file for the service in $XDG_DATA_DIRS/krunner/dbusplugins");
        manager.setAllowedRunners({id});
        QVERIFY(bus.registerObject(QStringLiteral("/klipper"), &klipper, QDBusConnection::ExportAllSlots));
        QVERIFY(type(QStringLiteral("firefox")).isEmpty());
        QCOMPARE(manager.runners().size(), 1);
        QVERIFY(!bus.interface()->isServiceRegistered(service).value());
        const QList<KR::QueryMatch> found = type(QStringLiteral("12 in to cm"));
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].text() + '|' + found[0].subtext(), QStringLiteral("30.48 Centimeter|12 Inch"));
        // A fraction passes the pattern too, and a quantity in parts is answered.
        for (const auto& [query, row] : {std::pair{"½ in to mm", "12.70 Millimeter|½ Inch"},
                                         {"5'11\" to ft in", "5 Feet 11.00 Inch|5 Feet 11 Inch"}}) {
            const QList<KR::QueryMatch> matches = type(QString::fromUtf8(query));
            QCOMPARE(matches.size(), 1);
            QCOMPARE(matches[0].text() + '|' + matches[0].subtext(), QString::fromUtf8(row));
        }
        QVERIFY(bus.registerService(QStringLiteral("org.kde.klipper")));
        manager.run(found[0]);
        QTRY_COMPARE_WITH_TIMEOUT(klipper.received, QStringList{QStringLiteral("30.48")}, 10000);
        QCOMPARE(shown(), QByteArray());
        QVERIFY(bus.unregisterService(QStringLiteral("org.kde.klipper")));
        manager.run(found[0]);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QByteArray("[--show][12|Inch|Centimeter]\n"), 10000);
        QCOMPARE(klipper.received.size(), 1);
    }
};

QTEST_MAIN(KRunnerClient)
#include "krunner_client.moc"
