#include "pages/pool/MedenceBeallitas.h"
#include "pages/pool/MedenceOsszefoglalas.h"
#include "pages/pool/MedenceTabla.h"
#include "pages/pool/PoolSchedule.h"
#include "support/PageHarness.h"
#include "support/SampleReply.h"

#include <QtTest>

#include <limits>

using namespace otthon;
using namespace otthon::testing;

namespace {

const QJsonArray threeSlots{QJsonArray{"6:30", "15"}, QJsonArray{"12:0", "40"}, QJsonArray{"19:5", 30}};

} // namespace

class PoolTest : public QObject {
    Q_OBJECT

    // A connected page of type Page on a document whose pool schedule is `pool`.
    template <class Page> static std::unique_ptr<Page> load(PageHarness& h, const QJsonValue& pool) {
        h.model().StatusDocument = StatusTree(sampleWith(5, pool));
        return h.load<Page>();
    }

private slots:
    // A null schedule opens in edit mode. In edit mode each sendable slot can be deleted and the last row
    // adds, unless an added slot is still a placeholder.
    void listOpens_data() {
        QTest::addColumn<QJsonValue>("pool");
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("styles");
        const QString add = QString::fromUtf16(ScheduleList::AddText);
        QTest::newRow("null: edit mode, add row")
            << QJsonValue() << true << QStringList{add} << QList<int>{2};
        QTest::newRow("empty") << QJsonValue(QJsonArray()) << false << QStringList{} << QList<int>{};
        QTest::newRow("placeholder, edited")
            << QJsonValue(QJsonArray{QJsonArray{"6:30", "15"}, QJsonArray{"0:0", "0"}}) << true
            << QStringList{"1. Időpont / 6:30-15 /", "2. Időpont / 0:0-0 /",
                           QString::fromUtf16(ScheduleList::CannotAddText)}
            << QList<int>{1, 1, 0};
        // Shown as they came, but never put into a command: no delete control.
        QTest::newRow("slots that cannot be sent, edited")
            << QJsonValue(QJsonArray{QJsonArray{"6:30:7", "15"}, QJsonArray{"6:30", "1&x=2"},
                                     QJsonArray{"6:30", 15.5}, QJsonArray{"6:30"}})
            << true
            << QStringList{"1. Időpont / 6:30:7-15 /", "2. Időpont / 6:30-1&x=2 /",
                           "3. Időpont / 6:30-15.5 /", "4. Időpont / 6:30- /", add}
            << QList<int>{0, 0, 0, 0, 2};
    }
    void listOpens() {
        QFETCH(QJsonValue, pool);
        QFETCH(bool, editing);
        PageHarness h(true);
        auto page = load<MedenceTabla>(h, pool);
        if (editing && !page->isEditing())
            QVERIFY(page->EditSwitch->toggle(true));
        QCOMPARE(page->EditSwitch->isOn(), editing);
        QTEST(texts(*page->List), "rows");
        QTEST(styles(*page->List), "styles");
    }

    // Under each row, the slot as a clock reads it, as automation reports it too; a slot that does not read
    // as a time of day and a duration of up to a day has no second line. A slot added here has one at once.
    void rowsSecondLine_data() {
        QTest::addColumn<QJsonValue>("start");
        QTest::addColumn<QJsonValue>("duration");
        QTest::addColumn<QString>("detail");
        const auto row = [](const char* name, const QJsonValue& start, const QJsonValue& duration,
                            const char* detail) {
            QTest::newRow(name) << start << duration << QString(detail);
        };
        row("padded", "10:3", "43", "10:03 · 43 perc");
        row("duration as a number, ends of the clock", "23:59", 1440, "23:59 · 1440 perc");
        row("hour 24", "24:0", "5", "");
        row("minute 60", "6:60", "5", "");
        row("negative hour", "-1:30", "5", "");
        row("huge hour", "99999999999999999999:0", "5", "");
        row("no colon", "630", "5", "");
        row("two colons", "6:30:7", "5", "");
        row("longer than a day", "6:30", "1441", "");
        row("huge duration", "6:30", "9223372036854775808", "");
        row("negative duration", "6:30", -5, "");
    }
    void rowsSecondLine() {
        QFETCH(QJsonValue, start);
        QFETCH(QJsonValue, duration);
        PageHarness h(true);
        auto page = load<MedenceTabla>(h, QJsonArray{QJsonValue(QJsonArray{start, duration})});
        QTEST(page->List->describe()["rows"][0]["detail"].toString(), "detail");
        QVERIFY(page->EditSwitch->toggle(true)); // a slot added here reads as the placeholder it is
        QVERIFY(page->List->commit(1, Table::Insert));
        QCOMPARE(page->List->rows().at(1).detail, QStringLiteral("00:00 · 0 perc"));
    }

