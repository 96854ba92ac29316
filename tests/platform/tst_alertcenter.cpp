#include "platform/ui/AlertCenter.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using namespace otthon;

namespace {
AlertSpec confirmation(QList<int>* presses) {
    return {"Figyelem!", "Biztos hogy átkapcsol  fűtésre?", {"Mégsem", "Rendben"}, [presses](int index) {
                presses->append(index);
            }};
}
} // namespace

class TestAlertCenter : public QObject {
    Q_OBJECT

private slots:
    void pressClosesTheAlertAndThenCallsItsHandler_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("Mégsem") << 0;
        QTest::newRow("Rendben") << 1;
    }

    void pressClosesTheAlertAndThenCallsItsHandler() {
        QFETCH(int, button);
        AlertCenter alerts;
        int openDuringHandler = -1;
        QList<int> presses;
        alerts.show({"Figyelem!", "?", {"Mégsem", "Rendben"}, [&](int index) {
                         presses.append(index);
                         openDuringHandler = alerts.count();
                     }});
        QSignalSpy changed(&alerts, &AlertCenter::changed);
        QVERIFY(alerts.press(button));
        QCOMPARE(presses, QList<int>{button});
        QCOMPARE(openDuringHandler, 0);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!alerts.isOpen());
    }

    void pressNeedsAnOpenAlertAndOneOfItsButtons() {
        AlertCenter alerts;
        QVERIFY(!alerts.press(0));
        QList<int> presses;
        alerts.show(confirmation(&presses));
        QVERIFY(!alerts.press(2));
        QVERIFY(!alerts.press(-1));
        QCOMPARE(alerts.count(), 1);
        alerts.show({"Sikertelen Nappali beállitas!", {}, {}, {}});
        QVERIFY(!alerts.press(0)); // the top alert has no buttons
        QVERIFY(presses.isEmpty());
    }

    void dismissClosesWithoutTheHandler() {
        AlertCenter alerts;
        QList<int> presses;
        const AlertId id = alerts.show(confirmation(&presses));
        alerts.dismiss(id, 0);
        QVERIFY(!alerts.isOpen());
        QVERIFY(presses.isEmpty());
        QSignalSpy changed(&alerts, &AlertCenter::changed);
        alerts.dismiss(id, 0); // already gone
        alerts.dismiss(0, 0);
        QCOMPARE(changed.count(), 0);
    }

    void theNewestAlertIsOnTop() {
        AlertCenter alerts;
        QList<int> first;
        QList<int> second;
        const AlertId a = alerts.show(confirmation(&first));
        const AlertId b = alerts.show(
            {"Figyelem!", "második", {"Mégsem", "Rendben"}, [&second](int index) { second.append(index); }});
        QVERIFY(a != b);
        QCOMPARE(alerts.count(), 2);
        QCOMPARE(alerts.topId(), b);
        QCOMPARE(alerts.message(), QString("második"));

        QVERIFY(alerts.press(1));
        QCOMPARE(second, QList<int>{1});
        QCOMPARE(alerts.topId(), a);
        QCOMPARE(alerts.message(), QString("Biztos hogy átkapcsol  fűtésre?"));

        // Dismissing one below the top leaves the top in place.
        const AlertId c = alerts.show({"Sikertelen Nappali beállitas!", {}, {}, {}});
        alerts.dismiss(a, 0);
        QCOMPARE(alerts.count(), 1);
        QCOMPARE(alerts.topId(), c);
        QVERIFY(first.isEmpty());
    }

    void aHandlerMayOpenTheNextAlert() {
        AlertCenter alerts;
        alerts.show({"Figyelem!", "?", {"Rendben"}, [&alerts](int) {
                         alerts.show({"Kész", {}, {"OK"}, {}});
                     }});
        QVERIFY(alerts.press(0));
        QCOMPARE(alerts.count(), 1);
        QCOMPARE(alerts.title(), QString("Kész"));
    }

    void describeTop() {
        AlertCenter alerts;
        QVERIFY(alerts.describeTop().isNull());
        QList<int> presses;
        alerts.show(confirmation(&presses));
        QCOMPARE(alerts.describeTop().toObject(),
                 (QJsonObject{{"title", "Figyelem!"},
                              {"message", "Biztos hogy átkapcsol  fűtésre?"},
                              {"buttons", QJsonArray{"Mégsem", "Rendben"}}}));
    }
};

QTEST_GUILESS_MAIN(TestAlertCenter)
#include "tst_alertcenter.moc"
