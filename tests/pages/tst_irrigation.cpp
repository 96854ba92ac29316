#include "pages/irrigation/OntozoBeallitasok.h"
#include "pages/irrigation/OntozoKiBe.h"
#include "pages/irrigation/OntozoOsszefoglalas.h"
#include "pages/irrigation/OntozoTable.h"
#include "pages/irrigation/OntozoViewController.h"
#include "support/PageHarness.h"
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
    QJsonArray document = sampleWith(1, schedule);
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

// The clash lines, then the totals, then after "|" the timeline's bars, as reading small schedules minute by
// minute gives them.
QString minuteByMinute(const QJsonArray& schedule, const StatusModel& model) {
    std::set<qint64> occupied;
    QString clashes;
    QStringList bars;
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
        const qint64 from = start.at(0).toLongLong() * 60 + start.at(1).toLongLong();
        if (duration >= 1)
            bars.append(QStringLiteral("%1:%2 %3-%4%5%6")
                            .arg(i)
                            .arg(model.ZonaNevek.at(zone))
                            .arg(from)
                            .arg(std::min<qint64>(from + duration, 1440))
                            .arg(clash ? "!" : "", from + duration > 1440 ? "+" : ""));
        totals[zone] += duration;
    }
    QString shown = clashes.isEmpty() ? QStringLiteral("Nincsen") : clashes;
    for (qint64 total : totals)
        shown += u' ' + QString::number(total);
    return shown + " | " + bars.join(u',');
}

// The bars as automation reports them, each "row:lane from-to", "!" when it clashes and "+" when it goes on
// past midnight; the row is where a tap on the bar opens the editor.
QString bars(PageHarness& h, Timeline& timeline) {
    QStringList shown;
    const QJsonArray described = timeline.describe().value("bars").toArray();
    for (int i = 0; i < int(described.size()); ++i) {
        const QJsonObject bar = described.at(i).toObject();
        h.model().IdopontIndex = -1;
        QString row = QStringLiteral("none");
        if (timeline.tap(i)) {
            h.scheduler.runDue();
            if (h.navigation.depth() == 1)
                row = QString::number(h.model().IdopontIndex);
            h.navigation.back();
            h.scheduler.runDue();
        }
        shown.append(QStringLiteral("%1:%2 %3-%4%5%6")
                         .arg(row, bar.value("lane").toString())
                         .arg(bar.value("from").toInt())
                         .arg(bar.value("to").toInt())
                         .arg(bar.value("clash").toBool() ? "!" : "", bar.contains("continues") ? "+" : ""));
    }
    return shown.join(u',');
}

// What the summary page shows for a schedule, in the same form; a page already open when the reply with the
// schedule comes must redraw to the same.
QString summary(const QJsonValue& schedule) {
    const auto shown = [](PageHarness& h, OntozoOsszefoglalas& page) {
        QString texts = page.Ontozoutkozes->text();
        for (const Label* label : page.totals())
            texts += u' ' + label->text();
        return texts + " | " + bars(h, *page.OntozoIdovonal);
    };
    PageHarness h, later;
    h.model().StatusDocument = StatusTree(withIrrigation(schedule));
    const QString atLoad = shown(h, *h.load<OntozoOsszefoglalas>());
    const auto open = later.load<OntozoOsszefoglalas>();
    later.model().StatusDocument = h.model().StatusDocument;
    later.linkChanged();
    const QString followed = shown(later, *open);
    return atLoad == followed ? atLoad : atLoad + " yet followed as " + followed;
}

} // namespace

class IrrigationTest : public QObject {
    Q_OBJECT

private slots:
    // The irrigation page follows the rain and the link at each refresh: zone switching only while connected
    // and dry, and while it rains a caption under its button says why.
    void pageFollowsRainAndLink_data() {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("rain");
        QTest::addColumn<QString>("shown"); // rain picture, caption, then the buttons enabled: 1 or 0
        QTest::newRow("before any reply") << false << false << "00|000";
        QTest::newRow("dry") << true << false << "00|111";
        QTest::newRow("rain") << true << true << "11|011";
        QTest::newRow("rain in the last reply, link down") << false << true << "11|000";
    }
    void pageFollowsRainAndLink() {
        QFETCH(bool, connected);
        QFETCH(bool, rain);
        PageHarness h;
        auto page = h.load<OntozoViewController>();
        h.model().Connected = connected;
        h.model().Rain = rain;
        h.scheduler.advance(StatusModel::PageRefreshInterval);
        QString shown = QStringLiteral("%1%2|")
                            .arg(int(!page->RainImage->isHidden()))
                            .arg(int(!page->RainCaption->isHidden()));
        for (const Button* button : {page->OntozoBeKi, page->OntozoBeallitas, page->OntozoOsszefoglalas})
            shown += QString::number(int(button->isEnabled()));
        QTEST(shown, "shown");
        QCOMPARE(page->RainCaption->text(), QStringLiteral("Esőben nem kapcsolható"));
    }

