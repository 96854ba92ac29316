#include "PageHarness.h"
#include "pages/irrigation/OntozoBeallitasok.h"
#include "pages/irrigation/OntozoKiBe.h"
#include "pages/irrigation/OntozoOsszefoglalas.h"
#include "pages/irrigation/OntozoTable.h"
#include "pages/irrigation/OntozoViewController.h"
#include "support/SampleReply.h"

#include <QRandomGenerator>
#include <QtTest>

#include <set>

using namespace otthon;
using namespace otthon::testing;

namespace {

// A reply whose irrigation schedule (element 1) is `schedule` and whose eight irrigation switches (element 3
// rows 2 to 9) are `switches`.
QJsonArray withIrrigation(const QJsonValue& schedule, const QJsonArray& switches = {}) {
    QJsonArray document = sampleReply();
    document.replace(1, schedule);
    QJsonArray rows = document.at(3).toArray();
    for (qsizetype i = 0; i < switches.size(); ++i) {
        QJsonArray cells = rows.at(2 + i).toArray();
        cells.replace(2, switches.at(i));
        rows.replace(2 + i, cells);
    }
    document.replace(3, rows);
    return document;
}

QJsonArray slot(const QJsonValue& zone, const QJsonValue& start, const QJsonValue& duration) {
    return {zone, start, duration};
}

QStringList texts(const Table& table) {
    QStringList rows;
    for (const TableRow& row : table.rows())
        rows.append(row.text);
    return rows;
}

// The clash lines and the totals the minute-by-minute reading gives, for schedules of small numbers.
std::pair<QString, QStringList> minuteByMinute(const QJsonArray& schedule, const StatusModel& model) {
    std::set<qint64> occupied;
    QString clashes;
    QList<qint64> totals(6, 0);
    for (qsizetype i = 0; i < schedule.size(); ++i) {
        const QJsonArray row = schedule.at(i).toArray();
        const QStringList start = row.at(1).toString().split(u':');
        const qint64 duration = row.at(2).toString().toLongLong();
        bool clash = false;
        for (qint64 j = 0; j < duration; ++j)
            clash = !occupied.insert(start.at(0).toLongLong() * 60 + start.at(1).toLongLong() + j).second ||
                    clash;
        const qsizetype zone = model.ZonaKodok.indexOf(row.at(0).toString());
        if (clash)
            clashes += QStringLiteral("Időpont %1 %2\n").arg(i + 1).arg(model.ZonaNevek.at(zone));
        totals[zone] += duration;
    }
    QStringList shown;
    for (qint64 total : totals)
        shown.append(QString::number(total));
    return {clashes.isEmpty() ? QStringLiteral("Nincsen") : clashes, shown};
}

} // namespace

Q_DECLARE_METATYPE(QJsonValue)

class IrrigationTest : public QObject {
    Q_OBJECT

    static std::unique_ptr<OntozoOsszefoglalas> summary(PageHarness& h, const QJsonValue& schedule) {
        h.model().StatusDocument = StatusTree(withIrrigation(schedule));
        return h.load<OntozoOsszefoglalas>();
    }
    static QStringList totals(const OntozoOsszefoglalas& page) {
        QStringList shown;
        for (const Label* label : page.totals())
            shown.append(label->text());
        return shown;
    }

private slots:
    // Zone switching is refused while it rains; everything waits for the link. The page follows the model on
    // every tick, also while a command is settling.
    void pageFollowsRainAndLink_data() {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("rain");
        QTest::newRow("before any reply") << false << false;
        QTest::newRow("raining") << true << true;
        QTest::newRow("dry") << true << false;
    }
    void pageFollowsRainAndLink() {
        QFETCH(bool, connected);
        QFETCH(bool, rain);
        PageHarness h;
        h.model().Connected = true;
        auto page = h.load<OntozoViewController>();
        QVERIFY(page->OntozoBeKi->isEnabled());
        h.model().Connected = connected;
        h.model().Rain = rain;
        h.model().CommandInFlight = true;
        h.scheduler.advance(3.0);
        QCOMPARE(page->RainImage->isHidden(), !rain);
        QCOMPARE(page->ConnectionImage->isHidden(), connected);
        QCOMPARE(page->OntozoOsszefoglalas->isEnabled(), connected);
        QCOMPARE(page->OntozoBeallitas->isEnabled(), connected);
        QCOMPARE(page->OntozoBeKi->isEnabled(), connected && !rain);
    }

