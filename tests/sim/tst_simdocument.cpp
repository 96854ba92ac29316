#include "DocumentPath.h"

#include "sim/JsonWriter.h"
#include "sim/StatusDocument.h"

#include <QtTest>

using namespace otthon::sim;

class SimDocument : public QObject {
    Q_OBJECT
private slots:
    void hasSevenElementsOfTheExpectedShape();
    void everyValueIsAText();
    void emptySchedulesAreNull();
    void reportsRefusal();
    void escapesTexts_data();
    void escapesTexts();
    void printsTenths_data();
    void printsTenths();
};

void SimDocument::hasSevenElementsOfTheExpectedShape() {
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(
        QByteArray::fromStdString(writeStatusDocument(initialHousehold(), {})), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray document = parsed.array();
    QCOMPARE(document.size(), 7);
    QVERIFY(valueAt(document, "0").toArray().size() >= 9);
    for (int r = 0; r < 3; ++r)
        QCOMPARE(valueAt(document, QString("0/%1").arg(r)).toArray().size(), 3);
    QCOMPARE(valueAt(document, "2").toArray().size(), 2);
    for (const QJsonValue& thermostat : valueAt(document, "2").toArray())
        QCOMPARE(thermostat.toArray().size(), 4);
    QCOMPARE(valueAt(document, "3").toArray().size(), 10);
    for (const QJsonValue& row : valueAt(document, "3").toArray())
        QCOMPARE(row.toArray().size(), 3);
    QCOMPARE(valueAt(document, "4").toArray().size(), 10);
    QCOMPARE(valueAt(document, "4/9/0").toString(), QString("9"));
    QCOMPARE(valueAt(document, "1/0").toArray().size(), 3);
    QCOMPARE(valueAt(document, "5/0").toArray().size(), 2);
    QCOMPARE(valueAt(document, "6").toArray(), QJsonArray{"OK"});
    QCOMPARE(valueAt(document, "0/0/0").toString(), QString("Hálószoba"));
}

void SimDocument::everyValueIsAText() {
    const QJsonArray document = parseDocument(writeStatusDocument(initialHousehold(), "Radio"));
    int texts = 0;
    for (const QJsonValue& element : document)
        for (const QJsonValue& row : element.toArray()) {
            const QJsonArray items = row.isArray() ? row.toArray() : QJsonArray{row};
            for (const QJsonValue& item : items) {
                QVERIFY(item.isString());
                ++texts;
            }
        }
    QVERIFY(texts > 80);
}

void SimDocument::emptySchedulesAreNull() {
    Household h = initialHousehold();
    h.irrigationSchedule.clear();
    h.poolSchedule.clear();
    const QJsonArray document = parseDocument(writeStatusDocument(h, {}));
    QVERIFY(valueAt(document, "1").isNull());
    QVERIFY(valueAt(document, "5").isNull());
    QCOMPARE(document.size(), 7);
}

void SimDocument::reportsRefusal() {
    const QJsonArray document = parseDocument(writeStatusDocument(initialHousehold(), "Medence idopont"));
    QCOMPARE(valueAt(document, "6").toArray(), (QJsonArray{"HIBA", "Medence idopont"}));
}

void SimDocument::escapesTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("quote and backslash") << QString("a\"b\\c");
    QTest::newRow("control characters") << QString("line\nnext\ttab\r\x01\x1f");
    QTest::newRow("accents") << QString("Öntöző ⁒ 😀");
    QTest::newRow("empty") << QString();
}

void SimDocument::escapesTexts() {
    QFETCH(QString, text);
    Household h = initialHousehold();
    h.stations = {text.toStdString()};
    const QJsonArray document = parseDocument(writeStatusDocument(h, {}));
    QCOMPARE(valueAt(document, "4/0/1").toString(), text);
}

void SimDocument::printsTenths_data() {
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("text");
    QTest::newRow("21.5") << 215 << "21.5";
    QTest::newRow("zero") << 0 << "0.0";
    QTest::newRow("below one") << 7 << "0.7";
    QTest::newRow("just below zero") << -5 << "-0.5";
    QTest::newRow("frost") << -123 << "-12.3";
}

void SimDocument::printsTenths() {
    QFETCH(int, tenths);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(tenthsText(tenths)), text);
}

QTEST_APPLESS_MAIN(SimDocument)
#include "tst_simdocument.moc"
