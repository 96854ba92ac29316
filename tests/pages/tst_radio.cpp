#include "PageHarness.h"
#include "pages/home/Radio.h"

#include <QtTest>

#include <limits>

using namespace otthon;
using namespace otthon::testing;

class RadioTest : public QObject {
    Q_OBJECT

    static QStringList stations(int n) {
        QStringList names;
        for (int i = 0; i < n; ++i)
            names.append(QStringLiteral("Adó %1").arg(i));
        return names;
    }

    static std::unique_ptr<Radio> connectedPage(PageHarness& h, qint64 radioBe = 1) {
        StatusModel& m = h.model();
        m.Connected = true;
        m.RadioAdoLista = stations(5);
        m.RadioAdo = 2;
        m.RadioHangero = 30;
        m.RadioBe = radioBe;
        return h.load<Radio>();
    }

    // Whether the buttons are enabled and the wheel and the slider take touches, each as 0 or 1.
    static QString controls(const Radio& page) {
        QString states;
        for (const ViewElement* button : QList<ViewElement*>{page.RadioUp, page.RadioDown, page.RadioVolume,
                                                             page.RadioPlay, page.RadioStop})
            states += button->isEnabled() ? '1' : '0';
        for (const ViewElement* touched : QList<ViewElement*>{page.RadioAdok, page.RadioSlider})
            states += touched->isInteractive() ? '1' : '0';
        return states;
    }

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
        PageHarness h;
        auto page = connectedPage(h);
        h.model().RadioAdoLista = stations(n);
        h.model().RadioAdo = station;
        h.scheduler.advance(3.0);
        QCOMPARE(page->RadioAdok->selectedRow(), row);
        QCOMPARE(page->RadioAdok->title(row), QStringLiteral("Adó ") + index);
        QCOMPARE(page->RadioAdok->title(1199), QStringLiteral("Adó %1").arg(1199 % n));
        QVERIFY(page->RadioPlay->tap());
        QCOMPARE(h.sent(), QStringList{"?dt=radio:BE:30:" + index});
    }

    // The label shows the model's volume, a 0 with its digit; up and down stop at the ends.
    void volumeStepAtTheBound_data() {
        QTest::addColumn<qint64>("volume");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("label");
        QTest::newRow("up below max") << qint64(99) << true << " 100⁒";
        QTest::newRow("up at max") << qint64(100) << true << " 100⁒";
        QTest::newRow("down above min") << qint64(1) << false << " 0⁒";
        QTest::newRow("down at min") << qint64(0) << false << " 0⁒";
    }
    void volumeStepAtTheBound() {
        QFETCH(qint64, volume);
        QFETCH(bool, up);
        PageHarness h;
        auto page = connectedPage(h);
        h.model().RadioHangero = volume;
        h.scheduler.advance(3.0);
        QCOMPARE(page->RadioVolume->text(), QStringLiteral(" %1⁒").arg(volume));
        QCOMPARE(page->RadioSlider->value(), float(volume));
        QVERIFY((up ? page->RadioUp : page->RadioDown)->tap());
        QTEST(page->RadioVolume->text(), "label");
        QCOMPARE(h.model().CommandInFlight, volume != 0 && volume != 100);
        QCOMPARE(h.model().RadioHangero, volume); // only play writes the model
        QVERIFY(h.sent().isEmpty());
    }

    // The slider's value goes out rounded, but is stored truncated.
    void playSendsRoundedStoresTruncated_data() {
        QTest::addColumn<double>("dragged");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<qint64>("stored");
        QTest::newRow("42.7") << 42.7 << "43" << qint64(42);
    }
    void playSendsRoundedStoresTruncated() {
        QFETCH(double, dragged);
        QFETCH(QString, sent);
        QFETCH(qint64, stored);
        PageHarness h;
        auto page = connectedPage(h, 0);
        QVERIFY(page->RadioAdok->pick(603));
        QVERIFY(page->RadioSlider->slide(dragged));
        QCOMPARE(page->RadioVolume->text(), " " + sent + "⁒");
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(page->RadioPlay->tap());
        QCOMPARE(h.sent(), QStringList{"?dt=radio:BE:" + sent + ":3"});
        QCOMPARE(h.model().RadioHangero, stored);
        QCOMPARE(h.model().RadioAdo, 3);
        QCOMPARE(h.model().RadioBe, 1);
        QVERIFY(page->RadioIndicator->isAnimating());
        QCOMPARE(controls(*page), QStringLiteral("0000000"));
        h.scheduler.advance(3.0);
        // The end of the hold redraws from the stored values at once.
        QVERIFY(!h.model().CommandInFlight);
        QCOMPARE(page->RadioVolume->text(), QStringLiteral(" %1⁒").arg(stored));
        QCOMPARE(page->RadioAdok->selectedRow(), 603);
        QCOMPARE(controls(*page), QStringLiteral("1111111"));
    }

    void stopLeavesStopDisabled() {
        PageHarness h;
        auto page = connectedPage(h, 1);
        QVERIFY(page->RadioStop->tap());
        QCOMPARE(h.sent(), QStringList{"?dt=radio:KI"});
        QCOMPARE(h.model().RadioBe, 0);
        QVERIFY(h.model().CommandInFlight);
        QCOMPARE(controls(*page), QStringLiteral("0000000"));
        h.scheduler.advance(3.0);
        QVERIFY(!h.model().CommandInFlight);
        QCOMPARE(controls(*page), QStringLiteral("1111011"));
    }

    void stopFollowsRadioBe_data() {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<qint64>("radioBe");
        QTest::addColumn<QString>("controls");
        QTest::newRow("connected, stopped") << true << qint64(0) << "1111011";
        QTest::newRow("connected, playing") << true << qint64(1) << "1111111";
        QTest::newRow("link down, playing") << false << qint64(1) << "0000000";
    }
    void stopFollowsRadioBe() {
        QFETCH(bool, connected);
        QFETCH(qint64, radioBe);
        PageHarness h;
        auto page = connectedPage(h, 1 - radioBe);
        h.model().Connected = connected;
        h.model().RadioBe = radioBe;
        h.scheduler.advance(3.0);
        QTEST(controls(*page), "controls");
    }

    void emptyStationList() {
        PageHarness h;
        auto page = connectedPage(h);
        h.model().RadioAdoLista.clear();
        h.scheduler.advance(3.0);
        QCOMPARE(page->RadioAdok->title(602), QString());
        QCOMPARE(h.state.RadioAdoText, QString());
        QCOMPARE(controls(*page), QStringLiteral("1110111"));
        QVERIFY(page->RadioAdok->pick(700)); // turning the wheel chooses nothing
        QCOMPARE(h.state.RadioAdoText, QString());
        // A stop's hold re-enables play through the gate, but its redraw disables it again.
        QVERIFY(page->RadioStop->tap());
        h.scheduler.advance(3.0);
        QVERIFY(!page->RadioPlay->tap());
        QCOMPARE(h.sent(), QStringList{"?dt=radio:KI"});
        // A reply with stations brings play back.
        h.model().RadioAdoLista = stations(3);
        h.scheduler.advance(3.0);
        QVERIFY(page->RadioPlay->isEnabled());
        QCOMPARE(page->RadioAdok->title(602), QStringLiteral("Adó 2"));
        QCOMPARE(h.state.RadioAdoText, QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(RadioTest)
#include "tst_radio.moc"