    // Each action applies the switching rules to the copy taken at load and sends all eight switches; the
    // controls are held for 3 s, then master and zones are usable only while the whole irrigation is on.
    void switchingRules_data() {
        QTest::addColumn<QJsonArray>("before"); // whole, master, zones 1 to 6
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("sent");
        QTest::newRow("whole off") << QJsonArray{"1", "1", "0", "1", "0", "0", "0", "0"} << 0 << false
                                   << "?dt=Ontozosett:0:0:0:0:0:0:0:0";
        QTest::newRow("whole on keeps the rest") << QJsonArray{"0", "1", "0", "1", "0", "0", "0", "0"} << 0
                                                 << true << "?dt=Ontozosett:1:1:0:1:0:0:0:0";
        QTest::newRow("master on stops zone 2") << QJsonArray{"1", "0", "0", "1", "0", "0", "0", "0"} << 1
                                                << true << "?dt=Ontozosett:1:1:0:0:0:0:0:0";
        QTest::newRow("zone 5 on while zone 1 runs") << QJsonArray{"1", "1", "1", "0", "0", "0", "0", "0"}
                                                     << 6 << true << "?dt=Ontozosett:1:1:0:0:0:0:1:0";
        QTest::newRow("zone 4 off keeps the others") << QJsonArray{"1", "1", "1", "0", "0", "1", "0", "0"}
                                                     << 5 << false << "?dt=Ontozosett:1:0:1:0:0:0:0:0";
        // Entries count by their integer value: a bare number 0 is off, a boolean true on.
        QTest::newRow("numbers and booleans") << QJsonArray{0, true, 0, 1, "0", "0", "0", false} << 0 << true
                                              << "?dt=Ontozosett:1:1:0:1:0:0:0:0";
    }
    void switchingRules() {
        QFETCH(QJsonArray, before);
        QFETCH(int, position);
        QFETCH(bool, on);
        PageHarness h;
        h.model().StatusDocument = StatusTree(withIrrigation(QJsonValue(), before));
        auto page = h.load<OntozoKiBe>();
        const bool wholeOn = integerOf(before.at(0)) != 0;
        QCOMPARE(page->teljesOntozo->selectedIndex(), int(wholeOn));
        QCOMPARE(page->zona3->isEnabled(), wholeOn);
        QCOMPARE(page->Z6text->text(), QStringLiteral("  Utcai nagy"));

        bool touched = false;
        if (position < 2)
            touched = (position == 0 ? page->ZOsszes : page->ZMaster)->select(int(on));
        else
            touched = page->zoneSwitches()[size_t(position - 2)]->toggle(on);
        QVERIFY(touched);
        QTEST(h.sent().join(u' '), "sent");
        const QStringList fields = h.sent().constFirst().section(u':', 1).split(u':');
        QCOMPARE(page->ZOsszes->selectedIndex(), fields.at(0).toInt());
        QCOMPARE(page->ZMaster->selectedIndex(), fields.at(1).toInt());
        for (int k = 0; k < 6; ++k)
            QCOMPARE(page->zoneSwitches()[size_t(k)]->isOn(), fields.at(2 + k) == u'1');
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(page->ZonaKiBeSpiner->isAnimating());
        QVERIFY(!page->teljesOntozo->isEnabled());
        QVERIFY(!page->zona1->isEnabled());

        h.scheduler.advance(3.0);
        const bool nowOn = fields.at(0) == u'1';
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(h.state.OntozoKiBeReady);
        QVERIFY(!page->ZonaKiBeSpiner->isAnimating());
        QVERIFY(page->teljesOntozo->isEnabled());
        QCOMPARE(page->zonaMester->isEnabled(), nowOn);
        QCOMPARE(page->zona6->isEnabled(), nowOn);
    }

