#include "PageHarness.h"
#include "pages/pool/MedenceBeallitas.h"
#include "pages/pool/MedenceOsszefoglalas.h"
#include "pages/pool/MedenceTabla.h"
#include "pages/pool/MedenceViewController.h"
#include "support/SampleReply.h"

#include <QtTest>

#include <limits>

using namespace otthon;
using namespace otthon::testing;

namespace {

// A reply whose pool schedule (element 5) is `pool`.
QJsonArray withPool(const QJsonValue& pool) {
    QJsonArray document = sampleReply();
    document.replace(5, pool);
    return document;
}

QJsonArray threeSlots() {
    return {QJsonArray{"6:30", "15"}, QJsonArray{"12:0", "40"}, QJsonArray{"19:5", 30}};
}

QStringList texts(const Table& table) {
    QStringList rows;
    for (const TableRow& row : table.rows())
        rows.append(row.text);
    return rows;
}

QList<int> styles(const Table& table) {
    QList<int> rows;
    for (const TableRow& row : table.rows())
        rows.append(row.style);
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(QJsonValue)

class PoolTest : public QObject {
    Q_OBJECT

    // The list loaded on a document whose pool schedule is `pool`.
    static std::unique_ptr<MedenceTabla> list(PageHarness& h, const QJsonValue& pool) {
        h.model().StatusDocument = StatusTree(withPool(pool));
        h.model().Connected = true;
        return h.load<MedenceTabla>();
    }

private slots:
    // The refresh tick redraws during the hold: the controls come back before the hold timer ends it.
    void poolSwitchSendsAndTheTickDoesNotWait_data() {
        QTest::addColumn<int>("segment");
        QTest::newRow("off") << 0;
        QTest::newRow("on") << 1;
    }
    void poolSwitchSendsAndTheTickDoesNotWait() {
        QFETCH(int, segment);
        PageHarness h;
        h.model().Connected = true;
        h.model().MedenceBe = segment == 0;
        auto page = h.load<MedenceViewController>();
        h.scheduler.advance(1.0);
        QVERIFY(page->MedenceOnOff->select(segment));
        QCOMPARE(h.sent(), QStringList{QStringLiteral("?dt=Allsett:Medence:%1").arg(segment)});
        QCOMPARE(h.model().MedenceBe, segment == 1);
        QVERIFY(page->MedenceSpiner->isAnimating());
        QVERIFY(!page->MedenceKiBe->isEnabled());
        h.scheduler.advance(2.0); // the tick at 3 s
        QVERIFY(page->MedenceKiBe->isEnabled());
        QVERIFY(!page->MedenceSpiner->isAnimating());
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(!h.state.MedenceReady);
        h.scheduler.advance(1.0); // the hold ends at 4 s
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(h.state.MedenceReady);
        // A new page shows what was sent, before any reply.
        auto next = h.load<MedenceViewController>();
        QCOMPARE(next->MedenceOnOff->selectedIndex(), segment);
        QCOMPARE(next->element("MedenceKiBe"), next->element("MedenceOnOff")); // the name automation uses
    }

    void listOpens_data() {
        QTest::addColumn<QJsonValue>("pool");
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("styles");
        const QString add = QString::fromUtf16(ScheduleList::AddText);
        const QString full = QString::fromUtf16(ScheduleList::CannotAddText);
        QTest::newRow("null: edit mode, add row")
            << QJsonValue() << true << QStringList{add} << QList<int>{2};
        QTest::newRow("empty") << QJsonValue(QJsonArray()) << false << QStringList{} << QList<int>{};
        QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << false << QStringList{}
                                << QList<int>{};
        QTest::newRow("slots") << QJsonValue(threeSlots()) << false
                               << QStringList{"1. Időpont / 6:30-15 /", "2. Időpont / 12:0-40 /",
                                              "3. Időpont / 19:5-30 /"}
                               << QList<int>{0, 0, 0};
        QTest::newRow("placeholder as text, edited")
            << QJsonValue(QJsonArray{QJsonArray{"6:30", "15"}, QJsonArray{"0:0", "0"}}) << true
            << QStringList{"1. Időpont / 6:30-15 /", "2. Időpont / 0:0-0 /", full} << QList<int>{1, 1, 0};
        QTest::newRow("placeholder as number, edited")
            << QJsonValue(QJsonArray{QJsonArray{"0:0", 0}}) << true
            << QStringList{"1. Időpont / 0:0-0 /", full} << QList<int>{1, 0};
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
        PageHarness h;
        if (pool.isUndefined())
            h.model().StatusDocument = StatusTree();
        auto page = pool.isUndefined() ? h.load<MedenceTabla>() : list(h, pool);
        if (editing && !page->isEditing())
            QVERIFY(page->EditSwitch->toggle(true));
        QCOMPARE(page->isEditing(), editing);
        QCOMPARE(page->EditSwitch->isOn(), editing);
        QCOMPARE(page->List->isEditing(), editing);
        QTEST(texts(*page->List), "rows");
        QTEST(styles(*page->List), "styles");
        QVERIFY(h.sent().isEmpty());
    }

    void insertAppendsSendsAndLeavesEditMode() {
        PageHarness h;
        auto page = list(h, threeSlots());
        QVERIFY(page->EditSwitch->toggle(true));
        QVERIFY(page->List->commit(3, Table::Insert));
        QCOMPARE(h.sent(), QStringList{"?dt=Pooladd:0:0:0"});
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(!page->isEditing());
        QVERIFY(!page->EditSwitch->isOn());
        QCOMPARE(texts(*page->List).last(), QStringLiteral("4. Időpont / 0:0-0 /"));
        // The added row is not on the controller yet: it opens no editor, and no second one can be added.
        QVERIFY(page->List->select(3));
        h.scheduler.runDue();
        QCOMPARE(h.navigation.depth(), 0);
        QVERIFY(page->EditSwitch->toggle(true));
        QCOMPARE(styles(*page->List).last(), int(Table::None));
    }

    // Each row deletes its own slot, also when an earlier delete's reply has not come yet; the list then
    // follows the controller's answer, also when that answer undoes the delete, and stays in edit mode.
    void deletesSendTheirOwnSlotAndTheListFollowsTheReply() {
        PageHarness h;
        auto page = list(h, threeSlots());
        QVERIFY(page->EditSwitch->toggle(true));
        QVERIFY(page->List->commit(1, Table::Delete));
        QVERIFY(page->List->commit(1, Table::Delete));
        QCOMPARE(h.sent(), (QStringList{"?dt=Pooldel:12:0:40", "?dt=Pooldel:19:5:30"}));
        QCOMPARE(texts(*page->List), (QStringList{"1. Időpont / 6:30-15 /", "Új időpont hozzáadása"}));
        QVERIFY(page->isEditing());

        // The controller refused the first delete: its answer brings the list back as it was.
        h.transport.reply(0, QJsonDocument(withPool(threeSlots())).toJson());
        h.scheduler.advance(3.0);
        QCOMPARE(texts(*page->List).size(), 4);
        QVERIFY(page->isEditing());
        // It carried out the second, and a slot was changed elsewhere.
        const QJsonArray answered{QJsonArray{"6:30", "15"}, QJsonArray{"12:0", "40"}, QJsonArray{"7:0", "5"}};
        h.transport.reply(1, QJsonDocument(withPool(answered)).toJson());
        h.scheduler.advance(3.0);
        QCOMPARE(texts(*page->List), (QStringList{"1. Időpont / 6:30-15 /", "2. Időpont / 12:0-40 /",
                                                  "3. Időpont / 7:0-5 /", "Új időpont hozzáadása"}));
        // A tick without a new reply leaves the rows alone.
        page->List->setRows({});
        h.scheduler.advance(3.0);
        QVERIFY(texts(*page->List).isEmpty());
    }

    void selectOpensTheEditorOnTheSlotsDocumentRow() {
        PageHarness h;
        auto page = list(h, threeSlots());
        QVERIFY(page->List->select(2));
        QCOMPARE(h.navigation.depth(), 0); // the editor loads after the index is stored
        h.scheduler.runDue();
        QCOMPARE(h.model().IdopontIndex, 2);
        auto* editor = qobject_cast<MedenceBeallitas*>(h.navigation.top());
        QVERIFY(editor);
        QCOMPARE(editor->wheel(SlotPart::Hour)->selectedRow(), 599 + 19);

        // A reply moved the slot of row 3 to the front before the list rebuilt: row 3 opens it there.
        h.navigation.back();
        h.model().StatusDocument =
            StatusTree(withPool(QJsonArray{QJsonArray{"19:5", "30"}, QJsonArray{"6:30", "15"}}));
        QVERIFY(page->List->select(2));
        h.scheduler.runDue();
        QCOMPARE(h.model().IdopontIndex, 0);
        // Row 2's slot is gone from the document: nothing opens.
        h.navigation.back();
        h.scheduler.runDue();
        QVERIFY(page->List->select(1));
        h.scheduler.runDue();
        QCOMPARE(h.navigation.depth(), 0);
    }

    void slotsThatCannotBeSentRefuseDeleteAndEditor() {
        PageHarness h;
        auto page = list(h, QJsonArray{QJsonArray{"6:30:7", "15"}});
        QVERIFY(page->List->select(0));
        h.scheduler.runDue();
        QCOMPARE(h.navigation.depth(), 0);
        QVERIFY(page->EditSwitch->toggle(true));
        QVERIFY(!page->List->commit(0, Table::Delete));
        page->commitEditingStyle(Table::Delete, 0);
        QVERIFY(h.sent().isEmpty());
        // Should the editor be reached all the same, it sends nothing.
        auto editor = h.load<MedenceBeallitas>();
        QVERIFY(!editor->SetButton->isEnabled());
        QVERIFY(!editor->wheel(SlotPart::Hour)->isInteractive());
        editor->beallitas();
        QVERIFY(h.sent().isEmpty());
    }

    // The wheel row of any integer a reply may carry lies on the wheel and shows that value modulo the
    // list's length.
    void wheelRows_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("row");
        QTest::newRow("6 o'clock") << qint64(6) << 24 << 605;
        QTest::newRow("0 minutes") << qint64(0) << 60 << 599;
        QTest::newRow("59 minutes") << qint64(59) << 60 << 658;
        QTest::newRow("75 minutes") << qint64(75) << 60 << 614;
        QTest::newRow("-1") << qint64(-1) << 60 << 658;
        QTest::newRow("2^31 - 1") << qint64(2147483647) << 24 << 599 + 2147483647 % 24;
        QTest::newRow("-2^31") << qint64(-2147483648LL) << 60 << 599 + 52; // -2^31 = 60 * -35791395 + 52
        QTest::newRow("64-bit ends") << std::numeric_limits<qint64>::min() << 24 << 599 + 16;
    }
    void wheelRows() {
        QFETCH(qint64, value);
        QFETCH(int, length);
        QTEST(SlotEditor::wheelRow(value, length, 599), "row");
    }

    void editorShowsSetsAndHolds() {
        PageHarness h;
        auto page = list(h, threeSlots());
        h.model().IdopontIndex = 0;
        auto editor = h.load<MedenceBeallitas>();
        Picker* hour = editor->wheel(SlotPart::Hour);
        Picker* minute = editor->wheel(SlotPart::Minute);
        Picker* duration = editor->wheel(SlotPart::Duration);
        QCOMPARE(hour->selectedRow(), 605);
        QCOMPARE(minute->selectedRow(), 629);
        QCOMPARE(duration->selectedRow(), 614);
        QCOMPARE(duration->title(614), QStringLiteral("15"));
        QCOMPARE(hour->title(1199), QStringLiteral("0"));
        QCOMPARE(editor->titleForRow(0, 605), QStringLiteral("Időpont 6"));
        QCOMPARE(editor->titleForRow(4, 605), QString());

        QVERIFY(hour->pick(606));
        QVERIFY(minute->pick(604));
        QVERIFY(duration->pick(619));
        QVERIFY(!h.model().CommandInFlight); // turning a wheel changes nothing
        QVERIFY(editor->SetButton->tap());
        QCOMPARE(h.sent(), QStringList{"?dt=Poolup:7:5:20:6:30:15"});
        QCOMPARE(h.model().StatusDocument.at(5, 0), QJsonValue(QJsonArray{"7:5", "20"}));
        QCOMPARE(texts(*page->List).first(), QStringLiteral("1. Időpont / 7:5-20 /"));
        QVERIFY(editor->Spinner->isAnimating());
        QVERIFY(!editor->SetButton->isEnabled());
        QVERIFY(!hour->pick(600));
        h.scheduler.advance(3.0);
        QVERIFY(!editor->Spinner->isAnimating());
        QVERIFY(editor->SetButton->isEnabled());
        QVERIFY(hour->isInteractive());
        QVERIFY(h.state.MedenceBeallitasReady);
        QVERIFY(h.model().CommandInFlight); // left to a page change or a page's hold
        // A second change carries the first one's values as the old ones.
        QVERIFY(editor->SetButton->tap());
        QCOMPARE(h.sent().last(), QStringLiteral("?dt=Poolup:7:5:20:7:5:20"));
    }

    void editorWithoutItsSlotSendsNothing_data() {
        QTest::addColumn<QJsonValue>("pool");
        QTest::addColumn<qint64>("index");
        QTest::newRow("null") << QJsonValue() << qint64(0);
        QTest::newRow("past the end") << QJsonValue(threeSlots()) << qint64(3);
        QTest::newRow("negative") << QJsonValue(threeSlots()) << qint64(-1);
        QTest::newRow("start without colon") << QJsonValue(QJsonArray{QJsonArray{"630", "15"}}) << qint64(0);
        QTest::newRow("negative duration") << QJsonValue(QJsonArray{QJsonArray{"6:30", "-5"}}) << qint64(0);
    }
    void editorWithoutItsSlotSendsNothing() {
        QFETCH(QJsonValue, pool);
        QFETCH(qint64, index);
        PageHarness h;
        h.model().StatusDocument = StatusTree(withPool(pool));
        h.model().IdopontIndex = index;
        auto editor = h.load<MedenceBeallitas>();
        QVERIFY(!editor->SetButton->tap());
        editor->beallitas();
        QVERIFY(h.sent().isEmpty());
        QVERIFY(!h.model().CommandInFlight);
        for (Picker* wheel : {editor->wheel(SlotPart::Hour), editor->wheel(SlotPart::Duration)})
            QVERIFY(wheel->selectedRow() >= 599 && wheel->selectedRow() < 659);
    }

    void summary_data() {
        QTest::addColumn<QJsonValue>("pool");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("missing"); // empty: the line is hidden
        const auto durations = [](std::initializer_list<QJsonValue> minutes) {
            QJsonArray rows;
            for (const QJsonValue& d : minutes)
                rows.append(QJsonArray{"8:0", d});
            return QJsonValue(rows);
        };
        QTest::newRow("null") << QJsonValue() << "Nem megfelelő"
                              << "125";
        QTest::newRow("60 + 60") << durations({"60", "60"}) << "Nem megfelelő"
                                 << "5";
        QTest::newRow("124") << durations({"100", 24}) << "Nem megfelelő"
                             << "1";
        QTest::newRow("125") << durations({"100", "25", "0"}) << "Megfelelő"
                             << "";
        QTest::newRow("200 as text and number") << durations({"150", 50.9}) << "Megfelelő"
                                                << "";
        QTest::newRow("short row") << QJsonValue(QJsonArray{QJsonArray{"8:0"}}) << "Nem megfelelő"
                                   << "125";
    }
    void summary() {
        QFETCH(QJsonValue, pool);
        QFETCH(QString, missing);
        PageHarness h;
        h.model().StatusDocument = StatusTree(withPool(pool));
        auto page = h.load<MedenceOsszefoglalas>();
        QCOMPARE(page->Medenceosszefoglalas->text(),
                 QStringLiteral("A medenceforgatás a beállított időtartamok függvényében:"));
        QTEST(page->Megfeleles->text(), "verdict");
        QCOMPARE(page->Perc->isHidden(), missing.isEmpty());
        if (!missing.isEmpty())
            QCOMPARE(page->Perc->text(), "További " + missing + " perc időtartam beállítása szükséges.");
    }
};

QTEST_GUILESS_MAIN(PoolTest)
#include "tst_pool.moc"
