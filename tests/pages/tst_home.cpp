#include "pages/outside/Kulso.h"
#include "pages/radio/Radio.h"
#include "pages/thermostat/Nappali.h"
#include "support/PageHarness.h"

#include <QtTest>

#include <limits>

using namespace otthon;
using namespace otthon::testing;

namespace {

// A connected living room page at 24 °C, cooling.
struct Room {
    Room() { h.model().NappaliSetTmp = 24, h.model().NappaliFutesBe = false, page = h.load<Nappali>(); }
    PageHarness h{true};
    std::unique_ptr<Nappali> page;
};

QStringList stations(int n) {
    QStringList names;
    for (int i = 0; i < n; ++i)
        names.append(QStringLiteral("Adó %1").arg(i));
    return names;
}

// A connected page tuned to station 2 of 5 at volume 30.
struct Tuned {
    Tuned() {
        h.model().RadioAdoLista = stations(5);
        h.model().RadioAdo = 2;
        h.model().RadioHangero = 30;
        page = h.load<Radio>();
    }
    PageHarness h{true};
    std::unique_ptr<Radio> page;
};

} // namespace

// The outside page, the two thermostats and the radio.
class HomeTest : public QObject {
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

    // Before the first reply nothing is shown as known: numbers are dashes, the gates neither open nor
    // locked.
    void nothingKnownBeforeTheFirstReply() {
        PageHarness h;
        auto outside = h.load<Kulso>();
        QCOMPARE(outside->KulsoTmpLabel->text(), QStringLiteral(" Hőmérséklet – °C "));
        QCOMPARE(outside->Kapu1->image() + outside->Kapu2->image(), QStringLiteral("lakat1.pnglakat2.png"));
        QCOMPARE(outside->ConnectionImage->caption(), QStringLiteral("Még nincs adat"));
        QCOMPARE(h.load<Nappali>()->TmpTxt->text(), QStringLiteral(" – °C "));
        QCOMPARE(h.load<Radio>()->RadioVolume->text(), QStringLiteral(" –⁒"));
    }

    // A reply during a draft redraws the page but leaves the user's value; one during the hold leaves the
    // controls locked.
    void repliesRedrawAroundDraftAndHold() {
        Room r;
        QVERIFY(r.page->PluszBtn->tap());
        r.h.model().NappaliSetTmp = 30;
        r.h.model().NappaliTmp = QJsonValue("19.5");
        r.h.linkChanged();
        QCOMPARE(r.page->TmpTxt->text(), QStringLiteral(" 25 °C "));
        QCOMPARE(r.page->TmpDB->text(), QStringLiteral(" Hőmérséklet 19.5 °C "));
        QVERIFY(r.page->TmpBtn->tap());
        r.h.linkChanged();
        QVERIFY(!r.page->TmpBtn->isEnabled() && !r.page->PluszBtn->isEnabled());
        r.h.scheduler.advance(3.0);
        QVERIFY(r.page->TmpBtn->isEnabled());
    }

    // A page that goes mid-hold or mid-question sends nothing more, and the lock still ends.
    void aPageGoneOnlyEndsTheLock() {
        Room r;
        QVERIFY(r.page->Futes->toggle(true)); // the question is up
        QVERIFY(r.page->TmpBtn->tap());       // and an apply holds
        r.page.reset();
        r.h.scheduler.advance(3.0);
        QVERIFY(r.h.state.NappaliReady);
        QVERIFY(!r.h.model().CommandInFlight());
        r.h.model().Draft = true;
        QVERIFY(r.h.alerts.press(1));
        QVERIFY(!r.h.model().CommandInFlight());
        QCOMPARE(r.h.sent().size(), 1);
    }

    // The wheel opens on the first row from 600 on that shows the model's station, and play sends the station
    // the user sees, whatever the list's length and whatever integer the controller sent.
    void wheelShowsAndPlaysTheModelsStation_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<qint64>("station");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("index");
        QTest::newRow("5 divides 600") << 5 << qint64(4) << 604 << "4";
        QTest::newRow("7 does not divide 600") << 7 << qint64(3) << 605 << "3";
        QTest::newRow("11 does not divide 600") << 11 << qint64(0) << 605 << "0";
        QTest::newRow("station beyond the list wraps") << 4 << qint64(9) << 601 << "1";
        QTest::newRow("64-bit maximum") << 11 << std::numeric_limits<qint64>::max() << 601 << "7";
        QTest::newRow("64-bit minimum") << 11 << std::numeric_limits<qint64>::min() << 608 << "3";
    }
    void wheelShowsAndPlaysTheModelsStation() {
        QFETCH(int, n);
        QFETCH(qint64, station);
        QFETCH(QString, index);
        Tuned t;
        t.h.model().RadioAdoLista = stations(n);
        t.h.model().RadioAdo = station;
        t.h.scheduler.advance(3.0);
        QTEST(t.page->RadioAdok->selectedRow(), "row");
        QCOMPARE(t.page->RadioAdok->title(t.page->RadioAdok->selectedRow()), QStringLiteral("Adó ") + index);
        QCOMPARE(t.page->RadioAdok->title(1199), QStringLiteral("Adó %1").arg(1199 % n));
        QVERIFY(t.page->RadioPlay->tap());
        QCOMPARE(t.h.sent(), QStringList{"?dt=radio:BE:30:" + index});
    }

    // Without stations there is nothing to play, also after a hold ends.
    void emptyStationList() {
        Tuned t;
        t.h.model().RadioAdoLista.clear();
        t.h.model().RadioBe = 1;
        t.h.scheduler.advance(3.0);
        QCOMPARE(t.page->RadioAdok->title(602), QString());
        QVERIFY(!t.page->RadioPlay->isEnabled());
        QVERIFY(t.page->RadioAdok->pick(700));
        QCOMPARE(t.h.state.RadioAdoText, QString());
        QVERIFY(t.page->RadioStop->tap());
        t.h.scheduler.advance(3.0);
        QVERIFY(!t.page->RadioPlay->tap());
        QCOMPARE(t.h.sent(), QStringList{"?dt=radio:KI"});
    }
};

QTEST_GUILESS_MAIN(HomeTest)
#include "tst_home.moc"
