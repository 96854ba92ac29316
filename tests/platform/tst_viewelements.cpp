#include "platform/ui/Button.h"
#include "platform/ui/Picker.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "platform/ui/Table.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>
#include <utility>

using namespace otthon;

namespace {

const TableRow SlotRow{"1. Időpont / 6:30-15 /", "x", TableRow::Accessory::Disclosure, Table::Delete};

// One gesture on one kind of element, set up so that the gesture would go through and raise its user signal.
struct GestureCase {
    std::unique_ptr<ViewElement> element;
    std::function<bool()> perform;
    std::unique_ptr<QSignalSpy> userSignal;
};

template <class T, class Signal, class Perform>
GestureCase gestureCase(T* e, Signal signal, Perform perform) {
    return {std::unique_ptr<ViewElement>(e), [e, perform] { return perform(*e); },
            std::make_unique<QSignalSpy>(e, signal)};
}

GestureCase makeCase(const QString& gesture) {
    if (gesture == "button tap")
        return gestureCase(new Button, &Button::tapped, [](Button& b) { return b.tap(); });
    if (gesture == "slider slide")
        return gestureCase(new Slider, &Slider::valueChangedByUser, [](Slider& s) { return s.slide(0.5); });
    if (gesture == "switch toggle")
        return gestureCase(new Switch, &Switch::toggledByUser, [](Switch& s) { return s.toggle(true); });
    if (gesture == "segmented select") {
        auto* control = new SegmentedControl;
        control->setTitles({"Ki", "Be"});
        return gestureCase(control, &SegmentedControl::selectedByUser,
                           [](SegmentedControl& s) { return s.select(1); });
    }
    if (gesture == "picker pick") {
        auto* picker = new Picker;
        picker->setRowCount(1200);
        return gestureCase(picker, &Picker::pickedByUser, [](Picker& p) { return p.pick(605); });
    }
    auto* table = new Table;
    table->setRows({SlotRow});
    if (gesture == "table select")
        return gestureCase(table, &Table::rowSelected, [](Table& t) { return t.select(0); });
    table->setEditing(true);
    return gestureCase(table, &Table::rowCommitted, [](Table& t) { return t.commit(0, Table::Delete); });
}

} // namespace

