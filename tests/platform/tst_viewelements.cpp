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

using namespace otthon;

namespace {

// One gesture on one kind of element, set up so that the gesture would go through and raise its user signal.
struct GestureCase {
    std::unique_ptr<ViewElement> element;
    std::function<bool()> perform;
    std::unique_ptr<QSignalSpy> userSignal;
};

template <class T, class Signal>
GestureCase gestureCase(std::unique_ptr<T> element, Signal signal, std::function<bool(T&)> perform) {
    T& e = *element;
    GestureCase c;
    c.userSignal = std::make_unique<QSignalSpy>(&e, signal);
    c.perform = [&e, perform] { return perform(e); };
    c.element = std::move(element);
    return c;
}

GestureCase makeCase(const QString& gesture) {
    if (gesture == "button tap")
        return gestureCase<Button>(std::make_unique<Button>(), &Button::tapped,
                                   [](Button& b) { return b.tap(); });
    if (gesture == "slider slide")
        return gestureCase<Slider>(std::make_unique<Slider>(), &Slider::valueChangedByUser,
                                   [](Slider& s) { return s.slide(0.5); });
    if (gesture == "switch toggle")
        return gestureCase<Switch>(std::make_unique<Switch>(), &Switch::toggledByUser,
                                   [](Switch& s) { return s.toggle(true); });
    if (gesture == "segmented select") {
        auto control = std::make_unique<SegmentedControl>();
        control->setTitles({"Ki", "Be"});
        control->setSelectedIndex(0);
        return gestureCase<SegmentedControl>(std::move(control), &SegmentedControl::selectedByUser,
                                             [](SegmentedControl& s) { return s.select(1); });
    }
    if (gesture == "picker pick") {
        auto picker = std::make_unique<Picker>();
        picker->setRowCount(1200);
        return gestureCase<Picker>(std::move(picker), &Picker::pickedByUser,
                                   [](Picker& p) { return p.pick(605); });
    }
    auto table = std::make_unique<Table>();
    table->setRows({{"1. Időpont / 6:30-15 /", {}, TableRow::Accessory::Disclosure, Table::Delete}});
    if (gesture == "table select")
        return gestureCase<Table>(std::move(table), &Table::rowSelected,
                                  [](Table& t) { return t.select(0); });
    table->setEditing(true);
    return gestureCase<Table>(std::move(table), &Table::rowCommitted,
                              [](Table& t) { return t.commit(0, Table::Delete); });
}

} // namespace

