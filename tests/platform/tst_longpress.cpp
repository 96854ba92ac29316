#include "platform/VirtualScheduler.h"
#include "platform/ui/Button.h"
#include "platform/ui/LongPress.h"

#include <QMetaEnum>
#include <QPointer>
#include <QTest>

using namespace otthon;

namespace {

// A gate-like button with a 2 s, 20 point long press, recording every state it reports.
struct Press {
    VirtualScheduler scheduler;
    Button button;
    LongPress* recogniser = new LongPress(button, scheduler);
    QStringList states;

    Press() {
        recogniser->setMinimumDuration(2.0);
        recogniser->setAllowableMovement(20.0);
        QObject::connect(recogniser, &LongPress::stateChanged, [this](LongPress::State state) {
            states.append(QString::fromLatin1(QMetaEnum::fromType<LongPress::State>().valueToKey(state)));
        });
    }

    // Runs a script of touches and waits: "down", "move X Y", "wait S", "up", "cancel".
    void run(const QString& script) {
        for (const QString& step : script.split(';', Qt::SkipEmptyParts)) {
            const QStringList words = step.split(' ', Qt::SkipEmptyParts);
            if (words[0] == "down")
                button.touchDown(QPointF(100, 100));
            else if (words[0] == "move")
                button.touchMove(QPointF(100 + words[1].toDouble(), 100 + words[2].toDouble()));
            else if (words[0] == "wait")
                scheduler.advance(words[1].toDouble());
            else if (words[0] == "up")
                button.touchUp();
            else if (words[0] == "cancel")
                button.touchCancel();
        }
    }
};

} // namespace

class TestLongPress : public QObject {
    Q_OBJECT

private slots:
    void states_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("states");
        QTest::newRow("lifted at 1.9 s") << "down; wait 1.9; up; wait 5"
                                         << "Failed";
        QTest::newRow("held 2.0 s") << "down; wait 2.0"
                                    << "Began";
        QTest::newRow("held 2.0 s and lifted") << "down; wait 2.0; up"
                                               << "Began Ended";
        QTest::newRow("moved 21 points") << "down; wait 1; move 21 0; wait 2; up"
                                         << "Failed";
        QTest::newRow("moved 20 points") << "down; move 12 16; wait 2; up"
                                         << "Began Ended";
        QTest::newRow("moved away and back") << "down; move 0 25; move 0 0; wait 3; up"
                                             << "Failed";
        QTest::newRow("moved after it began") << "down; wait 2; move 50 50; up"
                                              << "Began Changed Ended";
        QTest::newRow("cancelled after it began") << "down; wait 2.5; cancel; up"
                                                  << "Began Cancelled";
        QTest::newRow("cancelled before it began") << "down; wait 1; cancel; wait 2"
                                                   << "Failed";
        QTest::newRow("a second press after a failed one") << "down; up; down; wait 2; up"
                                                           << "Failed Began Ended";
        QTest::newRow("touches without a press") << "move 1 1; up; cancel"
                                                 << "";
    }

    void states() {
        QFETCH(QString, script);
        QFETCH(QString, states);
        Press press;
        press.run(script);
        QCOMPARE(press.states.join(' '), states);
    }

    void aDisabledViewIgnoresThePress() {
        Press press;
        press.button.setEnabled(false);
        QVERIFY(!press.recogniser->touchDown(QPointF(1, 1)));
        press.run("wait 3; up");
        QVERIFY(press.states.isEmpty());
        QCOMPARE(press.scheduler.activeTimers(), 0);
        QCOMPARE(press.recogniser->state(), LongPress::Possible);
    }

    void aViewThatStopsAcceptingGesturesEndsThePress_data() {
        QTest::addColumn<double>("heldFor");
        QTest::addColumn<QString>("states");
        QTest::newRow("before it began") << 1.0 << "Failed";
        QTest::newRow("after it began") << 2.5 << "Began Cancelled";
    }

    void aViewThatStopsAcceptingGesturesEndsThePress() {
        QFETCH(double, heldFor);
        QFETCH(QString, states);
        Press press;
        press.run("down");
        press.scheduler.advance(heldFor);
        press.button.setHidden(true);
        press.button.setHidden(false);
        press.run("wait 3; up");
        QCOMPARE(press.states.join(' '), states);
    }

    void touchUpTellsWhetherThePressWasRecognised() {
        Press press;
        press.run("down; wait 1");
        QVERIFY(!press.button.touchUp());
        press.run("down; wait 2");
        QVERIFY(press.button.touchUp());
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
        first->setMinimumDuration(1);
        second->setMinimumDuration(1);
        int secondStates = 0;
        QObject::connect(first, &LongPress::stateChanged, [&](LongPress::State s) {
            if (s == LongPress::Ended)
                delete second;
        });
        QObject::connect(second, &LongPress::stateChanged, [&](LongPress::State) { ++secondStates; });
        button.touchDown(QPointF(0, 0));
        scheduler.advance(1);
        QVERIFY(button.touchUp());
        QCOMPARE(secondStates, 1); // Began only
    }
};

QTEST_GUILESS_MAIN(TestLongPress)
#include "tst_longpress.moc"
