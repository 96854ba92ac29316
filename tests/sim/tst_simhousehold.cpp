#include "DocumentPath.h"

#include "sim/Controller.h"

#include <QtTest>

using namespace otthon::sim;
using namespace std::chrono_literals;

namespace {

ControllerOptions steady() {
    ControllerOptions options;
    options.steady = true;
    return options;
}

QJsonArray send(Controller& controller, const QString& command, Millis now = 0ms) {
    return parseDocument(controller.receive(command.toStdString(), now).body);
}

// Sends space-separated commands in turn ("" is one poll) and returns the last reply.
QJsonArray sendAll(Controller& controller, const QString& commands) {
    QJsonArray reply;
    for (const QString& command : commands.split(' '))
        reply = send(controller, command);
    return reply;
}

QString textAt(const QJsonArray& document, const QString& path) {
    return valueAt(document, path).toString();
}

} // namespace

class SimHousehold : public QObject {
    Q_OBJECT
private slots:
    void commandChangesItsPositions_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("expected"); // "path=text ..."
        const auto row = [](const char* commands, const char* expected) {
            QTest::newRow(commands) << QString(commands) << QString(expected);
        };
        row("kapu:K1", "0/5/1=0 0/6/1=1");
        row("kapu:K2", "0/6/1=0 0/5/1=1");
        row("temp:Nappali:25:0:0", "2/1/1=25 2/1/3=0 2/0/1=21");
        row("temp:Halo:18:0:0 temp:Halo:18:0:1", "2/0/1=18 2/0/3=1 2/1/1=22");
        row("radio:BE:40:7", "3/0/0=40 3/0/1=7 3/0/2=1");
        row("radio:BE:40:7 radio:KI", "3/0/0=40 3/0/1=7 3/0/2=0");
        row("Allsett:Medence:0", "3/1/2=0");
        row("Allsett:Medence:0 Allsett:Medence:1", "3/1/2=1");
        row("Ontozosett:0:1:0:0:1:0:0:1", "3/2/2=0 3/3/2=1 3/4/2=0 3/5/2=0 3/6/2=1 3/8/2=0 3/9/2=1");
        row("Pooladd:0:0:0", "5/3/0=0:0 5/3/1=0");
        row("Pooldel:8:0:45", "5/0/0=14:30 5/1/0=19:5");
        row("Poolup:7:5:20:14:30:40", "5/0/0=8:0 5/1/0=7:5 5/1/1=20 5/2/0=19:5");
        row("Pooladd:0:0:0 Poolup:21:0:30:0:0:0 Pooladd:0:0:0", "5/3/0=21:0 5/4/0=0:0");
        row("Ontozoadd:0:0:0:Z1", "1/5/0=Z1 1/5/1=0:0 1/5/2=0");
        row("Ontozodel:5:30:15:Z1", "1/0/0=Z2 1/0/1=5:45");
        row("Ontozoup:7:5:20:Z4:5:45:15:Z2", "1/1/0=Z4 1/1/1=7:5 1/1/2=20 1/2/0=Z3");
        // The placeholder is Z1 0:0 0 only: another zone at 0:0 does not stop an add.
        row("Ontozoup:0:0:0:Z2:5:30:15:Z1 Ontozoadd:0:0:0:Z1", "1/0/0=Z2 1/5/0=Z1");
    }

    void commandChangesItsPositions() {
        QFETCH(QString, commands);
        QFETCH(QString, expected);
        Controller controller(steady());
        const QJsonArray reply = sendAll(controller, commands);
        QCOMPARE(textAt(reply, "6/0"), QString("OK"));
        for (const QString& check : expected.split(' '))
            QCOMPARE(textAt(reply, check.section('=', 0, 0)), check.section('=', 1));
        // The next poll reports the same state.
        QCOMPARE(withoutReport(send(controller, "")), withoutReport(reply));
    }

    // Refusals that need the household; the parser's own are in tst_simcommands.
    void refusalLeavesStateAndIsReportedOnce_data() {
        QTest::addColumn<QString>("commands"); // the last one is refused
        QTest::addColumn<QString>("setting");
        const auto row = [](const char* commands, const char* setting) {
            QTest::newRow(commands) << QString(commands) << QString(setting);
        };
        row("temp:Halo:22:0:5", "Halo");
        row("radio:BE:40:10", "Radio");
        row("Pooladd:0:0:0 Pooladd:0:0:0", "Medence idopont");
        row("Pooldel:8:0:46", "Medence idopont");
        row("Poolup:7:5:20:14:31:40", "Medence idopont");
        row("Ontozoadd:0:0:0:Z1 Ontozoadd:0:0:0:Z1", "Ontozo idopont");
        row("Ontozodel:5:30:15:Z2", "Ontozo idopont");
        row("Ontozoup:7:5:20:Z4:5:45:15:Z3", "Ontozo idopont");
    }

    void refusalLeavesStateAndIsReportedOnce() {
        QFETCH(QString, commands);
        QFETCH(QString, setting);
        Controller controller(steady());
        QStringList sequence = commands.split(' ');
        const QString refused = sequence.takeLast();
        const QJsonArray before = sendAll(controller, sequence.join(' '));
        const QJsonArray reply = send(controller, refused);
        QCOMPARE(valueAt(reply, "6").toArray(), (QJsonArray{"HIBA", setting}));
        QCOMPARE(withoutReport(reply), withoutReport(before));
        QCOMPARE(QString::fromStdString(controller.log().entries().back().refused), setting);
        QCOMPARE(valueAt(send(controller, ""), "6").toArray(), QJsonArray{"OK"});
    }

    void gateOpensThenLocksAgain() {
        ControllerOptions options = steady();
        options.gateOpenFor = 4s;
        Controller controller(options);
        QCOMPARE(textAt(send(controller, "kapu:K1", 10s), "0/5/1"), QString("0"));
        QCOMPARE(textAt(send(controller, "", 13'999ms), "0/5/1"), QString("0"));
        QCOMPARE(textAt(send(controller, "", 14s), "0/5/1"), QString("1"));
        // A second command while open keeps it open from that moment on.
        send(controller, "kapu:K2", 20s);
        send(controller, "kapu:K2", 23s);
        QCOMPARE(textAt(send(controller, "", 26s), "0/6/1"), QString("0"));
        QCOMPARE(textAt(send(controller, "", 27s), "0/6/1"), QString("1"));
    }

    void driftIsReproducibleFromTheSeed() {
        ControllerOptions options;
        options.seed = 42;
        Controller first(options);
        Controller second(options);
        options.seed = 43;
        Controller other(options);
        QJsonArray a, c;
        bool rained = false;
        for (Millis now = 0ms; now <= 2h; now += 3s) {
            a = send(first, "", now);
            c = send(other, "", now);
            QCOMPARE(send(second, "", now), a);
            rained = rained || textAt(a, "0/3/1") == "1";
            const double outside = textAt(a, "0/2/1").toDouble();
            QVERIFY2(outside > -10 && outside < 25, qPrintable(textAt(a, "0/2/1")));
            const double living = textAt(a, "0/1/1").toDouble(); // near its setpoint of 22
            QVERIFY(living > 20 && living < 24);
        }
        QVERIFY(rained);
        QVERIFY(withoutReport(a) != withoutReport(c));
    }

    void steadyModeDoesNotDrift() {
        Controller controller(steady());
        const QJsonArray start = send(controller, "", 0ms);
        QCOMPARE(send(controller, "", 5h), start);
    }
};

QTEST_APPLESS_MAIN(SimHousehold)
#include "tst_simhousehold.moc"
