#include "sim/Command.h"

#include <QtTest>

using namespace otthon::sim;

// What the parser alone can judge; the effects of accepted commands are checked in tst_simhousehold.
class SimCommands : public QObject {
    Q_OBJECT
private slots:
    void judges_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refused"); // empty when accepted
        const auto rows = [](const char* refused, std::initializer_list<const char*> texts) {
            for (const char* text : texts)
                QTest::newRow(text) << QString(text) << QString(refused);
        };
        // Every command of the remote, at the bounds of its values.
        rows("", {"", "kapu:K2", "temp:Halo:5:0:0", "temp:Nappali:35:0:1", "radio:BE:0:0", "radio:BE:100:9",
                  "radio:KI", "Allsett:Medence:0", "Pooladd:0:0:0", "Pooldel:6:30:15",
                  "Poolup:23:59:59:0:0:0", "Ontozosett:1:1:0:0:1:0:0:0", "Ontozoadd:0:0:0:Z1",
                  "Ontozodel:6:30:15:Z6", "Ontozoup:7:5:20:Z3:6:30:15:Z2"});
        // Unknown verbs (case-sensitive), wrong field counts, unknown device words, raw queries.
        rows("parancs", {"?foo=bar", "Kapu:K1", "kapu:K1:K2", "temp:Nappali:22:0", "temp:Konyha:22:0:1",
                         "radio:KI:0", "radio:BE:40", "radio:HALK:40:3", "Allsett:Szauna:1",
                         "Allsett:Medence", "Pooladd:0:0", "Poolup:7:5:20:6:30", "Ontozosett:1:1:0:0:1:0:0",
                         "Ontozoadd:0:0:0", "Ontozoup:7:5:20:Z3:6:30:15"});
        // Values out of range or of the wrong form (signs, decimals, leading zeros).
        rows("Kapu", {"kapu:K3"});
        rows("Nappali", {"temp:Nappali:4:0:1", "temp:Nappali:36:0:1"});
        rows("Halo", {"temp:Halo:22:0:2", "temp:Halo:22:1:1", "temp:Halo:22.5:0:1", "temp:Halo:-5:0:1"});
        rows("Radio", {"radio:BE:101:3", "radio:BE:40:x"});
        rows("Medence", {"Allsett:Medence:2"});
        rows("Ontozo", {"Ontozosett:1:1:0:0:2:0:0:0"});
        rows("Medence idopont", {"Pooladd:24:0:0", "Pooladd:0:60:0", "Pooladd:0:0:60", "Pooladd:07:5:20",
                                 "Poolup:7:5:20:6:x:15"});
        rows("Ontozo idopont", {"Ontozoadd:0:0:0:Z7", "Ontozoadd:0:0:0:z1", "Ontozodel:6:30:15:Z0",
                                "Ontozoup:7:5:20:Z3:25:30:15:Z2"});
    }

    void judges() {
        QFETCH(QString, text);
        QFETCH(QString, refused);
        QCOMPARE(QString::fromStdString(parseCommand(text.toStdString()).refusal), refused);
    }
};

QTEST_APPLESS_MAIN(SimCommands)
#include "tst_simcommands.moc"