    // When the reply lacks a switch the page cannot know them: nothing can be touched, nothing is sent.
    void unknownSwitchesLockThePage() {
        PageHarness h;
        QJsonArray document = withIrrigation(QJsonValue(), {"1", "1", "0", "0", "0", "0", "0", "0"});
        QJsonArray switches = document.at(3).toArray();
        switches.removeLast();
        document.replace(3, switches);
        h.model().StatusDocument = StatusTree(document);
        auto page = h.load<OntozoKiBe>();
        QVERIFY(!page->ZOsszes->select(0));
        QVERIFY(!page->Z1->toggle(true));
        page->kapcs(OntozoKiBe::Whole, false);
        page->beallitas();
        QVERIFY(h.sent().isEmpty());
    }

    void listRowsNameTheirZones_data() {
        QTest::addColumn<QJsonArray>("schedule");
        QTest::addColumn<QStringList>("rows"); // in edit mode
        QTest::addColumn<QList<int>>("styles");
        const QString add = QString::fromUtf16(ScheduleList::AddText);
        const QString full = QString::fromUtf16(ScheduleList::CannotAddText);
        QTest::newRow("zones by name, a foreign code as it came")
            << QJsonArray{slot("Z2", "6:30", "15"), slot("Z5", "7:0", 20), slot("Z6", "8:0", "5"),
                          slot("Z9", "9:0", "5")}
            << QStringList{"1. Időpont / Zóna 2-6:30 15 /", "2. Időpont / Utcai kicsi-7:0 20 /",
                           "3. Időpont / Utcai nagy-8:0 5 /", "4. Időpont / Z9-9:0 5 /", add}
            << QList<int>{1, 1, 1, 1, 2};
        QTest::newRow("placeholder blocks adding")
            << QJsonArray{slot("Z1", "0:0", 0)} << QStringList{"1. Időpont / Zóna 1-0:0 0 /", full}
            << QList<int>{1, 0};
        QTest::newRow("another zone at 0:0 does not")
            << QJsonArray{slot("Z3", "0:0", "0")} << QStringList{"1. Időpont / Zóna 3-0:0 0 /", add}
            << QList<int>{1, 2};
        // Shown, but never put into a command.
        QTest::newRow("zone code with a colon")
            << QJsonArray{slot("Z1:x", "6:30", "15")} << QStringList{"1. Időpont / Z1:x-6:30 15 /", add}
            << QList<int>{0, 2};
    }
    void listRowsNameTheirZones() {
        QFETCH(QJsonArray, schedule);
        PageHarness h;
        h.model().StatusDocument = StatusTree(withIrrigation(schedule));
        auto page = h.load<OntozoTable>();
        QVERIFY(page->EditSwitch->toggle(true));
        QTEST(texts(*page->List), "rows");
        QList<int> styles;
        for (const TableRow& row : page->List->rows())
            styles.append(row.style);
        QTEST(styles, "styles");
    }

    void listOpensTheEditorOnlyOnAZoneOfTheWheel() {
        PageHarness h;
        h.model().StatusDocument =
            StatusTree(withIrrigation(QJsonArray{slot("Z2", "6:30", "15"), slot("Z9", "7:0", "5")}));
        auto page = h.load<OntozoTable>();
        QVERIFY(page->List->select(1));
        h.scheduler.runDue();
        QCOMPARE(h.navigation.depth(), 0);
        QVERIFY(page->List->select(0));
        h.scheduler.runDue();
        QCOMPARE(h.navigation.top()->className(), QStringLiteral("OntozoBeallitasok"));
    }

    void editorShowsAndSetsTheZone() {
        PageHarness h;
        h.model().StatusDocument = StatusTree(withIrrigation(
            QJsonArray{slot("Z2", "6:30", "15"), slot("Z6", "0:0", 0), slot("Z7", "6:30", "15")}));
        auto list = h.load<OntozoTable>();
        h.model().IdopontIndex = 1;
        QCOMPARE(h.load<OntozoBeallitasok>()->wheel(SlotPart::Zone)->selectedRow(), 605); // "Utcai nagy"
        h.model().IdopontIndex = 2; // a zone the wheel does not have: nothing to send
        QVERIFY(!h.load<OntozoBeallitasok>()->SetButton->tap());
        h.model().IdopontIndex = 0;
        auto editor = h.load<OntozoBeallitasok>();
        const QList<int> shown{601, 605, 629, 614}; // zone, hour, minute, duration
        for (int i = 0; i < 4; ++i)
            QCOMPARE(editor->wheelObjects().at(i)->property("selectedRow").toInt(), shown.at(i));

        QVERIFY(editor->wheel(SlotPart::Zone)->pick(602)); // "Zóna 3"
        QVERIFY(editor->wheel(SlotPart::Hour)->pick(606));
        QVERIFY(editor->wheel(SlotPart::Minute)->pick(604));
        QVERIFY(editor->wheel(SlotPart::Duration)->pick(619));
        QVERIFY(editor->SetButton->tap());
        QCOMPARE(h.sent(), QStringList{"?dt=Ontozoup:7:5:20:Z3:6:30:15:Z2"});
        QCOMPARE(h.model().StatusDocument.at(1, 0), QJsonValue(slot("Z3", "7:5", "20")));
        QCOMPARE(texts(*list->List).first(), QStringLiteral("1. Időpont / Zóna 3-7:5 20 /"));
    }