class TestViewElements : public QObject {
    Q_OBJECT

private slots:
    void gestureGate_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("gate");
        const QStringList gestures{"button tap",  "slider slide", "switch toggle", "segmented select",
                                   "picker pick", "table select", "table commit"};
        for (const QString& gesture : gestures)
            for (const char* gate : {"open", "disabled", "hidden", "interaction off"})
                QTest::addRow("%s, %s", qPrintable(gesture), gate) << gesture << QString::fromLatin1(gate);
    }

    void gestureGate() {
        QFETCH(QString, gesture);
        QFETCH(QString, gate);
        GestureCase c = makeCase(gesture);
        c.element->setEnabled(gate != "disabled");
        c.element->setHidden(gate == "hidden");
        c.element->setInteractive(gate != "interaction off");
        const bool open = gate == "open";
        QCOMPARE(c.element->acceptsGestures(), open);
        const QJsonObject before = c.element->describe();

        QCOMPARE(c.perform(), open);
        QCOMPARE(c.userSignal->count(), open ? 1 : 0);
        if (!open)
            QCOMPARE(c.element->describe(), before);
    }

    void gateSignalFollowsAllThreeFlags() {
        Button button;
        QSignalSpy gate(&button, &ViewElement::acceptsGesturesChanged);
        button.setEnabled(false);
        button.setHidden(true); // still closed: no change of the gate
        button.setEnabled(true);
        button.setHidden(false);
        QCOMPARE(gate.count(), 2);
        QVERIFY(button.acceptsGestures());
    }

    void sliderClampsIntoItsRange_data() {
        QTest::addColumn<double>("slid");
        QTest::addColumn<float>("expected");
        QTest::newRow("inside") << 21.6 << 21.6f;
        QTest::newRow("below minimum") << 5.0 << 10.0f;
        QTest::newRow("above maximum") << 35.5 << 30.0f;
        QTest::newRow("on maximum") << 30.0 << 30.0f;
    }

    void sliderClampsIntoItsRange() {
        QFETCH(double, slid);
        QFETCH(float, expected);
        Slider slider;
        slider.setRange(10, 30);
        slider.setValue(20);
        QVERIFY(slider.slide(slid));
        QCOMPARE(slider.value(), expected);
        slider.setValue(float(slid));
        QCOMPARE(slider.value(), expected);
    }

    void sliderRaisesTheUserSignalOnlyForUserMoves() {
        Slider slider;
        slider.setRange(0, 100);
        QSignalSpy user(&slider, &Slider::valueChangedByUser);
        QSignalSpy value(&slider, &Slider::valueChanged);

        slider.setValue(40);
        QCOMPARE(value.count(), 1);
        QCOMPARE(user.count(), 0);

        QVERIFY(slider.slide(42.7));
        QCOMPARE(user.count(), 1);
        QCOMPARE(slider.value(), 42.7f);

        // At the maximum, a drag further up moves nothing and tells nothing.
        slider.setValue(100);
        QVERIFY(slider.slide(120));
        QCOMPARE(user.count(), 1);

        QVERIFY(!slider.slide(std::nan("")));
        QCOMPARE(slider.value(), 100.0f);
    }

    void sliderFollowsANarrowedRange() {
        Slider slider;
        slider.setRange(0, 100);
        slider.setValue(80);
        QSignalSpy user(&slider, &Slider::valueChangedByUser);
        slider.setMaximum(50);
        QCOMPARE(slider.value(), 50.0f);
        slider.setMinimum(70); // raises the maximum along
        QCOMPARE(slider.maximum(), 70.0f);
        QCOMPARE(slider.value(), 70.0f);
        QCOMPARE(user.count(), 0);
    }

    void switchTellsOnlyUserFlips() {
        Switch sw;
        QSignalSpy user(&sw, &Switch::toggledByUser);
        sw.setOn(true);
        QCOMPARE(user.count(), 0);
        QVERIFY(sw.toggle(true)); // already on: not a change
        QCOMPARE(user.count(), 0);
        QVERIFY(sw.toggle(false));
        QCOMPARE(user.count(), 1);
        QVERIFY(!sw.isOn());
    }

    void segmentedControlKeepsItsSelectionWithinTheSegments() {
        SegmentedControl control;
        control.setTitles({"Ki", "Be"});
        QSignalSpy user(&control, &SegmentedControl::selectedByUser);
        QVERIFY(!control.select(2));
        QVERIFY(control.select(1));
        QVERIFY(control.select(1));
        QCOMPARE(user.count(), 1);
        control.setTitles({"Egy"});
        QCOMPARE(control.selectedIndex(), -1);
        QCOMPARE(control.describe().value("selected").toInt(), -1);
    }

    void pickerTitlesComeFromTheSource() {
        Picker picker;
        const QStringList stations{"Kossuth", "Petőfi", "Bartók"};
        picker.setRowCount(1200);
        picker.setTitleSource([&stations](int row) { return stations.at(row % stations.size()); });
        QCOMPARE(picker.title(601), QString("Petőfi"));
        QCOMPARE(picker.title(1200), QString());

        QSignalSpy titles(&picker, &Picker::titlesChanged);
        const int revision = picker.titlesRevision();
        picker.reloadTitles();
        QCOMPARE(titles.count(), 1);
        QVERIFY(picker.titlesRevision() != revision);

        picker.selectRow(602);
        const QJsonObject d = picker.describe();
        QCOMPARE(d.value("row").toInt(), 602);
        QCOMPARE(d.value("title").toString(), QString("Bartók"));
    }

    void pickerTellsEveryUserPickButNoCodeSelection() {
        Picker picker;
        picker.setRowCount(1200);
        QSignalSpy picked(&picker, &Picker::pickedByUser);
        picker.selectRow(600);
        QCOMPARE(picked.count(), 0);
        QVERIFY(picker.pick(600)); // the wheel came back to rest on the same row
        QVERIFY(picker.pick(1199));
        QVERIFY(!picker.pick(1200));
        QCOMPARE(picked.count(), 2);
        QCOMPARE(picked.at(1).at(0).toInt(), 1199);
        QCOMPARE(picker.selectedRow(), 1199);

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
        table.setRows({{"1. Időpont / 6:30-15 /", {}, TableRow::Accessory::Disclosure, Table::Delete},
                       {"Új időpont hozzáadása", {}, TableRow::Accessory::None, rowStyle}});
        table.setEditing(editing);
        QSignalSpy commits(&table, &Table::rowCommitted);
        QCOMPARE(table.commit(1, style), committed);
        QCOMPARE(commits.count(), committed ? 1 : 0);
        if (committed)
            QCOMPARE(commits.at(0), (QVariantList{1, style}));
        QVERIFY(!table.commit(2, style));
    }

    void tableSelectsInEditModeOnlyWhenAllowed() {
        Table table;
        table.setRows({{"a", {}, {}, Table::Delete}, {"b", {}, {}, Table::Delete}});
        QSignalSpy selected(&table, &Table::rowSelected);
        QVERIFY(table.select(1));
        table.setEditing(true);
        QVERIFY(!table.select(1));
        table.setAllowsSelectionDuringEditing(true);
        QVERIFY(table.select(0));
        QVERIFY(!table.select(2));
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected.at(1).at(0).toInt(), 0);
    }

    void tableDescribesItsRows() {
        Table table;
        table.setRows({{"1. Időpont / 6:30-15 /", "x", TableRow::Accessory::Disclosure, Table::Delete},
                       {"Időpont nem adható hozzá", {}, TableRow::Accessory::None, Table::None}});
        table.setEditing(true);
        const QJsonObject d = table.describe();
        QCOMPARE(d.value("kind").toString(), QString("table"));
        QCOMPARE(d.value("editing").toBool(), true);
        const QJsonArray rows = d.value("rows").toArray();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).toObject(),
                 (QJsonObject{
                     {"text", "1. Időpont / 6:30-15 /"}, {"accessory", "disclosure"}, {"style", "delete"}}));
        QVERIFY(rows.at(1).toObject().value("accessory").isNull());
        QCOMPARE(rows.at(1).toObject().value("style").toString(), QString("none"));
        QCOMPARE(table.property("rows").toList().at(0).toMap().value("detail").toString(), QString("x"));
    }
};

QTEST_GUILESS_MAIN(TestViewElements)
#include "tst_viewelements.moc"
