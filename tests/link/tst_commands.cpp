#include "link/Commands.h"

#include <QTest>
#include <QUrl>

using namespace otthon;
namespace cmd = otthon::commands;

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void wireText_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const QString& command, const char* expected) {
            QTest::newRow(name) << command << QString::fromLatin1(expected);
        };
        row("poll", cmd::poll(), "");
        row("gate 2", cmd::gate(2), "?dt=kapu:K2");
        // Setpoints and volumes go out as whole numbers, an exact half to the even neighbour.
        row("setpoint 21.5 to even", cmd::thermostat("Nappali", 21.5f, true), "?dt=temp:Nappali:22:0:1");
        row("setpoint 22.5 to even", cmd::thermostat("Nappali", 22.5f, true), "?dt=temp:Nappali:22:0:1");
        row("bedroom 22.51 cooling", cmd::thermostat("Halo", 22.51f, false), "?dt=temp:Halo:23:0:0");
        row("radio volume 39.7", cmd::radioOn(39.7f, "12"), "?dt=radio:BE:40:12");
        row("radio volume 0.5", cmd::radioOn(0.5f, "0"), "?dt=radio:BE:0:0");
        row("radio off", cmd::radioOff(), "?dt=radio:KI");
        row("pool circulation on", cmd::poolCirculation(true), "?dt=Allsett:Medence:1");
        row("pool circulation off", cmd::poolCirculation(false), "?dt=Allsett:Medence:0");
        row("pool update", cmd::poolUpdate(7, 5, 20, "6 30", "1#5"), "?dt=Poolup:7:5:20:6%2030:1%235");
        row("irrigation update", cmd::irrigationUpdate(7, 5, 20, "Z 3", "6 30", "1 5", "Z 2"),
            "?dt=Ontozoup:7:5:20:Z%203:6%2030:1%205:Z%202");

        // Texts from a reply are escaped only where they could not stand in the query as they are.
        row("ampersand and equals", cmd::poolDelete("6:30&a=1", "15"), "?dt=Pooldel:6:30%26a%3D1:15");
        row("percent", cmd::poolDelete("6:30", "15%"), "?dt=Pooldel:6:30:15%25");
        row("plus", cmd::poolDelete("+6:30", "15"), "?dt=Pooldel:%2B6:30:15");
        row("non-ASCII", cmd::irrigationDelete("6:30", "15", "Zóna"), "?dt=Ontozodel:6:30:15:Z%C3%B3na");
        row("control characters", cmd::poolDelete("6:30\n", "\t15\x01"), "?dt=Pooldel:6:30%0A:%0915%01");
        row("unreserved pass", cmd::poolDelete("a-b_c.d~e", "15"), "?dt=Pooldel:a-b_c.d~e:15");
    }
    void wireText() {
        QFETCH(QString, command);
        QFETCH(QString, expected);
        QCOMPARE(command, expected);
        // What goes on the wire is the text itself: a strict parse takes it as it is, without re-escaping.
        const QString base = QStringLiteral("http://192.168.1.100:670/LomaViro/Lomaviro.php");
        const QUrl url(base + command, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(QString::fromLatin1(url.toEncoded()), base + expected);
    }
};

QTEST_GUILESS_MAIN(CommandsTest)
#include "tst_commands.moc"
