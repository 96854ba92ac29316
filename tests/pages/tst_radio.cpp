#include "PageHarness.h"
#include "pages/home/Radio.h"

#include <QtTest>

#include <limits>

using namespace otthon;
using namespace otthon::testing;

namespace {

QStringList stations(int n) {
    QStringList names;
    for (int i = 0; i < n; ++i)
        names.append(QStringLiteral("Adó %1").arg(i));
    return names;
}

// A connected page tuned to station 2 of 5 at volume 30.
struct Tuned {
    explicit Tuned(qint64 radioBe = 1) {
        StatusModel& m = h.model();
        m.RadioAdoLista = stations(5);
        m.RadioAdo = 2;
        m.RadioHangero = 30;
        m.RadioBe = radioBe;
        page = h.load<Radio>();
    }
    PageHarness h{true};
    std::unique_ptr<Radio> page;
};

} // namespace

class RadioTest : public QObject {
    Q_OBJECT

private slots:
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
        QFETCH(int, row);
        QFETCH(QString, index);
        Tuned t;
        t.h.model().RadioAdoLista = stations(n);
        t.h.model().RadioAdo = station;
        t.h.scheduler.advance(3.0);
        QCOMPARE(t.page->RadioAdok->selectedRow(), row);
        QCOMPARE(t.page->RadioAdok->title(row), QStringLiteral("Adó ") + index);
        QCOMPARE(t.page->RadioAdok->title(1199), QStringLiteral("Adó %1").arg(1199 % n));
        QVERIFY(t.page->RadioPlay->tap());
        QCOMPARE(t.h.sent(), QStringList{"?dt=radio:BE:30:" + index});
    }

    // The slider's value goes out rounded but is stored truncated; the end of the hold redraws from the
    // stored values at once.
    void playSendsRoundedStoresTruncated() {
        Tuned t(0);
        QVERIFY(t.page->RadioAdok->pick(603));
        QVERIFY(t.page->RadioSlider->slide(42.7));
        QCOMPARE(t.page->RadioVolume->text(), QStringLiteral(" 43⁒"));
        QVERIFY(t.page->RadioPlay->tap());
        QCOMPARE(t.h.sent(), QStringList{"?dt=radio:BE:43:3"});
        QCOMPARE(t.h.model().RadioHangero, 42);
        QCOMPARE(t.h.model().RadioAdo, 3);
        QVERIFY(!t.page->RadioAdok->isInteractive());
        t.h.scheduler.advance(3.0);
        QCOMPARE(t.page->RadioVolume->text(), QStringLiteral(" 42⁒"));
        QCOMPARE(t.page->RadioAdok->selectedRow(), 603);
        QVERIFY(t.page->RadioStop->isEnabled());
    }

    // Without stations there is nothing to play, also after a hold ends; a reply with stations brings play
    // back.
    void emptyStationList() {
        Tuned t;
        t.h.model().RadioAdoLista.clear();
        t.h.scheduler.advance(3.0);
        QCOMPARE(t.page->RadioAdok->title(602), QString());
        QVERIFY(!t.page->RadioPlay->isEnabled());
        QVERIFY(t.page->RadioAdok->pick(700));
        QCOMPARE(t.h.state.RadioAdoText, QString());
        QVERIFY(t.page->RadioStop->tap());
        t.h.scheduler.advance(3.0);
        QVERIFY(!t.page->RadioPlay->tap());
        QCOMPARE(t.h.sent(), QStringList{"?dt=radio:KI"});
        t.h.model().RadioAdoLista = stations(3);
        t.h.scheduler.advance(3.0);
        QVERIFY(t.page->RadioPlay->isEnabled());
        QCOMPARE(t.h.state.RadioAdoText, QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(RadioTest)
#include "tst_radio.moc"
