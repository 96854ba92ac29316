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
    void pressNeedsAnOpenAlertAndOneOfItsButtons() {
        AlertCenter alerts;
        QVERIFY(!alerts.press(0));
        QVERIFY(alerts.describeTop().isNull());
        QList<int> presses;
        alerts.show(confirmation(&presses));
        QCOMPARE(alerts.describeTop().toObject(),
                 (QJsonObject{{"title", "Figyelem!"},
                              {"message", "Biztos hogy átkapcsol  fűtésre?"},
                              {"buttons", QJsonArray{"Mégsem", "Rendben"}}}));
        QVERIFY(!alerts.press(2));
        QVERIFY(!alerts.press(-1));
        alerts.show({"Sikertelen Nappali beállitas!", {}, {}, {}});
        QVERIFY(!alerts.press(0)); // the top alert has no buttons
        QCOMPARE(alerts.count(), 2);
        QVERIFY(presses.isEmpty());
    }

    void pressClosesTheTopAlertAndThenCallsItsHandler() {
        AlertCenter alerts;
        QList<int> first;
        QList<int> second; // the button, then how many alerts were open during the handler
        const AlertId a = alerts.show(confirmation(&first));
        const AlertId b = alerts.show({"Figyelem!", "második", {"Mégsem", "Rendben"}, [&](int index) {
                                           second << index << alerts.count();
                                       }});
        QCOMPARE(alerts.topId(), b);
        QCOMPARE(alerts.message(), QString("második"));
        QSignalSpy changed(&alerts, &AlertCenter::changed);
        QVERIFY(alerts.press(1));
        QCOMPARE(second, (QList<int>{1, 1}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(alerts.topId(), a);

        // Dismissing one below the top leaves the top in place, and runs no handler.
        const AlertId c = alerts.show({"Sikertelen Nappali beállitas!", {}, {}, {}});
        alerts.dismiss(a, 0);
        QCOMPARE(alerts.count(), 1);
        QCOMPARE(alerts.topId(), c);
        QVERIFY(first.isEmpty());
        alerts.dismiss(a, 0); // already gone
        alerts.dismiss(0, 0);
        QCOMPARE(changed.count(), 3);
    }
};

QTEST_GUILESS_MAIN(TestAlertCenter)
#include "tst_alertcenter.moc"