    // Each row deletes its own slot, also before an earlier delete's reply; the list then follows the
    // controller's answers, also one that undoes a delete, and stays in edit mode.
    void deletesSendTheirOwnSlotAndTheListFollowsTheReply() {
        PageHarness h(true);
        auto page = load<MedenceTabla>(h, threeSlots);
        QVERIFY(page->EditSwitch->toggle(true));
        QVERIFY(page->List->commit(1, Table::Delete));
        QVERIFY(page->List->commit(1, Table::Delete));
        QCOMPARE(h.sent(), (QStringList{"?dt=Pooldel:12:0:40", "?dt=Pooldel:19:5:30"}));
        QCOMPARE(texts(*page->List), (QStringList{"1. Időpont / 6:30-15 /", "Új időpont hozzáadása"}));
        h.transport.reply(0, QJsonDocument(sampleWith(5, threeSlots)).toJson()); // the first refused
        h.scheduler.advance(3.0);
        QCOMPARE(texts(*page->List).size(), 4);
        h.transport.reply(1, QJsonDocument(sampleWith(5, QJsonArray{QJsonValue(QJsonArray{"7:0", "5"})}))
                                 .toJson()); // and more changed elsewhere
        h.scheduler.advance(3.0);
        QCOMPARE(texts(*page->List).first(), QStringLiteral("1. Időpont / 7:0-5 /"));
        page->List->setRows({}); // a tick without a new reply leaves the rows alone
        h.scheduler.advance(3.0);
        QVERIFY(texts(*page->List).isEmpty());
    }

    // An add or a delete holds the poll until its reply, or 3 s without one. A slot change that is not
    // delivered leaves the editor on the controller's slot: "Beállít" then sends the same change again.
    void scheduleCommandsHoldThePollUntilTheirReply() {
        PageHarness h(true);
        auto list = load<MedenceTabla>(h, threeSlots);
        QVERIFY(list->EditSwitch->toggle(true));
        QVERIFY(list->List->commit(3, Table::Insert));
        h.scheduler.advance(2.99);
        QVERIFY(h.model().CommandSettling);
        h.scheduler.advance(0.01);
        QVERIFY(!h.model().CommandSettling);
        QVERIFY(list->EditSwitch->toggle(true));
        QVERIFY(list->List->commit(0, Table::Delete));
        h.transport.reply(1, QJsonDocument(sampleWith(5, threeSlots)).toJson());
        QVERIFY(!h.model().CommandSettling);

        auto editor = h.load<MedenceBeallitas>();
        QVERIFY(editor->wheel(SlotPart::Hour)->pick(606));
        for (int attempt = 0; attempt < 2; ++attempt) {
            QVERIFY(editor->SetButton->tap());
            h.transport.fail(h.transport.count() - 1);
            h.scheduler.advance(3.0);
        }
        QCOMPARE(h.sent().mid(2), QStringList(2, QStringLiteral("?dt=Poolup:7:30:15:6:30:15")));
    }

    // A row opens the editor on where its slot stands in the document now, or not at all when it is gone.
    void selectOpensTheEditorOnTheSlotsDocumentRow() {
        PageHarness h(true);
        auto page = load<MedenceTabla>(h, threeSlots);
        QVERIFY(page->List->select(2));
        QCOMPARE(h.navigation.depth(), 0); // the editor loads after the index is stored
        h.scheduler.runDue();
        QCOMPARE(h.model().IdopontIndex, 2);
        QCOMPARE(qobject_cast<MedenceBeallitas*>(h.navigation.top())->wheel(SlotPart::Hour)->selectedRow(),
                 618);
        h.navigation.back();
        h.model().StatusDocument =
            StatusTree(sampleWith(5, QJsonArray{QJsonValue(QJsonArray{"19:5", "30"})}));
        QVERIFY(page->List->select(2));
        h.scheduler.runDue();
        QCOMPARE(h.model().IdopontIndex, 0);
        h.navigation.back();
        h.scheduler.runDue();
        QVERIFY(page->List->select(1));
        h.scheduler.runDue();
        QCOMPARE(h.navigation.depth(), 0);
    }

    // An editor reached without a sendable slot is locked, sends nothing, and its wheels stay on the wheel.
    void editorWithoutItsSlotSendsNothing_data() {
        QTest::addColumn<QJsonValue>("pool");
        QTest::addColumn<qint64>("index");
        QTest::newRow("past the end") << QJsonValue(threeSlots) << qint64(3);
        QTest::newRow("negative") << QJsonValue(threeSlots) << qint64(-1);
        QTest::newRow("start with two")
            << QJsonValue(QJsonArray{QJsonValue(QJsonArray{"6:30:7", "15"})}) << qint64(0);
    }
    void editorWithoutItsSlotSendsNothing() {
        QFETCH(QJsonValue, pool);
        QFETCH(qint64, index);
        PageHarness h(true);
        h.model().IdopontIndex = index;
        auto editor = load<MedenceBeallitas>(h, pool);
        QVERIFY(!editor->SetButton->tap());
        QVERIFY(!editor->wheel(SlotPart::Hour)->isInteractive());
        editor->beallitas();
        QVERIFY(h.sent().isEmpty());
        QVERIFY(!h.model().CommandInFlight());
        for (Picker* wheel : {editor->wheel(SlotPart::Hour), editor->wheel(SlotPart::Duration)})
            QVERIFY(wheel->selectedRow() >= 599 && wheel->selectedRow() < 659);
    }

