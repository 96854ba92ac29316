#include "sim/Command.h"

#include <QtTest>

using namespace otthon::sim;

class SimCommands : public QObject {
    Q_OBJECT
private slots:
    void acceptsEveryCommandOfTheRemote_data();
    void acceptsEveryCommandOfTheRemote();
    void refuses_data();
    void refuses();
    void readsTimesAsTwoTokens();
    void readsIrrigationFieldsInWireOrder();
};

void SimCommands::acceptsEveryCommandOfTheRemote_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind"); // index into the Command variant
    const auto row = [](const char* text, int kind) { QTest::newRow(text) << QString(text) << kind; };
    row("", 0);
    row("kapu:K1", 1);
    row("kapu:K2", 1);
    row("temp:Nappali:22:0:1", 2);
    row("temp:Halo:5:0:0", 2);
    row("temp:Halo:35:0:1", 2);
    row("radio:BE:40:3", 3);
    row("radio:BE:0:0", 3);
    row("radio:BE:100:9", 3);
    row("radio:KI", 4);
    row("Allsett:Medence:1", 5);
    row("Allsett:Medence:0", 5);
    row("Pooladd:0:0:0", 6);
    row("Pooldel:6:30:15", 7);
    row("Poolup:7:5:20:6:30:15", 8);
    row("Poolup:23:59:59:0:0:0", 8);
    row("Ontozosett:1:1:0:0:1:0:0:0", 9);
    row("Ontozoadd:0:0:0:Z1", 10);
    row("Ontozodel:6:30:15:Z2", 11);
    row("Ontozoup:7:5:20:Z3:6:30:15:Z2", 12);
}

void SimCommands::acceptsEveryCommandOfTheRemote() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    const ParsedCommand parsed = parseCommand(text.toStdString());
    QCOMPARE(QString::fromStdString(parsed.refusal), QString());
    QCOMPARE(static_cast<int>(parsed.command.index()), kind);
}

void SimCommands::refuses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("setting");
    const auto row = [](const char* text, const char* setting) {
        QTest::newRow(text) << QString(text) << QString(setting);
    };
    // Unknown verbs, wrong field counts and unknown device words.
    row("?foo=bar", "parancs");
    row("kapcsol:1", "parancs");
    row("Kapu:K1", "parancs");
    row("kapu", "parancs");
    row("kapu:K1:K2", "parancs");
    row("temp:Nappali:22:0", "parancs");
    row("temp:Konyha:22:0:1", "parancs");
    row("radio", "parancs");
    row("radio:KI:0", "parancs");
    row("radio:BE:40", "parancs");
    row("radio:HALK:40:3", "parancs");
    row("Allsett:Szauna:1", "parancs");
    row("Allsett:Medence", "parancs");
    row("Pooladd:0:0", "parancs");
    row("Pooldel:6:30:15:Z1", "parancs");
    row("Poolup:7:5:20:6:30", "parancs");
    row("Ontozosett:1:1:0:0:1:0:0", "parancs");
    row("Ontozoadd:0:0:0", "parancs");
    row("Ontozoup:7:5:20:Z3:6:30:15", "parancs");
    // Values out of range or of the wrong form.
    row("kapu:K3", "Kapu");
    row("temp:Nappali:4:0:1", "Nappali");
    row("temp:Nappali:36:0:1", "Nappali");
    row("temp:Halo:22:0:2", "Halo");
    row("temp:Halo:22:1:1", "Halo");
    row("temp:Halo:22.5:0:1", "Halo");
    row("temp:Halo:-5:0:1", "Halo");
    row("radio:BE:101:3", "Radio");
    row("radio:BE:40:x", "Radio");
    row("Allsett:Medence:2", "Medence");
    row("Ontozosett:1:1:0:0:2:0:0:0", "Ontozo");
    row("Pooladd:24:0:0", "Medence idopont");
    row("Pooladd:0:60:0", "Medence idopont");
    row("Pooladd:0:0:60", "Medence idopont");
    row("Pooladd:07:5:20", "Medence idopont");
    row("Poolup:7:5:20:6:x:15", "Medence idopont");
    row("Ontozoadd:0:0:0:Z7", "Ontozo idopont");
    row("Ontozoadd:0:0:0:z1", "Ontozo idopont");
    row("Ontozodel:6:30:15:Z0", "Ontozo idopont");
    row("Ontozoup:7:5:20:Z3:25:30:15:Z2", "Ontozo idopont");
}

void SimCommands::refuses() {
    QFETCH(QString, text);
    QFETCH(QString, setting);
    QCOMPARE(QString::fromStdString(parseCommand(text.toStdString()).refusal), setting);
}

void SimCommands::readsTimesAsTwoTokens() {
    const auto update = std::get<UpdatePoolSlot>(parseCommand("Poolup:7:5:20:6:30:15").command);
    QCOMPARE(update.slot, (PoolSlot{{7, 5}, 20}));
    QCOMPARE(update.old, (PoolSlot{{6, 30}, 15}));
}

void SimCommands::readsIrrigationFieldsInWireOrder() {
    const auto update = std::get<UpdateIrrigationSlot>(parseCommand("Ontozoup:7:5:20:Z3:6:30:15:Z2").command);
    QCOMPARE(update.slot, (IrrigationSlot{3, {7, 5}, 20}));
    QCOMPARE(update.old, (IrrigationSlot{2, {6, 30}, 15}));
    const auto removal = std::get<DeleteIrrigationSlot>(parseCommand("Ontozodel:6:30:15:Z2").command);
    QCOMPARE(removal.slot, (IrrigationSlot{2, {6, 30}, 15}));
}

QTEST_APPLESS_MAIN(SimCommands)
#include "tst_simcommands.moc"
