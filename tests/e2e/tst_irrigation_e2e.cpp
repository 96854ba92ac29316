#include "AutomationClient.h"

#include <QJsonArray>
#include <QtTest>

using namespace otthon::testing;

// The irrigation screens in the running app against the substitute controller, which starts with the whole
// irrigation on, master and zones off, and five slots that only touch: zone 3 is switched on and the whole
// irrigation off; a slot is added, set to clash with zone 3's, read in the summary, and deleted. Each change
// is in the controller's next reply. One app, walked through in order.
class IrrigationEndToEndTest : public QObject {
    Q_OBJECT

    AutomationClient app;

    bool ok(const QJsonObject& request) { return app.ask(request).value("ok").toBool(); }
    bool tap(const char* element) { return ok({{"do", "tap"}, {"element", element}}); }
    QString screen() { return app.state().value("screen").toString(); }
    static QJsonArray element(const QJsonObject& state, int index) {
        return modelOf(state).value("StatusDocument").toArray().at(index).toArray();
    }
    // The eight irrigation switches of the last reply.
    static QString switches(const QJsonObject& state) {
        QStringList flags;
        const QJsonArray rows = element(state, 3);
        for (int row = 2; row < 10; ++row)
            flags.append(rows.at(row).toArray().at(2).toString());
        return flags.join(u':');
    }
    QJsonObject enabled(const char* name) {
        return app.waitUntil(
            [&](const QJsonObject& s) { return elementOf(s, name).value("enabled").toBool(); });
    }
    // Waits until the controller's reply holds `schedule` and the list shows it.
    QJsonObject replied(const QJsonArray& schedule) {
        return app.waitUntil([&](const QJsonObject& s) {
            return element(s, 1) == schedule &&
                   elementOf(s, "OntozoTable").value("rows").toArray().size() >= schedule.size();
        });
    }

private slots:
    void initTestCase() {
        QVERIFY(app.start(QStringLiteral(OTTHON_APP_BINARY), {"--automation", "--demo"}));
        for (int i = 0; i < 4; ++i)
            QVERIFY(ok({{"do", "swipe"}, {"to", "next"}}));
        QCOMPARE(enabled("OntozoBeKi").value("page").toString(), QStringLiteral("Öntöző"));
    }

    void zoneOnThenEverythingOff() {
        QVERIFY(tap("OntozoBeKi"));
        QCOMPARE(screen(), QStringLiteral("OntozoKiBe"));
        QVERIFY(ok({{"do", "toggle"}, {"element", "Z3"}, {"on", true}}));
        QCOMPARE(app.sent().last(), QStringLiteral("?dt=Ontozosett:1:1:0:0:1:0:0:0"));
        QCOMPARE(
            switches(app.waitUntil([](const QJsonObject& s) { return switches(s) == "1:1:0:0:1:0:0:0"; })),
            QStringLiteral("1:1:0:0:1:0:0:0"));

        enabled("ZOsszes"); // the hold ends
        QVERIFY(ok({{"do", "segment"}, {"element", "ZOsszes"}, {"index", 0}}));
        QCOMPARE(app.sent().last(), QStringLiteral("?dt=Ontozosett:0:0:0:0:0:0:0:0"));
        const QJsonObject state =
            app.waitUntil([](const QJsonObject& s) { return switches(s) == "0:0:0:0:0:0:0:0"; });
        QCOMPARE(switches(state), QStringLiteral("0:0:0:0:0:0:0:0"));
        QCOMPARE(elementOf(state, "Z3").value("enabled"), QJsonValue(false));
        QVERIFY(ok({{"do", "back"}}));
    }

    void addSetReadAndDeleteASlot() {
        QVERIFY(tap("OntozoBeallitas"));
        const QJsonArray start = element(app.state(), 1);
        QCOMPARE(start.size(), 5);
        QVERIFY(ok({{"do", "toggle"}, {"element", "OntozoEdit"}, {"on", true}}));
        QVERIFY(ok({{"do", "commit"}, {"element", "OntozoTable"}, {"row", 5}, {"style", "insert"}}));
        QCOMPARE(app.sent().last(), QStringLiteral("?dt=Ontozoadd:0:0:0:Z1"));
        QJsonArray schedule = start;
        schedule.append(QJsonArray{"Z1", "0:0", "0"});
        QCOMPARE(element(replied(schedule), 1), schedule);

        // Zone 4 from 5:50 for 20 minutes runs into zone 3's slot at 6:00.
        QVERIFY(ok({{"do", "select"}, {"element", "OntozoTable"}, {"row", 5}}));
        QCOMPARE(screen(), QStringLiteral("OntozoBeallitasok"));
        QVERIFY(ok({{"do", "pick"}, {"element", "OntozoZonak"}, {"row", 600 + 3}}));
        QVERIFY(ok({{"do", "pick"}, {"element", "OntozoOra"}, {"row", 599 + 5}}));
        QVERIFY(ok({{"do", "pick"}, {"element", "OntozoPerc"}, {"row", 599 + 50}}));
        QVERIFY(ok({{"do", "pick"}, {"element", "OntozoIdotartam"}, {"row", 599 + 20}}));
        QVERIFY(tap("OntozoBeallitasSet"));
        QCOMPARE(app.sent().last(), QStringLiteral("?dt=Ontozoup:5:50:20:Z4:0:0:0:Z1"));
        schedule.replace(5, QJsonArray{"Z4", "5:50", "20"});
        QVERIFY(ok({{"do", "back"}}));
        QCOMPARE(element(replied(schedule), 1), schedule);

        QVERIFY(ok({{"do", "back"}}));
        QVERIFY(tap("OntozoOsszefoglalas"));
        const QJsonObject summary = app.state();
        QCOMPARE(elementOf(summary, "Ontozoutkozes").value("text").toString(),
                 QStringLiteral("Időpont 6 Zóna 4\n"));
        QCOMPARE(elementOf(summary, "Z4ido").value("text").toString(), QStringLiteral("20"));
        QVERIFY(ok({{"do", "back"}}));

        QVERIFY(tap("OntozoBeallitas"));
        QVERIFY(ok({{"do", "toggle"}, {"element", "OntozoEdit"}, {"on", true}}));
        QVERIFY(ok({{"do", "commit"}, {"element", "OntozoTable"}, {"row", 5}, {"style", "delete"}}));
        QCOMPARE(app.sent().last(), QStringLiteral("?dt=Ontozodel:5:50:20:Z4"));
        QCOMPARE(element(replied(start), 1), start);
    }

    void cleanupTestCase() { ok({{"do", "quit"}}); }
};

QTEST_GUILESS_MAIN(IrrigationEndToEndTest)
#include "tst_irrigation_e2e.moc"