    // Each action applies the switching rules to the copy taken at load, shows it and sends all eight
    // switches; zones are usable only while the whole irrigation is on. When the reply holds a switch that is
    // no position, the page cannot know them: nothing can be touched, nothing is sent.
    void switchingRules_data() {
        QTest::addColumn<QJsonArray>("before"); // whole, master, zones 1 to 6
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("after"); // empty: refused
        QTest::newRow("master on stops zone 2")
            << QJsonArray{"1", "0", "0", "1", "0", "0", "0", "0"} << 1 << true << "1:1:0:0:0:0:0:0";
        QTest::newRow("zone 5 on while zone 1 runs")
            << QJsonArray{"1", "1", "1", "0", "0", "0", "0", "0"} << 6 << true << "1:1:0:0:0:0:1:0";
        QTest::newRow("zone 4 off keeps the others")
            << QJsonArray{"1", "1", "1", "0", "0", "1", "0", "0"} << 5 << false << "1:0:1:0:0:0:0:0";
        // Entries count by their integer value: a bare number 0 is off, a boolean true on.
        QTest::newRow("numbers and booleans")
            << QJsonArray{0, true, 0, 1, "0", "0", "0", false} << 0 << true << "1:1:0:1:0:0:0:0";
        QTest::newRow("zone 6 missing")
            << QJsonArray{"1", "1", "0", "0", "0", "0", "0", QJsonValue()} << 0 << false << "";
        QTest::newRow("zone 2 an object")
            << QJsonArray{"1", "1", "0", QJsonObject(), "0", "0", "0", "0"} << 2 << true << "";
    }
    void switchingRules() {
        QFETCH(QJsonArray, before);
        QFETCH(int, position);
        QFETCH(bool, on);
        QFETCH(QString, after);
        PageHarness h;
        h.model().StatusDocument = StatusTree(withIrrigation(QJsonValue(), before));
        auto page = h.load<OntozoKiBe>();
        QCOMPARE(position < 2 ? (position == 0 ? page->ZOsszes : page->ZMaster)->select(int(on))
                              : page->zoneSwitches()[size_t(position - 2)]->toggle(on),
                 !after.isEmpty());
        if (after.isEmpty()) {
            page->kapcs(OntozoKiBe::Whole, false);
            page->beallitas();
            QVERIFY(h.sent().isEmpty());
            return;
        }
        QCOMPARE(h.sent(), QStringList{"?dt=Ontozosett:" + after});
        QString shown =
            QStringLiteral("%1:%2").arg(page->ZOsszes->selectedIndex()).arg(page->ZMaster->selectedIndex());
        for (const Switch* zone : page->zoneSwitches())
            shown += zone->isOn() ? ":1" : ":0";
        QCOMPARE(shown, after);
        h.scheduler.advance(3.0);
        QCOMPARE(page->zona6->isEnabled(), after.startsWith(u'1'));
    }

    void listRowsNameTheirZones_data() {
        QTest::addColumn<QJsonArray>("schedule");
        QTest::addColumn<QStringList>("rows"); // in edit mode
        QTest::addColumn<QList<int>>("styles");
        QTest::addColumn<QStringList>("details"); // the second lines, the add row's empty
        const QString add = QString::fromUtf16(ScheduleList::AddText);
        const QString full = QString::fromUtf16(ScheduleList::CannotAddText);
        QTest::newRow("zones by name, a foreign code as it came")
            << QJsonArray{slot("Z2", "6:30", "15"), slot("Z5", "7:0", 20), slot("Z6", "8:0", "5"),
                          slot("Z9", "9:0", "5")}
            << QStringList{"1. Időpont / Zóna 2-6:30 15 /", "2. Időpont / Utcai kicsi-7:0 20 /",
                           "3. Időpont / Utcai nagy-8:0 5 /", "4. Időpont / Z9-9:0 5 /", add}
            << QList<int>{1, 1, 1, 1, 2}
            << QStringList{"Zóna 2 · 06:30 · 15 perc", "Utcai kicsi · 07:00 · 20 perc",
                           "Utcai nagy · 08:00 · 5 perc", "", ""};
        QTest::newRow("placeholder blocks adding")
            << QJsonArray{QJsonValue(slot("Z1", "0:0", 0))}
            << QStringList{"1. Időpont / Zóna 1-0:0 0 /", full} << QList<int>{1, 0}
            << QStringList{"Zóna 1 · 00:00 · 0 perc", ""};
        QTest::newRow("another zone at 0:0 does not")
            << QJsonArray{QJsonValue(slot("Z3", "0:0", "0"))}
            << QStringList{"1. Időpont / Zóna 3-0:0 0 /", add} << QList<int>{1, 2}
            << QStringList{"Zóna 3 · 00:00 · 0 perc", ""};
        // Shown, but never put into a command.
        QTest::newRow("zone code with a colon, a short row")
            << QJsonArray{slot("Z1:x", "6:30", "15"), QJsonArray{"Z4", "21:5"}}
            << QStringList{"1. Időpont / Z1:x-6:30 15 /", "2. Időpont / Zóna 4-21:5  /", add}
            << QList<int>{0, 0, 2} << QStringList{"", "", ""};
    }
    void listRowsNameTheirZones() {
        QFETCH(QJsonArray, schedule);
        PageHarness h;
        h.model().StatusDocument = StatusTree(withIrrigation(schedule));
        auto page = h.load<OntozoTable>();
        QVERIFY(page->EditSwitch->toggle(true));
        QTEST(texts(*page->List), "rows");
        QTEST(styles(*page->List), "styles");
        QStringList details;
        for (const TableRow& row : page->List->rows())
            details.append(row.detail);
        QTEST(details, "details");
    }

