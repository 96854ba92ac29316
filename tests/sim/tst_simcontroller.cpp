#include "sim/Controller.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using namespace otthon::sim;
using namespace std::chrono_literals;

namespace {

ControllerOptions steady(Millis gateOpenFor = 6s) {
    ControllerOptions options;
    options.steady = true;
    options.gateOpenFor = gateOpenFor;
    return options;
}

// The value at an "element/row/column" path of a status document.
QJsonValue valueAt(const QJsonArray& document, const QString& path) {
    QJsonValue value = document;
    for (const QString& step : path.split('/'))
        value = value.toArray().at(step.toInt());
    return value;
}

QString textAt(const QJsonArray& document, const QString& path) {
    return valueAt(document, path).toString();
}

QJsonArray send(Controller& controller, const QString& command, Millis now = 0ms) {
    const Reply reply = controller.receive(command.toStdString(), now);
    return QJsonDocument::fromJson(QByteArray::fromStdString(reply.body)).array();
}

// A document without its error report.
QJsonArray state(QJsonArray document) {
    document.removeAt(6);
    return document;
}

} // namespace

// Command handling: what the parser refuses, what the household rules refuse, and what commands change.
class SimController : public QObject {
    Q_OBJECT
private slots:
    // Values at their bounds, and what the end-to-end tests leave out: radio off, every irrigation switch,
    // and schedule slots that are not the last.
    void commandChangesItsPositions_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("expected"); // "path=text ..."
        const auto row = [](const char* commands, const char* expected) {
            QTest::newRow(commands) << QString(commands) << QString(expected);
        };
        row("temp:Halo:5:0:0 temp:Nappali:35:0:1", "2/0/1=5 2/0/3=0 2/1/1=35 2/1/3=1");
        row("radio:BE:100:9 radio:KI", "3/0/0=100 3/0/1=9 3/0/2=0");
        row("Ontozosett:0:1:0:0:1:0:0:1", "3/2/2=0 3/3/2=1 3/4/2=0 3/5/2=0 3/6/2=1 3/8/2=0 3/9/2=1");
        row("Pooldel:8:0:45", "5/0/0=14:30 5/1/0=19:5");
        row("Poolup:23:59:59:14:30:40", "5/0/0=8:0 5/1/0=23:59 5/1/1=59 5/2/0=19:5");
        row("Pooladd:0:0:0 Poolup:21:0:30:0:0:0 Pooladd:0:0:0", "5/3/0=21:0 5/4/0=0:0");
        row("Ontozodel:5:30:15:Z1", "1/0/0=Z2 1/0/1=5:45");
        row("Ontozoup:7:5:20:Z4:5:45:15:Z2", "1/1/0=Z4 1/1/1=7:5 1/1/2=20 1/2/0=Z3");
        // The placeholder is Z1 0:0 0 only: another zone at 0:0 does not stop an add.
        row("Ontozoup:0:0:0:Z2:5:30:15:Z1 Ontozoadd:0:0:0:Z1", "1/0/0=Z2 1/5/0=Z1");
    }

    void commandChangesItsPositions() {
        QFETCH(QString, commands);
        QFETCH(QString, expected);
        Controller controller(steady());
        QJsonArray reply;
        for (const QString& command : commands.split(' '))
            reply = send(controller, command);
        for (const QString& check : expected.split(' '))
            QCOMPARE(textAt(reply, check.section('=', 0, 0)), check.section('=', 1));
        QCOMPARE(state(send(controller, "")), state(reply)); // the next poll reports the same state
    }

    void refusalLeavesStateAndIsReportedOnce_data() {
        QTest::addColumn<QString>("commands"); // the last one is refused
        QTest::addColumn<QString>("setting");
        const auto rows = [](const char* setting, std::initializer_list<const char*> commands) {
            for (const char* command : commands)
                QTest::newRow(command) << QString(command) << QString(setting);
        };
        // Unknown verbs (case-sensitive), wrong field counts, unknown device words, raw queries.
        rows("parancs", {"?foo=bar", "Kapu:K1", "temp:Nappali:22:0", "Allsett:Szauna:1", "Pooladd:0:0"});
        // Values out of range or of the wrong form (signs, decimals, leading zeros), and slots that the
        // schedules do not hold, or a second placeholder.
        rows("Kapu", {"kapu:K3"});
        rows("Nappali", {"temp:Nappali:4:0:1", "temp:Nappali:36:0:1"});
        rows("Halo", {"temp:Halo:22:0:2", "temp:Halo:22.5:0:1", "temp:Halo:-5:0:1"});
        rows("Radio", {"radio:BE:101:3", "radio:BE:40:x", "radio:BE:40:10"});
        rows("Medence", {"Allsett:Medence:2"});
        rows("Ontozo", {"Ontozosett:1:1:0:0:2:0:0:0"});
        rows("Medence idopont", {"Pooladd:24:0:0", "Pooladd:0:60:0", "Pooladd:07:5:20",
                                 "Pooladd:0:0:0 Pooladd:0:0:0", "Pooldel:8:0:46", "Poolup:7:5:20:14:31:40"});
        rows("Ontozo idopont", {"Ontozoadd:0:0:0:Z7", "Ontozoadd:0:0:0:z1",
                                "Ontozoadd:0:0:0:Z1 Ontozoadd:0:0:0:Z1", "Ontozodel:5:30:15:Z2"});
    }

    void refusalLeavesStateAndIsReportedOnce() {
        QFETCH(QString, commands);
        QFETCH(QString, setting);
        Controller controller(steady());
        QStringList sequence = commands.split(' ');
        const QString refused = sequence.takeLast();
        for (const QString& command : sequence)
            send(controller, command);
        const QJsonArray before = state(send(controller, ""));
        const QJsonArray reply = send(controller, refused);
        QCOMPARE(valueAt(reply, "6").toArray(), (QJsonArray{"HIBA", setting}));
        QCOMPARE(state(reply), before);
        QCOMPARE(valueAt(send(controller, ""), "6").toArray(), QJsonArray{"OK"});
    }

    void gateOpensThenLocksAgain() {
        Controller controller(steady(4s));
        QCOMPARE(textAt(send(controller, "kapu:K1", 10s), "0/5/1"), QString("0"));
        QCOMPARE(textAt(send(controller, "", 13'999ms), "0/5/1"), QString("0"));
        QCOMPARE(textAt(send(controller, "", 14s), "0/5/1"), QString("1"));
        // A second command while open keeps it open from that moment on.
        send(controller, "kapu:K2", 20s);
        send(controller, "kapu:K2", 23s);
        QCOMPARE(textAt(send(controller, "", 26s), "0/6/1"), QString("0"));
        QCOMPARE(textAt(send(controller, "", 27s), "0/6/1"), QString("1"));
    }

    // Below zero, a reading keeps its sign also without whole degrees; an empty schedule is null.
    void documentKeepsItsForm() {
        Controller controller(steady());
        controller.change([](Household& h) {
            h.outside.tenths = -5;
            h.poolSchedule.clear();
        });
        const QJsonArray document = send(controller, "");
        QCOMPARE(textAt(document, "0/2/1"), QString("-0.5"));
        QVERIFY(valueAt(document, "5").isNull());
    }
};

QTEST_APPLESS_MAIN(SimController)
#include "tst_simcontroller.moc"