class TestViewElements : public QObject {
    Q_OBJECT

private slots:
    void gestureGate_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("gate");
        // User signals from the same gesture made twice with the gate open: a switch, a segment or a slider
        // value set already is no change, but a wheel that comes back to rest on its row is still a pick.
        QTest::addColumn<int>("signalsForTwo");
        const std::pair<const char*, int> gestures[]{
            {"button tap", 2},  {"slider slide", 1}, {"switch toggle", 1}, {"segmented select", 1},
            {"picker pick", 2}, {"table select", 2}, {"table commit", 2}};
        for (auto [gesture, signalsForTwo] : gestures)
            for (const char* gate : {"open", "disabled", "hidden", "interaction off"})
                QTest::addRow("%s, %s", gesture, gate) << QString(gesture) << QString(gate) << signalsForTwo;
    }

    void gestureGate() {
        QFETCH(QString, gesture);
        QFETCH(QString, gate);
        QFETCH(int, signalsForTwo);
        GestureCase c = makeCase(gesture);
        QSignalSpy gateChanges(c.element.get(), &ViewElement::acceptsGesturesChanged);
        c.element->setEnabled(gate != "disabled");
        c.element->setHidden(gate == "hidden");
        c.element->setInteractive(gate != "interaction off");
        const bool open = gate == "open";
        QCOMPARE(gateChanges.count(), open ? 0 : 1);
        const QJsonObject before = c.element->describe();
        QCOMPARE(c.perform(), open);
        QCOMPARE(c.perform(), open);
        QCOMPARE(c.userSignal->count(), open ? signalsForTwo : 0);
        if (!open)
            QCOMPARE(c.element->describe(), before);
    }

    void sliderStaysWithinItsRange() {
        Slider slider;
        slider.setRange(10, 100);
        QSignalSpy user(&slider, &Slider::valueChangedByUser);
        slider.setValue(120);
        QCOMPARE(slider.value(), 100.0f);
        QVERIFY(slider.slide(5.0));
        QCOMPARE(slider.value(), 10.0f);
        QVERIFY(slider.slide(21.6));
        QVERIFY(!slider.slide(std::nan("")));
        QCOMPARE(slider.value(), 21.6f);
        QCOMPARE(user.count(), 2);
        slider.setMaximum(15);
        QCOMPARE(slider.value(), 15.0f);
        slider.setMinimum(70); // raises the maximum along
        QCOMPARE(slider.maximum(), 70.0f);
        QCOMPARE(slider.value(), 70.0f);
        QCOMPARE(user.count(), 2); // changes made from code are not the user's
    }

    void segmentedControlKeepsItsSelectionWithinTheSegments() {
        SegmentedControl control;
        control.setTitles({"Ki", "Be"});
        QVERIFY(!control.select(2));
        QVERIFY(control.select(1));
        control.setTitles({"Egy"});
        QCOMPARE(control.describe().value("selected").toInt(), -1);
    }

    void pickerWheel() {
        Picker picker;
        const QStringList stations{"Kossuth", "Petőfi", "Bartók"};
        picker.setRowCount(1200);
        picker.setTitleSource([&stations](int row) { return stations.at(row % stations.size()); });
        QCOMPARE(picker.title(1200), QString());
        const int revision = picker.titlesRevision();
        picker.reloadTitles(); // QML's title bindings read the revision, to be evaluated again
        QVERIFY(picker.titlesRevision() != revision);
        picker.selectRow(1199);
        QVERIFY(!picker.pick(1200));
        QVERIFY(picker.pick(602));
        const QJsonObject d = picker.describe();
        QCOMPARE(d.value("row").toInt(), 602);
        QCOMPARE(d.value("title").toString(), QString("Bartók"));

        picker.setRowCount(10);
        QCOMPARE(picker.selectedRow(), 9);
        picker.setRowCount(0);
        QCOMPARE(picker.selectedRow(), -1);
    }

    void tableCommitsOnlyTheControlARowShows_data() {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<int>("rowStyle");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("committed");
        QTest::newRow("delete in edit mode") << true << int(Table::Delete) << int(Table::Delete) << true;
        QTest::newRow("insert in edit mode") << true << int(Table::Insert) << int(Table::Insert) << true;
        QTest::newRow("browse mode") << false << int(Table::Delete) << int(Table::Delete) << false;
        QTest::newRow("row without control") << true << int(Table::None) << int(Table::None) << false;
        QTest::newRow("insert on a delete row") << true << int(Table::Delete) << int(Table::Insert) << false;
        QTest::newRow("delete on the add row") << true << int(Table::Insert) << int(Table::Delete) << false;
    }

    void tableCommitsOnlyTheControlARowShows() {
        QFETCH(bool, editing);
        QFETCH(int, rowStyle);
        QFETCH(int, style);
        QFETCH(bool, committed);
        Table table;
        table.setRows({SlotRow, {"Új időpont hozzáadása", {}, TableRow::Accessory::None, rowStyle}});
        table.setEditing(editing);
        QSignalSpy commits(&table, &Table::rowCommitted);
        QCOMPARE(table.commit(1, style), committed);
        QCOMPARE(QList<QVariantList>(commits),
                 (committed ? QList<QVariantList>{{1, style}} : QList<QVariantList>{}));
        QVERIFY(!table.commit(2, style));
    }

    void tableSelectsInEditModeOnlyWhenAllowedAndDescribesItsRows() {
        Table table;
        const TableRow full{"Időpont nem adható hozzá", {}, TableRow::Accessory::None, Table::None};
        table.setRows({SlotRow, full});
        QSignalSpy selected(&table, &Table::rowSelected);
        QVERIFY(table.select(1));
        table.setEditing(true);
        QVERIFY(!table.select(1));
        table.setAllowsSelectionDuringEditing(true);
        QVERIFY(table.select(0));
        QVERIFY(!table.select(2));
        QCOMPARE(QList<QVariantList>(selected), (QList<QVariantList>{{1}, {0}}));

        const QJsonObject d = table.describe();
        QCOMPARE(d.value("editing").toBool(), true);
        QCOMPARE(
            d.value("rows").toArray(),
            (QJsonArray{QJsonObject{{"text", SlotRow.text}, {"accessory", "disclosure"}, {"style", "delete"}},
                        QJsonObject{{"text", full.text}, {"accessory", QJsonValue()}, {"style", "none"}}}));
        QAbstractItemModel* model = table.model();
        QCOMPARE(model->data(model->index(0, 0), TableRowModel::Detail).toString(), QString("x"));
    }
};

QTEST_GUILESS_MAIN(TestViewElements)
#include "tst_viewelements.moc"