    // Any integer a reply may carry lands on the wheel, on a row showing it modulo the list's length.
    void wheelRows() {
        QCOMPARE(SlotEditor::wheelRow(-1, 60, 599), 658);
        QCOMPARE(SlotEditor::wheelRow(-2147483648LL, 60, 599), 599 + 52); // -2^31 = 60 * -35791395 + 52
        QCOMPARE(SlotEditor::wheelRow(std::numeric_limits<qint64>::min(), 24, 599), 599 + 16);
    }

    // The pool needs 125 minutes of turnover a day; what is missing is spelt out. The day's timeline shows
    // the slots that claim minutes, "from-to" with "+" for one that goes on past midnight, the total against
    // the 125 minutes and the wall clock's minute; a touch on a bar opens the editor on its slot's row.
    void summary_data() {
        QTest::addColumn<QJsonValue>("pool");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("timeline");
        const QString missing =
            QStringLiteral("Nem megfelelő|További %1 perc időtartam beállítása szükséges.");
        QTest::newRow("none") << QJsonValue() << missing.arg(125) << "0/125 at 1439:";
        QTest::newRow("124 minutes") << QJsonValue(
                                            QJsonArray{QJsonArray{"8:0", "100"}, QJsonArray{"9:0", 24}})
                                     << missing.arg(1) << "124/125 at 1439: 0>480-580 1>540-564";
        QTest::newRow("odd rows left out, midnight cut")
            << QJsonValue(QJsonArray{QJsonArray{"0:0", "0"}, QJsonArray{"7:0"}, QJsonArray{"700", "10"},
                                     QJsonArray{"23:30", "60"}, QJsonArray{"6:30", "-5"},
                                     QJsonArray{"24:5", 70}})
            << QStringLiteral("Megfelelő") << "135/125 at 1439: 3>1410-1440+ 5>1440-1440+";
    }
    void summary() {
        QFETCH(QJsonValue, pool);
        PageHarness h;
        h.scheduler.setWallClock(QDateTime(QDate(2026, 6, 15), QTime(23, 59, 30)));
        const auto page = load<MedenceOsszefoglalas>(h, pool);
        QTEST(page->Megfeleles->text() + (page->Perc->isHidden() ? QString() : '|' + page->Perc->text()),
              "verdict");
        Timeline& timeline = *page->MedenceIdovonal;
        const QJsonObject described = timeline.describe();
        QString shown = QStringLiteral("%1/%2 at %3:")
                            .arg(described.value("total").toDouble())
                            .arg(described.value("required").toDouble())
                            .arg(described.value("now").toInt());
        const QJsonArray bars = described.value("bars").toArray();
        for (int i = 0; i < int(bars.size()); ++i) {
            const QJsonObject bar = bars.at(i).toObject();
            h.model().IdopontIndex = -1;
            QVERIFY(timeline.tap(i));
            h.scheduler.runDue();
            shown += QStringLiteral(" %1>%2%3-%4%5")
                         .arg(h.model().IdopontIndex)
                         .arg(bar.value("lane").toString())
                         .arg(bar.value("from").toInt())
                         .arg(bar.value("to").toInt())
                         .arg(bar.contains("continues") ? "+" : "");
            h.navigation.back();
            h.scheduler.runDue();
        }
        QTEST(shown, "timeline");
        h.scheduler.advance(Timeline::DayMinutes * 60.0 - 30); // the mark follows the clock past midnight
        QCOMPARE(timeline.now(), 1439);
        h.scheduler.advance(60.0);
        QCOMPARE(timeline.now(), 0);
        // An editor opened from a bar writes its change into the document: back here, the page shows it.
        h.model().StatusDocument =
            StatusTree(sampleWith(5, QJsonArray{QJsonValue(QJsonArray{"8:0", "125"})}));
        h.notifications.post(PoolSchedule.refreshNotification.toString(), nullptr);
        QCOMPARE(page->Megfeleles->text(), QStringLiteral("Megfelelő"));
        QCOMPARE(timeline.describe().value("total").toDouble(), 125.0);
    }
};

QTEST_GUILESS_MAIN(PoolTest)
#include "tst_pool.moc"
