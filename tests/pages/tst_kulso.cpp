#include "PageHarness.h"
#include "pages/home/Kulso.h"

#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

class KulsoTest : public QObject {
    Q_OBJECT

private slots:
    // Numbers as the controller sent them, a dash for what it left out, the gates' locks as pictures.
    void formatsTheReply() {
        PageHarness h(true);
        h.model().KulsoHum = QJsonValue(55.5);
        h.model().KulsoNyomas = QJsonValue(QJsonValue::Null);
        h.model().Kapu1Lakat = false;
        h.model().Kapu2Lakat = true;
        auto page = h.load<Kulso>();
        QCOMPARE(page->KulsoHumLabel->text(), QStringLiteral(" Páratartalom 55.5 %  "));
        QCOMPARE(page->KulsoLegnyomas->text(), QStringLiteral(" Légnyomas – hPa  "));
        QCOMPARE(page->Kapu1->image(), QStringLiteral("lakat1ki.png"));
        QCOMPARE(page->Kapu2->image(), QStringLiteral("lakatbe2.png"));
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

    // Gate 2 holds for 5 s; a press cancelled after it was armed takes the sign back and sends nothing.
    void gatePress_data() {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("released") << false;
        QTest::newRow("cancelled") << true;
    }
    void gatePress() {
        QFETCH(bool, cancelled);
        PageHarness h(true);
        auto page = h.load<Kulso>();
        page->Kapu2->touchDown(QPointF(10, 10));
        h.scheduler.advance(2.5);
        QVERIFY(!page->OKLabel->isHidden());
        cancelled ? page->Kapu2->touchCancel() : void(page->Kapu2->touchUp());
        QVERIFY(page->OKLabel->isHidden());
        QCOMPARE(h.sent(), cancelled ? QStringList() : QStringList{"?dt=kapu:K2"});
        QCOMPARE(h.model().CommandInFlight, !cancelled);
        h.scheduler.advance(4.99);
        QCOMPARE(page->Kapu2->isEnabled(), cancelled);
        h.scheduler.advance(0.01);
        QVERIFY(page->Kapu2->isEnabled());
        QVERIFY(!h.model().CommandInFlight);
    }
};

QTEST_GUILESS_MAIN(KulsoTest)
#include "tst_kulso.moc"
