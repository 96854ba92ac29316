#include "PageHarness.h"
#include "pages/home/Kulso.h"

#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

class KulsoTest : public QObject {
    Q_OBJECT

    // A connected page showing the sample reply.
    std::unique_ptr<Kulso> connectedPage(PageHarness& h) {
        h.model().Connected = true;
        auto page = h.load<Kulso>();
        return page;
    }

    // Holds a gate button for `seconds` and lifts the finger.
    static void press(PageHarness& h, Button* gate, double seconds) {
        gate->touchDown(QPointF(10, 10));
        h.scheduler.advance(seconds);
        gate->touchUp();
    }

private slots:
    void formatsTheReply_data() {
        QTest::addColumn<QJsonValue>("humidity");
        QTest::addColumn<QJsonValue>("pressure");
        QTest::addColumn<QString>("humidityText");
        QTest::addColumn<QString>("pressureText");
        QTest::newRow("texts") << QJsonValue("55") << QJsonValue("1013") << " Páratartalom 55 %  "
                               << " Légnyomas 1013 hPa  ";
        QTest::newRow("numbers") << QJsonValue(55.5) << QJsonValue(1013) << " Páratartalom 55.5 %  "
                                 << " Légnyomas 1013 hPa  ";
        QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << QJsonValue(QJsonValue::Null)
                                << " Páratartalom – %  "
                                << " Légnyomas – hPa  ";
    }
    void formatsTheReply() {
        QFETCH(QJsonValue, humidity);
        QFETCH(QJsonValue, pressure);
        PageHarness h;
        auto page = h.load<Kulso>();
        h.model().KulsoHum = humidity;
        h.model().KulsoNyomas = pressure;
        h.model().Kapu1Lakat = false;
        h.model().Kapu2Lakat = true;
        h.model().Connected = true;
        h.scheduler.advance(3.0);
        QTEST(page->KulsoHumLabel->text(), "humidityText");
        QTEST(page->KulsoLegnyomas->text(), "pressureText");
        QVERIFY(page->KulsoHumLabel->isHidden());
        QCOMPARE(page->Kapu1->image(), QStringLiteral("lakat1ki.png"));
        QCOMPARE(page->Kapu2->image(), QStringLiteral("lakatbe2.png"));
        QVERIFY(page->ConnectionImage->isHidden());
        QVERIFY(page->Kapu1->isEnabled());
    }

    void refreshWaitsWhileACommandSettles() {
        PageHarness h;
        auto page = h.load<Kulso>();
        h.model().KulsoTmp = QJsonValue("12");
        h.model().CommandInFlight = true;
        h.scheduler.advance(3.0);
        QCOMPARE(page->KulsoTmpLabel->text(), QStringLiteral(" Hőmérséklet 0.0 °C "));
        h.model().CommandInFlight = false;
        h.scheduler.advance(3.0);
        QCOMPARE(page->KulsoTmpLabel->text(), QStringLiteral(" Hőmérséklet 12 °C "));
    }

    void gatePress_data() {
        QTest::addColumn<int>("gate");
        QTest::addColumn<double>("held");
        QTest::addColumn<QString>("command");
        QTest::addColumn<double>("holdTime");
        QTest::newRow("gate 1 too short") << 1 << 1.9 << QString() << 0.0;
        QTest::newRow("gate 1") << 1 << 2.0 << "?dt=kapu:K1" << 3.0;
        QTest::newRow("gate 2 too short") << 2 << 1.9 << QString() << 0.0;
        QTest::newRow("gate 2") << 2 << 2.0 << "?dt=kapu:K2" << 5.0;
    }
    void gatePress() {
        QFETCH(int, gate);
        QFETCH(double, held);
        QFETCH(QString, command);
        QFETCH(double, holdTime);
        PageHarness h;
        auto page = connectedPage(h);
        Button* button = gate == 1 ? page->Kapu1 : page->Kapu2;
        button->touchDown(QPointF(10, 10));
        h.scheduler.advance(held);
        QCOMPARE(page->OKLabel->isHidden(), command.isEmpty());
        button->touchUp();
        QVERIFY(page->OKLabel->isHidden());
        if (command.isEmpty()) {
            QVERIFY(h.sent().isEmpty());
            QVERIFY(!h.model().CommandInFlight);
            QVERIFY(button->isEnabled());
            return;
        }
        QCOMPARE(h.sent(), QStringList{command});
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(page->KulsoSpiner->isAnimating());
        QVERIFY(!button->isEnabled());
        h.scheduler.advance(holdTime - 0.01);
        QVERIFY(!button->isEnabled());
        h.scheduler.advance(0.01);
        QVERIFY(button->isEnabled());
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(!page->KulsoSpiner->isAnimating());
    }

    void movingAwayBeforeTheDurationSendsNothing() {
        PageHarness h;
        auto page = connectedPage(h);
        page->Kapu1->touchDown(QPointF(10, 10));
        h.scheduler.advance(1.0);
        page->Kapu1->touchMove(QPointF(10, 31));
        h.scheduler.advance(1.5);
        page->Kapu1->touchUp();
        QVERIFY(page->OKLabel->isHidden());
        QVERIFY(h.sent().isEmpty());
    }

    void cancelledAfterArmingHidesTheSignAndSendsNothing() {
        PageHarness h;
        auto page = connectedPage(h);
        page->Kapu2->touchDown(QPointF(10, 10));
        h.scheduler.advance(2.5);
        QVERIFY(!page->OKLabel->isHidden());
        page->Kapu2->touchCancel();
        QVERIFY(page->OKLabel->isHidden());
        QVERIFY(h.sent().isEmpty());
        QVERIFY(!h.model().CommandInFlight);
    }

    void disconnectedGatesIgnorePresses() {
        PageHarness h;
        auto page = h.load<Kulso>();
        press(h, page->Kapu1, 2.5);
        QVERIFY(h.sent().isEmpty());
        QVERIFY(page->OKLabel->isHidden());
    }

    void overlappingGateHoldsShareTheFlagAndSpinner() {
        PageHarness h;
        auto page = connectedPage(h);
        press(h, page->Kapu2, 2.0); // released at t = 2
        h.scheduler.advance(1.0);
        QVERIFY(page->Kapu1->isEnabled());
        page->Kapu1->touchDown(QPointF(5, 5));
        h.scheduler.advance(2.0);
        page->Kapu1->touchUp(); // released at t = 5... gate 2 ends at 7, gate 1 at 8
        QCOMPARE(h.sent(), (QStringList{"?dt=kapu:K2", "?dt=kapu:K1"}));
        h.scheduler.advance(2.0); // t = 7: gate 2's hold ends first
        QVERIFY(page->Kapu2->isEnabled());
        QVERIFY(!page->Kapu1->isEnabled());
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(!page->KulsoSpiner->isAnimating());
        h.scheduler.advance(1.0); // t = 8
        QVERIFY(page->Kapu1->isEnabled());
    }
};

QTEST_GUILESS_MAIN(KulsoTest)
#include "tst_kulso.moc"
