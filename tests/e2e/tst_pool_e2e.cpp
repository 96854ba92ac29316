#include "AutomationClient.h"

#include <QJsonArray>
#include <QtTest>

using namespace otthon::testing;

// The pool's screens in the running app against the substitute controller, whose pool schedule starts with
// 45, 40 and 30 minutes: a slot is added, set to 9 minutes (124 in all, not enough), then to 10 (125,
// enough), and deleted; each change is in the controller's next reply. One app, walked through in order.
class PoolEndToEndTest : public QObject {
    Q_OBJECT

    AutomationClient app;

    bool ok(const QJsonObject& request) { return app.ask(request).value("ok").toBool(); }
    bool tap(const char* element) { return ok({{"do", "tap"}, {"element", element}}); }
    QString screen() { return app.state().value("screen").toString(); }
    static QJsonArray pool(const QJsonObject& state) {
        return modelOf(state).value("StatusDocument").toArray().at(5).toArray();
    }
    static QStringList rows(const QJsonObject& state) {
        QStringList texts;
        for (const QJsonValue& row : elementOf(state, "MedenceTable").value("rows").toArray())
            texts.append(row.toObject().value("text").toString());
        return texts;
    }
    // Waits until the controller's reply holds `schedule` as the pool schedule and the list shows them.
    QJsonObject replied(const QJsonArray& schedule) {
        return app.waitUntil(
            [&](const QJsonObject& s) { return pool(s) == schedule && rows(s).size() >= schedule.size(); });
    }
    // From the list: opens the editor on row 3, sets the duration wheel and sends.
    void setFourthSlot(int duration, const QString& sent) {
        QVERIFY(ok({{"do", "select"}, {"element", "MedenceTable"}, {"row", 3}}));
        QCOMPARE(screen(), QStringLiteral("MedenceBeallitas"));
        QVERIFY(ok({{"do", "pick"}, {"element", "IdoOra"}, {"row", 599 + 6}}));
        QVERIFY(ok({{"do", "pick"}, {"element", "IdoPerc"}, {"row", 599 + 15}}));
        QVERIFY(ok({{"do", "pick"}, {"element", "Idotartam"}, {"row", 599 + duration}}));
        QVERIFY(tap("MedenceSet"));
        QCOMPARE(app.sent().last(), sent);
    }
    // From the editor: back to the pool page, and the summary's state.
    QJsonObject summary() {
        const bool opened = ok({{"do", "back"}}) && ok({{"do", "back"}}) && tap("MedenceOsszefoglalas");
        const QJsonObject state = opened ? app.state() : QJsonObject();
        ok({{"do", "back"}});
        return state;
    }

private slots:
    void initTestCase() {
        QVERIFY(app.start(QStringLiteral(OTTHON_APP_BINARY), {"--automation", "--demo"}));
        for (int i = 0; i < 3; ++i)
            QVERIFY(ok({{"do", "swipe"}, {"to", "next"}}));
        const QJsonObject page = app.waitUntil(
            [](const QJsonObject& s) { return elementOf(s, "MedenceBeallitas").value("enabled").toBool(); });
        QCOMPARE(page.value("page").toString(), QStringLiteral("Medence"));
        QVERIFY(tap("MedenceBeallitas"));
        QCOMPARE(rows(app.state()),
                 (QStringList{"1. Időpont / 8:0-45 /", "2. Időpont / 14:30-40 /", "3. Időpont / 19:5-30 /"}));
    }

    void addSetAndDeleteASlot() {
        QVERIFY(ok({{"do", "toggle"}, {"element", "MedenceEdit"}, {"on", true}}));
        QVERIFY(ok({{"do", "commit"}, {"element", "MedenceTable"}, {"row", 3}, {"style", "insert"}}));
        QCOMPARE(app.sent().last(), QStringLiteral("?dt=Pooladd:0:0:0"));
        const QJsonArray start{QJsonArray{"8:0", "45"}, QJsonArray{"14:30", "40"}, QJsonArray{"19:5", "30"}};
        QJsonArray schedule = start;
        schedule.append(QJsonArray{"0:0", "0"});
        QCOMPARE(pool(replied(schedule)), schedule);

        setFourthSlot(9, QStringLiteral("?dt=Poolup:6:15:9:0:0:0"));
        schedule.replace(3, QJsonArray{"6:15", "9"});
        QCOMPARE(pool(replied(schedule)), schedule);
        QJsonObject shown = summary();
        QCOMPARE(elementOf(shown, "Megfeleles").value("text").toString(), QStringLiteral("Nem megfelelő"));
        QCOMPARE(elementOf(shown, "Perc").value("text").toString(),
                 QStringLiteral("További 1 perc időtartam beállítása szükséges."));
        QCOMPARE(elementOf(shown, "Perc").value("hidden"), QJsonValue(false));

        QVERIFY(tap("MedenceBeallitas"));
        setFourthSlot(10, QStringLiteral("?dt=Poolup:6:15:10:6:15:9"));
        schedule.replace(3, QJsonArray{"6:15", "10"});
        QCOMPARE(pool(replied(schedule)), schedule);
        shown = summary();
        QCOMPARE(elementOf(shown, "Megfeleles").value("text").toString(), QStringLiteral("Megfelelő"));
        QCOMPARE(elementOf(shown, "Perc").value("hidden"), QJsonValue(true));

        QVERIFY(tap("MedenceBeallitas"));
        QVERIFY(ok({{"do", "toggle"}, {"element", "MedenceEdit"}, {"on", true}}));
        QVERIFY(ok({{"do", "commit"}, {"element", "MedenceTable"}, {"row", 3}, {"style", "delete"}}));
        QCOMPARE(app.sent().last(), QStringLiteral("?dt=Pooldel:6:15:10"));
        const QJsonObject state = replied(start);
        QCOMPARE(pool(state), start);
        QCOMPARE(rows(state).size(), 4); // the three slots and the add row: still in edit mode
    }

    void cleanupTestCase() { ok({{"do", "quit"}}); }
};

QTEST_GUILESS_MAIN(PoolEndToEndTest)
#include "tst_pool_e2e.moc"
