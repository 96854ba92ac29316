#include "DocumentPath.h"

#include "sim/StatusDocument.h"

#include <QtTest>

#include <algorithm>

using namespace otthon::sim;

class SimDocument : public QObject {
    Q_OBJECT
private slots:
    // Every value a text, times without leading zeros, no humidity for rain, pressure, gates and pool water.
    void writesTheHouseholdAtStart() {
        const QJsonArray expected = parseDocument(R"([
[["Hálószoba","21.4","46"],["Nappali","22.1","43"],["Kültér","8.7","72"],["Eső","0"],["Légnyomás","1013"],
 ["Kapu 1","1"],["Kapu 2","1"],["Pince","12.8","67"],["Medence víz","25.4"]],
[["Z1","5:30","15"],["Z2","5:45","15"],["Z3","6:0","20"],["Z5","20:30","10"],["Z6","20:40","10"]],
[["Halo","21","0","1"],["Nappali","22","0","1"]],
[["35","2","0"],["Medence","keringetés","1"],["Öntöző","teljes","1"],["Öntöző","mester","0"],
 ["Z1","Zóna 1","0"],["Z2","Zóna 2","0"],["Z3","Zóna 3","0"],["Z4","Zóna 4","0"],["Z5","Utcai kicsi","0"],
 ["Z6","Utcai nagy","0"]],
[["0","Dunaparti Hullám"],["1","Tiszavirág Rádió"],["2","Bakonyi Szél FM"],["3","Pusztai Esték"],
 ["4","Kékfény Zene"],["5","Somlói Dallam"],["6","Hajnalcsillag"],["7","Mátrai Visszhang"],
 ["8","Balatoni Szellő FM"],["9","Gesztenye Rádió"]],
[["8:0","45"],["14:30","40"],["19:5","30"]],
["OK"]])");
        QCOMPARE(parseDocument(writeStatusDocument(initialHousehold(), {})), expected);
    }

    void emptySchedulesAreNull() {
        Household h = initialHousehold();
        h.irrigationSchedule.clear();
        h.poolSchedule.clear();
        const QJsonArray document = parseDocument(writeStatusDocument(h, {}));
        QVERIFY(valueAt(document, "1").isNull());
        QVERIFY(valueAt(document, "5").isNull());
    }

    void escapesTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("quote and backslash") << QString("a\"b\\c");
        QTest::newRow("control characters") << QString("line\nnext\ttab\r\x01\x1f");
    }

    void escapesTexts() {
        QFETCH(QString, text);
        Household h = initialHousehold();
        h.stations = {text.toStdString()};
        const std::string json = writeStatusDocument(h, {});
        QVERIFY(std::none_of(json.begin(), json.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
        QCOMPARE(valueAt(parseDocument(json), "4/0/1").toString(), text);
    }

    void printsTenths_data() {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("text");
        const std::pair<int, const char*> rows[] = {
            {215, "21.5"}, {0, "0.0"}, {7, "0.7"}, {-5, "-0.5"}, {-123, "-12.3"}};
        for (const auto& [tenths, text] : rows)
            QTest::newRow(text) << tenths << QString(text);
    }

    void printsTenths() {
        QFETCH(int, tenths);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(tenthsText(tenths)), text);
    }
};

QTEST_APPLESS_MAIN(SimDocument)
#include "tst_simdocument.moc"