    // A zone the editor's wheel does not have: the list opens no editor, and an editor reached all the same
    // sends nothing.
    void aZoneOffTheWheelIsNotEdited() {
        PageHarness h;
        h.model().StatusDocument =
            StatusTree(withIrrigation(QJsonArray{slot("Z2", "6:30", "15"), slot("Z9", "7:0", "5")}));
        auto page = h.load<OntozoTable>();
        QVERIFY(page->List->select(1));
        h.scheduler.runDue();
        QCOMPARE(h.navigation.depth(), 0);
        h.model().IdopontIndex = 1;
        QVERIFY(!h.load<OntozoBeallitasok>()->SetButton->tap());
        QVERIFY(page->List->select(0));
        h.scheduler.runDue();
        QCOMPARE(h.navigation.top()->className(), QStringLiteral("OntozoBeallitasok"));
        QVERIFY(h.sent().isEmpty());
    }

    void summary_data() {
        QTest::addColumn<QJsonValue>("schedule");
        // The clash lines, the six totals, then the timeline's bars (a tap on each opens its slot's editor).
        QTest::addColumn<QString>("shown");
        QTest::newRow("a foreign code as it came, and no lane; short rows and starts without colon left out")
            << QJsonValue(QJsonArray{slot("Z2", "4:0", "90"), slot("Z8", "5:0", "10"),
                                     slot("Z1", "600", "30"), QJsonArray{"Z1", "6:0"}})
            << "Időpont 2 Z8\n 0 90 0 0 0 0 | 0:Zóna 2 240-330";
        // What a reply may carry costs no more than an ordinary slot, and no sum leaves the 64-bit range.
        QTest::newRow("2,000,000,000 minutes and hours")
            << QJsonValue(QJsonArray{slot("Z1", "0:0", "2000000000"), slot("Z2", "2000000000:0", "10"),
                                     slot("Z3", "33333333:19", 1), slot("Z4", "2000000000:5", "1")})
            << "Időpont 3 Zóna 3\nIdőpont 4 Zóna 4\n 2000000000 10 1 1 0 0 | 0:Zóna 1 0-1440+,"
               "1:Zóna 2 1440-1440+,2:Zóna 3 1440-1440!+,3:Zóna 4 1440-1440!+";
        QTest::newRow("the ends of the 64-bit range")
            << QJsonValue(
                   QJsonArray{slot("Z1", "99999999999999999999:99999999999999999999", "9223372036854775807"),
                              slot("Z1", "-99999999999999999999:0", "99999999999999999999"),
                              slot("Z1", "0:-2", 1e300), slot("Z2", "-5:-7", "1")})
            << "Időpont 3 Zóna 1\nIdőpont 4 Zóna 2\n 9223372036854775807 1 0 0 0 0 | "
               "none:Zóna 1 0-0,none:Zóna 1 0-1440!+,none:Zóna 2 0-0!";
    }
    void summary() {
        QFETCH(QJsonValue, schedule);
        QTEST(::summary(schedule), "shown");
    }

    // Random slots around midnight: clashes in slot order, each slot once, touching slots clear, no wrap at
    // midnight, every duration in its total; a bar for each slot that claims minutes, on its zone's lane, cut
    // at midnight, clashing as its slot does, and opening its own slot's editor.
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
            QCOMPARE(::summary(schedule), minuteByMinute(schedule, h.model()));
        }
    }
};

QTEST_GUILESS_MAIN(IrrigationTest)
#include "tst_irrigation.moc"
