#include "platform/VirtualScheduler.h"
#include "platform/ui/Button.h"
#include "platform/ui/LongPress.h"
#include "platform/ui/Picker.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "platform/ui/Table.h"

#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>
#include <map>

using namespace otthon;

namespace {
const TableRow SlotRow{"1. Időpont / 6:30-15 /", "x", TableRow::Accessory::Disclosure, Table::Delete};
} // namespace

// Gestures on view elements: the gate that lets them through, the bounds of their values, and the long press.
class TestGestures : public QObject {
    Q_OBJECT

private slots:
    // A disabled, hidden or non-interactive element takes no gesture and raises no user signal.
    void gestureGate() {
        Button button;
        Slider slider;
        Switch toggle;
        SegmentedControl segments;
        segments.setTitles({"Ki", "Be"});
        Picker picker;
        picker.setRowCount(1200);
        Table table;
        table.setRows({SlotRow});
        table.setEditing(true);
        int userSignals = 0;
        const auto count = [&userSignals] { ++userSignals; };
        connect(&button, &Button::tapped, count);
        connect(&slider, &Slider::valueChangedByUser, count);
        connect(&toggle, &Switch::toggledByUser, count);
        connect(&segments, &SegmentedControl::selectedByUser, count);
        connect(&picker, &Picker::pickedByUser, count);
        connect(&table, &Table::rowCommitted, count);
        const auto gestures = [&] {
            return QList<bool>{button.tap(),       slider.slide(0.5), toggle.toggle(true),
                               segments.select(1), picker.pick(605),  table.commit(0, Table::Delete)};
        };
        const QList<ViewElement*> all{&button, &slider, &toggle, &segments, &picker, &table};
        for (const QString gate : {"disabled", "hidden", "interaction off", ""}) { // "": all open
            for (ViewElement* element : all) {
                element->setEnabled(gate != "disabled");
                element->setHidden(gate == "hidden");
                element->setInteractive(gate != "interaction off");
            }
            QCOMPARE(gestures(), QList<bool>(all.size(), gate.isEmpty()));
        }
        QCOMPARE(userSignals, 6);
        // The same gesture again: a switch, a segment or a slider value set already is no change, but a
        // wheel that comes back to rest on its row is still a pick.
        gestures();
        QCOMPARE(userSignals, 9);
    }

    // Values come from QML and from automation lines: what is not there, or not shown, is refused, and a
    // slider keeps to its range, a wheel's row to its rows.
    void keepsInputToWhatIsThere() {
        SegmentedControl segments;
        segments.setTitles({"Ki", "Be"});
        QVERIFY(!segments.select(2) && !segments.select(-1));
        Slider slider;
        slider.setRange(10, 100);
        QVERIFY(!slider.slide(std::nan("")));
        QVERIFY(slider.slide(500));
        QCOMPARE(slider.value(), 100.0f);
        Picker picker;
        picker.setRowCount(1200);
        QVERIFY(!picker.pick(1200) && !picker.pick(-1) && picker.pick(1199));
        picker.setRowCount(10);
        QCOMPARE(picker.selectedRow(), 9);
        picker.setRowCount(0);
        QCOMPARE(picker.selectedRow(), -1);

        Table table;
        table.setRows({SlotRow, {"Új időpont hozzáadása", {}, TableRow::Accessory::None, Table::Insert}});
        QVERIFY(!table.select(2) && !table.select(-1));
        QVERIFY(!table.commit(0, Table::Delete)); // not in edit mode
        table.setEditing(true);
        QVERIFY(!table.select(0));
        // Only the control a row shows commits it.
        QVERIFY(!table.commit(0, Table::Insert) && !table.commit(1, Table::Delete) &&
                !table.commit(2, Table::Delete));
        QVERIFY(table.commit(1, Table::Insert));
    }

    // A script of touches, waits and changes of the view's gate on a 2 s, 20 point long press => its states.
    void longPressStates_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("lifted at 1.9 s") << "down; wait 1.9; up; wait 5 => Failed";
        QTest::newRow("held 2.0 s") << "down; wait 2.0 => Began";
        QTest::newRow("moved 21 points") << "down; wait 1; move 21 0; wait 2; up => Failed";
        QTest::newRow("moved 20 points") << "down; move 12 16; wait 2; up => Began Ended";
        QTest::newRow("moved away and back") << "down; move 0 25; move 0 0; wait 3; up => Failed";
        QTest::newRow("moved after it began") << "down; wait 2; move 50 50; up => Began Changed Ended";
        QTest::newRow("cancelled after it began") << "down; wait 2.5; cancel; up => Began Cancelled";
        QTest::newRow("again after a failed press") << "down; up; down; wait 2; up => Failed Began Ended";
        QTest::newRow("disabled view") << "disable; down; wait 3; up => ";
        QTest::newRow("hidden before it began") << "down; wait 1; hide; show; wait 3; up => Failed";
        QTest::newRow("hidden after it began") << "down; wait 2.5; hide; show; wait 3; up => Began Cancelled";
    }

    void longPressStates() {
        QFETCH(QString, row);
        const QString script = row.section(" => ", 0, 0);
        VirtualScheduler scheduler;
        Button button;
        auto* recogniser = new LongPress(button, scheduler);
        recogniser->setMinimumDuration(2.0);
        recogniser->setAllowableMovement(20.0);
        QStringList states;
        connect(recogniser, &LongPress::stateChanged, [&states](LongPress::State state) {
            states.append(QString::fromLatin1(QMetaEnum::fromType<LongPress::State>().valueToKey(state)));
        });
        bool upRecognised = false;
        const std::map<QString, std::function<void(double, double)>> actions{
            {"down", [&](double, double) { button.touchDown(QPointF(100, 100)); }},
            {"move", [&](double x, double y) { button.touchMove(QPointF(100 + x, 100 + y)); }},
            {"wait", [&](double seconds, double) { scheduler.advance(seconds); }},
            {"up", [&](double, double) { upRecognised = button.touchUp(); }},
            {"cancel", [&](double, double) { button.touchCancel(); }},
            {"disable", [&](double, double) { button.setEnabled(false); }},
            {"hide", [&](double, double) { button.setHidden(true); }},
            {"show", [&](double, double) { button.setHidden(false); }},
        };
        for (const QString& step : script.split(';', Qt::SkipEmptyParts)) {
            const QStringList words = (step + " 0 0").split(' ', Qt::SkipEmptyParts);
            actions.at(words[0])(words[1].toDouble(), words[2].toDouble());
        }
        QCOMPARE(states.join(' '), row.section(" => ", 1));
        // A release that ends a recognised press tells QML not to take it as a tap as well.
        QCOMPARE(upRecognised, states.endsWith("Ended"));
        if (states.isEmpty())
            QCOMPARE(scheduler.activeTimers(), 0);
    }
};

QTEST_GUILESS_MAIN(TestGestures)
#include "tst_gestures.moc"
