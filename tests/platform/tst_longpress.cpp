#include "platform/VirtualScheduler.h"
#include "platform/ui/Button.h"
#include "platform/ui/LongPress.h"

#include <QMetaEnum>
#include <QPointer>
#include <QTest>

#include <functional>
#include <map>

using namespace otthon;

class TestLongPress : public QObject {
    Q_OBJECT

private slots:
    // A script of touches, waits and changes of the view's gate on a 2 s, 20 point long press => its states.
    void states_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("lifted at 1.9 s") << "down; wait 1.9; up; wait 5 => Failed";
        QTest::newRow("held 2.0 s") << "down; wait 2.0 => Began";
        QTest::newRow("moved 21 points") << "down; wait 1; move 21 0; wait 2; up => Failed";
        QTest::newRow("moved 20 points") << "down; move 12 16; wait 2; up => Began Ended";
        QTest::newRow("moved away and back") << "down; move 0 25; move 0 0; wait 3; up => Failed";
        QTest::newRow("moved after it began") << "down; wait 2; move 50 50; up => Began Changed Ended";
        QTest::newRow("cancelled after it began") << "down; wait 2.5; cancel; up => Began Cancelled";
        QTest::newRow("cancelled before it began") << "down; wait 1; cancel; wait 2 => Failed";
        QTest::newRow("again after a failed press") << "down; up; down; wait 2; up => Failed Began Ended";
        QTest::newRow("touches without a press") << "move 1 1; up; cancel => ";
        QTest::newRow("disabled view") << "disable; down; wait 3; up => ";
        QTest::newRow("hidden before it began") << "down; wait 1; hide; show; wait 3; up => Failed";
        QTest::newRow("hidden after it began") << "down; wait 2.5; hide; show; wait 3; up => Began Cancelled";
    }

    void states() {
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

    void theRecogniserGoesWithItsView() {
        VirtualScheduler scheduler;
        auto* button = new Button;
        QPointer<LongPress> recogniser = new LongPress(*button, scheduler);
        button->touchDown(QPointF(0, 0));
        QCOMPARE(scheduler.activeTimers(), 1);
        delete button;
        QVERIFY(recogniser.isNull());
        QCOMPARE(scheduler.activeTimers(), 0);
    }

    void aRecogniserDeletedByAHandlerIsNotVisitedAgain() {
        VirtualScheduler scheduler;
        Button button;
        auto* first = new LongPress(button, scheduler);
        auto* second = new LongPress(button, scheduler);
        int secondStates = 0;
        connect(first, &LongPress::stateChanged, [&](LongPress::State s) {
            if (s == LongPress::Ended)
                delete second;
        });
        connect(second, &LongPress::stateChanged, [&] { ++secondStates; });
        button.touchDown(QPointF(0, 0));
        scheduler.advance(1);
        QVERIFY(button.touchUp());
        QCOMPARE(secondStates, 1); // Began only
    }
};

QTEST_GUILESS_MAIN(TestLongPress)
#include "tst_longpress.moc"
