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

} // namespace

class SimHousehold : public QObject {
    Q_OBJECT
private slots:
    void commandChangesItsPosition_data();
    void commandChangesItsPosition();
    void refusalLeavesStateAndIsReportedOnce_data();
    void refusalLeavesStateAndIsReportedOnce();
    void addsAfterTheLastSlotAndRefusesASecondPlaceholder();
    void updatesInPlaceAndEmptyScheduleIsNull();
    void irrigationPlaceholderIsOnlyZoneOne();
    void gateOpensThenLocksAgain();
    void driftIsReproducibleFromTheSeed();
    void steadyModeDoesNotDrift();
};

void SimHousehold::commandChangesItsPosition_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* command, const char* path, const char* expected) {
        QTest::newRow(name) << QString(command) << QString(path) << QString(expected);
    };
    row("gate 1", "kapu:K1", "0/5/1", "0");
    row("gate 2", "kapu:K2", "0/6/1", "0");
    row("gate 2 leaves gate 1", "kapu:K2", "0/5/1", "1");
    row("living-room setpoint", "temp:Nappali:25:0:0", "2/1/1", "25");
    row("living-room cooling", "temp:Nappali:25:0:0", "2/1/3", "0");
    row("bedroom setpoint", "temp:Halo:18:0:1", "2/0/1", "18");
    row("bedroom leaves living room", "temp:Halo:18:0:1", "2/1/1", "22");
    row("radio volume", "radio:BE:40:7", "3/0/0", "40");
    row("radio station", "radio:BE:40:7", "3/0/1", "7");
    row("radio on", "radio:BE:40:7", "3/0/2", "1");
    row("radio off keeps station", "radio:KI", "3/0/1", "2");
    row("radio off", "radio:KI", "3/0/2", "0");
    row("pool pump off", "Allsett:Medence:0", "3/1/2", "0");
    row("irrigation whole off", "Ontozosett:0:0:0:0:0:0:0:0", "3/2/2", "0");
    row("irrigation master", "Ontozosett:1:1:0:0:1:0:0:0", "3/3/2", "1");
    row("irrigation zone 3", "Ontozosett:1:1:0:0:1:0:0:0", "3/6/2", "1");
    row("irrigation zone 2 stays off", "Ontozosett:1:1:0:0:1:0:0:0", "3/5/2", "0");
    row("irrigation zone 6", "Ontozosett:1:1:0:0:0:0:0:1", "3/9/2", "1");
    row("pool add appends", "Pooladd:0:0:0", "5/3/0", "0:0");
    row("pool add duration", "Pooladd:0:0:0", "5/3/1", "0");
    row("pool delete shifts", "Pooldel:8:0:45", "5/0/0", "14:30");
    row("pool update start", "Poolup:7:5:20:14:30:40", "5/1/0", "7:5");
    row("pool update duration", "Poolup:7:5:20:14:30:40", "5/1/1", "20");
    row("irrigation add zone", "Ontozoadd:0:0:0:Z1", "1/5/0", "Z1");
    row("irrigation add start", "Ontozoadd:0:0:0:Z1", "1/5/1", "0:0");
    row("irrigation delete shifts", "Ontozodel:5:30:15:Z1", "1/0/0", "Z2");
    row("irrigation update zone", "Ontozoup:7:5:20:Z4:5:45:15:Z2", "1/1/0", "Z4");
    row("irrigation update start", "Ontozoup:7:5:20:Z4:5:45:15:Z2", "1/1/1", "7:5");
    row("irrigation update duration", "Ontozoup:7:5:20:Z4:5:45:15:Z2", "1/1/2", "20");
    row("poll reports OK", "", "6/0", "OK");
}

void SimHousehold::commandChangesItsPosition() {
    QFETCH(QString, command);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    Controller controller(steady());
    const QJsonArray reply = send(controller, command);
    QCOMPARE(valueAt(reply, path).toString(), expected);
    QCOMPARE(valueAt(reply, "6/0").toString(), QString("OK"));
    // The next poll reports the same state.
    QCOMPARE(valueAt(send(controller, ""), path).toString(), expected);
}

void SimHousehold::refusalLeavesStateAndIsReportedOnce_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("setting");
    const auto row = [](const char* command, const char* setting) {
        QTest::newRow(command) << QString(command) << QString(setting);
    };
    row("kapu:K3", "Kapu");
    row("temp:Nappali:36:0:1", "Nappali");
    row("temp:Halo:22:0:5", "Halo");
    row("radio:BE:101:3", "Radio");
    row("radio:BE:40:10", "Radio");
    row("Allsett:Medence:on", "Medence");
    row("Ontozosett:1:1:0:0:1:0:0", "parancs");
    row("Pooladd:0:0:60", "Medence idopont");
    row("Pooldel:8:0:46", "Medence idopont");
    row("Poolup:7:5:20:14:31:40", "Medence idopont");
    row("Ontozodel:5:30:15:Z2", "Ontozo idopont");
    row("Ontozoup:7:5:20:Z4:5:45:15:Z3", "Ontozo idopont");
    row("Ontozoadd:0:0:0:Z9", "Ontozo idopont");
    row("szauna:BE", "parancs");
}

