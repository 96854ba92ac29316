#include "app/ChoiceLists.h"
#include "link/StatusModel.h"

#include <QtTest>

using namespace otthon;

class ChoiceListsTest : public QObject {
    Q_OBJECT

private slots:
    void entries_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("first minute") << "Perc" << 0 << "1";
        QTest::newRow("minute 59") << "Perc" << 58 << "59";
        QTest::newRow("minute 0 last") << "Perc" << 59 << "0";
        QTest::newRow("hour 23") << "Ora" << 22 << "23";
        QTest::newRow("hour 0 last") << "Ora" << 23 << "0";
        QTest::newRow("wheel row 599") << "Perc" << 599 << "0";
        QTest::newRow("wheel row 600") << "Perc" << 600 << "1";
        QTest::newRow("wheel row 659") << "Perc" << 659 << "0";
        QTest::newRow("hour wheel 599") << "Ora" << 599 << "0";
        QTest::newRow("slot 10") << "Idopont" << 9 << "Időpont 10";
        QTest::newRow("zone 5") << "Zona" << 4 << "Utcai kicsi";
        QTest::newRow("zone 6") << "Zona" << 5 << "Utcai nagy";
    }
    void entries() {
        QFETCH(QString, list);
        QFETCH(int, index);
        StatusModel model(QStringLiteral("http://x"));
        buildChoiceLists(model);
        const QStringList& entries = list == "Perc"      ? model.PercLista
                                     : list == "Ora"     ? model.OraLista
                                     : list == "Idopont" ? model.IdopontLista
                                                         : model.ZonaNevek;
        QTEST(entries.at(index % entries.size()), "text");
    }

    void codesMatchNames() {
        StatusModel model(QStringLiteral("http://x"));
        buildChoiceLists(model);
        QCOMPARE(model.PercLista.size(), 60);
        QCOMPARE(model.OraLista.size(), 24);
        QCOMPARE(model.ZonaKodok.size(), model.ZonaNevek.size());
        QCOMPARE(model.ZonaNevek.at(int(model.ZonaKodok.indexOf("Z5"))), QStringLiteral("Utcai kicsi"));
        QCOMPARE(model.RadioAdoLista, QStringList(10, QStringLiteral("Nincs kapcsolat")));
    }
};

QTEST_GUILESS_MAIN(ChoiceListsTest)
#include "tst_choicelists.moc"
