#include "PageHarness.h"
#include "pages/home/Radio.h"

#include <QtTest>

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

    static QList<ViewElement*> buttons(const Radio& page) {
        return {page.RadioUp, page.RadioDown, page.RadioVolume, page.RadioPlay, page.RadioStop};
    }

private slots:
    void beforeTheFirstReply() {
        PageHarness h;
        auto page = h.load<Radio>();
        QCOMPARE(page->className(), QStringLiteral("Radio"));
        QCOMPARE(page->restorationIdentifier(), QStringLiteral("Rádió"));
        QCOMPARE(page->background(), QStringLiteral("sound.png"));
        QCOMPARE(page->RadioAdok->rowCount(), 1200);
        QCOMPARE(page->RadioAdok->selectedRow(), 601);
        QCOMPARE(page->RadioAdok->title(601), QStringLiteral("Nincs kapcsolat"));
        QCOMPARE(h.state.RadioAdoText, QStringLiteral("1"));
        QCOMPARE(page->RadioVolume->text(), QStringLiteral(" 0⁒"));
        QVERIFY(!page->connectionImage()->isHidden());
        for (ViewElement* button : buttons(*page))
            QVERIFY(!button->isEnabled());
        QVERIFY(!page->RadioAdok->isInteractive());
        QVERIFY(!page->RadioSlider->isInteractive());
        QVERIFY(!page->RadioAdok->pick(603));
        QCOMPARE(page->RadioSlider->rotation(), 270.0);
        QCOMPARE(page->RadioHead->backgroundColor(), ControlPage::headBackground());
    }

    void volumeLabel_data() {
        QTest::addColumn<qint64>("volume");
        QTest::addColumn<QString>("label");
        QTest::newRow("zero shows its digit") << qint64(0) << " 0⁒";
        QTest::newRow("35") << qint64(35) << " 35⁒";
        QTest::newRow("100") << qint64(100) << " 100⁒";
    }
    void volumeLabel() {
        QFETCH(qint64, volume);
        PageHarness h;
        auto page = connectedPage(h);
        h.model().RadioHangero = volume;
        h.scheduler.advance(3.0);
        QTEST(page->RadioVolume->text(), "label");
        QCOMPARE(page->RadioSlider->value(), float(volume));
    }

    void wheelPosition_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<qint64>("station");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("index");
        QTest::newRow("5 stations") << 5 << qint64(2) << 602 << "2";
        QTest::newRow("7 does not divide 600") << 7 << qint64(3) << 603 << "1"; // 603 = 86 * 7 + 1
        QTest::newRow("11 does not divide 600") << 11 << qint64(0) << 600 << "6";
        QTest::newRow("station beyond the list") << 4 << qint64(9) << 609 << "1";
    }
    void wheelPosition() {
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
        QCOMPARE(h.state.RadioAdoText, index);
        QCOMPARE(page->RadioAdok->title(row), QStringLiteral("Adó ") + index);
        QCOMPARE(page->RadioAdok->title(1199), QStringLiteral("Adó %1").arg(1199 % n));
    }

    void volumeStepAtTheBound_data() {
        QTest::addColumn<qint64>("volume");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<QString>("label");
        QTest::newRow("up below max") << qint64(99) << true << true << " 100⁒";
        QTest::newRow("up at max") << qint64(100) << true << false << " 100⁒";
        QTest::newRow("down above min") << qint64(1) << false << true << " 0⁒";
        QTest::newRow("down at min") << qint64(0) << false << false << " 0⁒";
    }
    void volumeStepAtTheBound() {
        QFETCH(qint64, volume);
        QFETCH(bool, up);
        QFETCH(bool, changes);
        PageHarness h;
        auto page = connectedPage(h);
        h.model().RadioHangero = volume;
        h.scheduler.advance(3.0);
        QVERIFY((up ? page->RadioUp : page->RadioDown)->tap());
        QCOMPARE(h.model().CommandInFlight, changes);
        QTEST(page->RadioVolume->text(), "label");
        QCOMPARE(h.model().RadioHangero, volume); // only play writes the model
        QVERIFY(h.sent().isEmpty());
    }

    void playSendsRoundedStoresTruncated_data() {
        QTest::addColumn<double>("dragged");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("command");
        QTest::addColumn<qint64>("stored");
        QTest::newRow("42.7") << 42.7 << " 43⁒"
                              << "?dt=radio:BE:43:3" << qint64(42);
        QTest::newRow("42.5 tie to even") << 42.5 << " 42⁒"
                                          << "?dt=radio:BE:42:3" << qint64(42);
        QTest::newRow("43.5 tie to even") << 43.5 << " 44⁒"
                                          << "?dt=radio:BE:44:3" << qint64(43);
        QTest::newRow("0.4") << 0.4 << " 0⁒"
                             << "?dt=radio:BE:0:3" << qint64(0);
    }
    void playSendsRoundedStoresTruncated() {
        QFETCH(double, dragged);
        QFETCH(QString, command);
        QFETCH(qint64, stored);
        PageHarness h;
        auto page = connectedPage(h, 0);
        QVERIFY(page->RadioAdok->pick(603));
        QVERIFY(page->RadioSlider->slide(dragged));
        QTEST(page->RadioVolume->text(), "label");
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(page->RadioPlay->tap());
        QCOMPARE(h.sent(), QStringList{command});
        QCOMPARE(h.model().RadioHangero, stored);
        QCOMPARE(h.model().RadioAdo, 3);
        QCOMPARE(h.model().RadioBe, 1);
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(!h.state.RadioReady);
        QVERIFY(page->RadioIndicator->isAnimating());
        for (ViewElement* button : buttons(*page))
            QVERIFY(!button->isEnabled());
        QVERIFY(!page->RadioAdok->isInteractive());
        QVERIFY(!page->RadioSlider->isInteractive());
        h.scheduler.advance(3.0);
        // The end of the hold redraws from the stored values at once.
        QVERIFY(h.state.RadioReady);
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(!page->RadioIndicator->isAnimating());
        QCOMPARE(page->RadioVolume->text(), " " + QString::number(stored) + "⁒");
        QCOMPARE(page->RadioAdok->selectedRow(), 603);
        for (ViewElement* button : buttons(*page))
            QVERIFY(button->isEnabled());
        QVERIFY(page->RadioAdok->isInteractive());
    }

    void stopLeavesStopDisabled() {
        PageHarness h;
        auto page = connectedPage(h, 1);
        QVERIFY(page->RadioStop->isEnabled());
        QVERIFY(page->RadioStop->tap());
        QCOMPARE(h.sent(), QStringList{"?dt=radio:KI"});
        QCOMPARE(h.model().RadioBe, 0);
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(!h.state.RadioReady);
        QVERIFY(page->RadioIndicator->isAnimating());
        QVERIFY(!page->RadioPlay->isEnabled());
        h.scheduler.advance(3.0);
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(page->RadioPlay->isEnabled());
        QVERIFY(!page->RadioStop->isEnabled());
        h.scheduler.advance(30.0);
        QVERIFY(!page->RadioStop->isEnabled());
        QCOMPARE(h.sent().size(), 1);
    }

    void stopFollowsRadioBe_data() {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<qint64>("radioBe");
        QTest::addColumn<bool>("stopEnabled");
        QTest::newRow("connected, stopped") << true << qint64(0) << false;
        QTest::newRow("connected, playing") << true << qint64(1) << true;
        QTest::newRow("link down, playing") << false << qint64(1) << false;
    }
    void stopFollowsRadioBe() {
        QFETCH(bool, connected);
        QFETCH(qint64, radioBe);
        PageHarness h;
        auto page = connectedPage(h, 1 - radioBe);
        h.model().Connected = connected;
        h.model().RadioBe = radioBe;
        h.scheduler.advance(3.0);
        QTEST(page->RadioStop->isEnabled(), "stopEnabled");
        for (ViewElement* button : {page->RadioUp, page->RadioDown, page->RadioPlay})
            QCOMPARE(button->isEnabled(), connected);
        QCOMPARE(page->RadioVolume->isEnabled(), connected);
        QCOMPARE(page->RadioAdok->isInteractive(), connected);
        QCOMPARE(page->RadioSlider->isInteractive(), connected);
    }

    void emptyStationList() {
        PageHarness h;
        auto page = connectedPage(h);
        h.model().RadioAdoLista.clear();
        h.scheduler.advance(3.0);
        QCOMPARE(page->RadioAdok->title(602), QString());
        QCOMPARE(page->RadioAdok->title(0), QString());
        QCOMPARE(h.state.RadioAdoText, QString());
        QVERIFY(!page->RadioPlay->isEnabled());
        QVERIFY(page->RadioStop->isEnabled());
        QVERIFY(page->RadioAdok->pick(700)); // turning the wheel chooses nothing
        QCOMPARE(h.state.RadioAdoText, QString());
        // A stop's hold re-enables play through the gate, but its redraw disables it again.
        QVERIFY(page->RadioStop->tap());
        h.scheduler.advance(3.0);
        QVERIFY(!page->RadioPlay->isEnabled());
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