    void summary_data() {
        QTest::addColumn<QJsonValue>("schedule");
        QTest::addColumn<QString>("clashes");
        QTest::addColumn<QStringList>("totals");
        QTest::newRow("no slots") << QJsonValue() << "Nincsen" << QStringList{"0", "0", "0", "0", "0", "0"};
        QTest::newRow("a foreign code as it came; short rows and starts without colon left out")
            << QJsonValue(QJsonArray{slot("Z2", "4:0", "90"), slot("Z8", "5:0", "10"),
                                     slot("Z1", "600", "30"), QJsonArray{"Z1", "6:0"}})
            << "Időpont 2 Z8\n"
            << QStringList{"0", "90", "0", "0", "0", "0"};
        // What a reply may carry costs no more than an ordinary slot, and no sum leaves the 64-bit range.
        QTest::newRow("2,000,000,000 minutes and hours")
            << QJsonValue(QJsonArray{slot("Z1", "0:0", "2000000000"), slot("Z2", "2000000000:0", "10"),
                                     slot("Z3", "33333333:19", 1), slot("Z4", "2000000000:5", "1")})
            << "Időpont 3 Zóna 3\nIdőpont 4 Zóna 4\n"
            << QStringList{"2000000000", "10", "1", "1", "0", "0"};
        QTest::newRow("the ends of the 64-bit range")
            << QJsonValue(
                   QJsonArray{slot("Z1", "99999999999999999999:99999999999999999999", "9223372036854775807"),
                              slot("Z1", "-99999999999999999999:0", "99999999999999999999"),
                              slot("Z1", "0:-2", 1e300), slot("Z2", "-5:-7", "1")})
            << "Időpont 3 Zóna 1\nIdőpont 4 Zóna 2\n"
            << QStringList{"9223372036854775807", "1", "0", "0", "0", "0"};
    }
    void summary() {
        QFETCH(QJsonValue, schedule);
        PageHarness h;
        auto page = summary(h, schedule);
        QCOMPARE(page->Utkozesduma->text(), QStringLiteral("Ütközés a beállított öntözőzónák időponjaiban:"));
        QTEST(page->Ontozoutkozes->text(), "clashes");
        QTEST(totals(*page), "totals");
        QCOMPARE(page->Z5nev->text(), QStringLiteral("  Utcai kicsi"));
    }

    // Random schedules of ordinary slots around midnight give what the minute-by-minute reading gives:
    // clashes in slot order, each slot once, touching slots clear, no wrap at midnight, every duration in its
    // total.
    void summaryAgreesWithMinuteByMinute() {
        QRandomGenerator random(9);
        for (int round = 0; round < 200; ++round) {
            QJsonArray schedule;
            const int count = random.bounded(1, 12);
            for (int i = 0; i < count; ++i)
                schedule.append(
                    slot(QStringLiteral("Z%1").arg(random.bounded(1, 7)),
                         QStringLiteral("%1:%2").arg((22 + random.bounded(4)) % 24).arg(random.bounded(60)),
                         QString::number(random.bounded(-2, 150))));
            PageHarness h;
            auto page = summary(h, schedule);
            const auto [clashes, expected] = minuteByMinute(schedule, h.model());
            QCOMPARE(page->Ontozoutkozes->text(), clashes);
            QCOMPARE(totals(*page), expected);
        }
    }
};

QTEST_GUILESS_MAIN(IrrigationTest)
#include "tst_irrigation.moc"