void SimHousehold::refusalLeavesStateAndIsReportedOnce() {
    QFETCH(QString, command);
    QFETCH(QString, setting);
    Controller controller(steady());
    const QJsonArray before = send(controller, "");
    const QJsonArray reply = send(controller, command);
    QCOMPARE(valueAt(reply, "6").toArray(), (QJsonArray{"HIBA", setting}));
    QCOMPARE(withoutReport(reply), withoutReport(before));
    QCOMPARE(valueAt(send(controller, ""), "6").toArray(), QJsonArray{"OK"});
    QCOMPARE(QString::fromStdString(controller.log().entries().at(1).refused), setting);
}

void SimHousehold::addsAfterTheLastSlotAndRefusesASecondPlaceholder() {
    Controller controller(steady());
    send(controller, "Pooladd:0:0:0");
    const QJsonArray refused = send(controller, "Pooladd:0:0:0");
    QCOMPARE(valueAt(refused, "6/1").toString(), QString("Medence idopont"));
    QCOMPARE(valueAt(refused, "5").toArray().size(), 4);
    // Once the placeholder has been edited, another slot may be added.
    send(controller, "Poolup:21:0:30:0:0:0");
    const QJsonArray added = send(controller, "Pooladd:0:0:0");
    QCOMPARE(valueAt(added, "5").toArray().size(), 5);
    QCOMPARE(valueAt(added, "5/3/0").toString(), QString("21:0"));
    QCOMPARE(valueAt(added, "5/4/0").toString(), QString("0:0"));
}

void SimHousehold::updatesInPlaceAndEmptyScheduleIsNull() {
    Controller controller(steady());
    controller.change([](Household& h) { h.poolSchedule = {{{6, 30}, 15}}; });
    QCOMPARE(valueAt(send(controller, "Poolup:7:5:20:6:30:15"), "5").toArray(),
             (QJsonArray{QJsonArray{"7:5", "20"}}));
    QVERIFY(valueAt(send(controller, "Pooldel:7:5:20"), "5").isNull());
    QVERIFY(valueAt(send(controller, "Pooladd:0:0:0"), "5").isArray());

    controller.change([](Household& h) { h.irrigationSchedule.clear(); });
    QVERIFY(valueAt(send(controller, ""), "1").isNull());
}

void SimHousehold::irrigationPlaceholderIsOnlyZoneOne() {
    Controller controller(steady());
    controller.change([](Household& h) { h.irrigationSchedule = {{2, {0, 0}, 0}}; });
    QCOMPARE(valueAt(send(controller, "Ontozoadd:0:0:0:Z1"), "6/0").toString(), QString("OK"));
    QCOMPARE(valueAt(send(controller, "Ontozoadd:0:0:0:Z1"), "6/0").toString(), QString("HIBA"));
}

void SimHousehold::gateOpensThenLocksAgain() {
    ControllerOptions options = steady();
    options.gateOpenFor = 4s;
    Controller controller(options);
    QCOMPARE(valueAt(send(controller, "kapu:K1", 10s), "0/5/1").toString(), QString("0"));
    QCOMPARE(valueAt(send(controller, "", 13'999ms), "0/5/1").toString(), QString("0"));
    QCOMPARE(valueAt(send(controller, "", 14s), "0/5/1").toString(), QString("1"));
    // A second command while open keeps it open from that moment on.
    send(controller, "kapu:K2", 20s);
    send(controller, "kapu:K2", 23s);
    QCOMPARE(valueAt(send(controller, "", 26s), "0/6/1").toString(), QString("0"));
    QCOMPARE(valueAt(send(controller, "", 27s), "0/6/1").toString(), QString("1"));
}

void SimHousehold::driftIsReproducibleFromTheSeed() {
    ControllerOptions options;
    options.seed = 42;
    Controller first(options);
    Controller second(options);
    options.seed = 43;
    Controller other(options);
    QJsonArray a, b, c;
    bool rainChanged = false;
    for (Millis now = 0ms; now <= 2h; now += 3s) {
        a = send(first, "", now);
        b = send(second, "", now);
        c = send(other, "", now);
        QCOMPARE(a, b);
        rainChanged = rainChanged || valueAt(a, "0/3/1").toString() == "1";
        const double outside = valueAt(a, "0/2/1").toString().toDouble();
        QVERIFY2(outside > -10 && outside < 25, qPrintable(valueAt(a, "0/2/1").toString()));
        const double living = valueAt(a, "0/1/1").toString().toDouble();
        QVERIFY(living > 20 && living < 24);
    }
    QVERIFY(rainChanged);
    QVERIFY(withoutReport(a) != withoutReport(c));
}

void SimHousehold::steadyModeDoesNotDrift() {
    Controller controller(steady());
    const QJsonArray start = send(controller, "", 0ms);
    QCOMPARE(send(controller, "", 5h), start);
    QCOMPARE(valueAt(start, "0/0/1").toString(), QString("21.4"));
    QCOMPARE(valueAt(start, "0/3/1").toString(), QString("0"));
}

QTEST_APPLESS_MAIN(SimHousehold)
#include "tst_simhousehold.moc"
