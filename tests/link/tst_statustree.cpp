#include "link/StatusTree.h"

#include <QJsonDocument>
#include <QTest>

#include <limits>

using namespace otthon;

namespace {
QJsonValue parsed(const char* json) {
    return QJsonDocument::fromJson(QByteArray("[") + json + "]").array().at(0);
}
constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();
const QJsonValue kAbsent(QJsonValue::Undefined);
} // namespace

class StatusTreeTest : public QObject {
    Q_OBJECT
private slots:
    // Both conversions, on a value and on an item read in place.
    void conversions_data() {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<qint64>("integer");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, const QJsonValue& value, qint64 integer, const QString& text) {
            QTest::newRow(name) << value << integer << text;
        };
        auto textRow = [&row](const char* name, const QString& text, qint64 integer) {
            row(name, text, integer, text); // a text shows unchanged
        };
        textRow("blanks, sign and tail", QStringLiteral("\t\n -12abc"), -12);
        textRow("decimals", QStringLiteral("22.7"), 22);
        textRow("without digits", QStringLiteral("abc"), 0);
        textRow("two signs", QStringLiteral("+-5"), 0);
        textRow("digits of another script", QStringLiteral("\u0663"), 0);
        textRow("largest", QStringLiteral("9223372036854775807"), kMax);
        textRow("smallest", QStringLiteral("-9223372036854775808"), kMin);
        textRow("one past the largest", QStringLiteral("9223372036854775808"), kMax);
        textRow("one past the smallest", QStringLiteral("-9223372036854775809"), kMin);
        row("true", true, 1, QStringLiteral("1"));
        row("22.0", parsed("22.0"), 22, QStringLiteral("22"));
        row("-3.9", parsed("-3.9"), -3, QStringLiteral("-3.9"));
        row("integer beyond double precision", parsed("9007199254740993"), 9007199254740993,
            QStringLiteral("9007199254740993"));
        row("huge number", parsed("1e300"), kMax, QStringLiteral("1e+300"));
        row("null", QJsonValue::Null, 0, QString());
        row("absent", kAbsent, 0, QString());
        row("array", parsed("[5]"), 0, QString());
    }
    void conversions() {
        QFETCH(QJsonValue, value);
        QFETCH(qint64, integer);
        QFETCH(QString, text);
        QCOMPARE(integerOf(value), integer);
        QCOMPARE(flagOf(value), integer != 0);
        QCOMPARE(textOf(value), text);
        if (value.isUndefined()) // an array holds no undefined item
            return;
        const QJsonArray holder{value};
        QCOMPARE(integerOf(holder.constBegin()[0]), integer);
        QCOMPARE(flagOf(holder.constBegin()[0]), integer != 0);
        QCOMPARE(textOf(holder.constBegin()[0]), text);
    }

    void fromJson_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QTest::newRow("array") << QByteArray("[[1], null]") << true;
        QTest::newRow("empty array") << QByteArray("[]") << true;
        QTest::newRow("null") << QByteArray("null") << false;
        QTest::newRow("cut short") << QByteArray("[1, [2,") << false;
        QTest::newRow("trailing garbage") << QByteArray("[1] x") << false;
    }
    void fromJson() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        QCOMPARE(StatusTree::fromJson(bytes).isPresent(), present);
    }

    void positions_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QList<int>>("position");
        QTest::addColumn<QJsonValue>("expected");
        const QByteArray doc =
            R"([[["a", "b", "c"], ["d", null]], null, [], {"0": 1}, "text", [[1], 7, {"1": 2}]])";
        QTest::newRow("cell") << doc << QList<int>{0, 0, 2} << QJsonValue("c");
        QTest::newRow("null cell stays null") << doc << QList<int>{0, 1, 1} << QJsonValue(QJsonValue::Null);
        QTest::newRow("null element stays null") << doc << QList<int>{1} << QJsonValue(QJsonValue::Null);
        QTest::newRow("column past the row") << doc << QList<int>{0, 1, 2} << kAbsent;
        QTest::newRow("row past the element") << doc << QList<int>{0, 2} << kAbsent;
        QTest::newRow("element past the end") << doc << QList<int>{6} << kAbsent;
        QTest::newRow("row of null") << doc << QList<int>{1, 0} << kAbsent;
        QTest::newRow("cell of number row") << doc << QList<int>{5, 1, 0} << kAbsent;
        QTest::newRow("absent tree") << QByteArray("{}") << QList<int>{0, 0, 0} << kAbsent;
    }
    void positions() {
        QFETCH(QByteArray, json);
        QFETCH(QList<int>, position);
        QFETCH(QJsonValue, expected);
        const StatusTree t = StatusTree::fromJson(json);
        const QJsonValue actual = position.size() == 1   ? t.at(position[0])
                                  : position.size() == 2 ? t.at(position[0], position[1])
                                                         : t.at(position[0], position[1], position[2]);
        QCOMPARE(actual, expected);
    }

    void rowsAndNull() {
        const StatusTree t = StatusTree::fromJson(R"([[1, 2, 3], null, {"a": [1]}])");
        QCOMPARE(t.rowCount(0), 3);
        for (int element : {1, 2, 3}) // null, object, missing
            QCOMPARE(t.rowCount(element), 0);
        QVERIFY(t.isNull(1));
        QVERIFY(!t.isNull(0));
        QVERIFY(!t.isNull(3)); // missing is not null
    }

    // set() writes one existing cell in place, and refuses any other position without a change.
    void set_data() {
        QTest::addColumn<QList<int>>("position");
        QTest::addColumn<QByteArray>("after"); // empty: refused
        QTest::newRow("cell") << QList<int>{1, 1, 0}
                              << QByteArray(R"([null, [["6:30", "15"], ["x", "60"]]])");
        QTest::newRow("column past the row") << QList<int>{1, 0, 2} << QByteArray();
        QTest::newRow("negative column") << QList<int>{1, 0, -1} << QByteArray();
        QTest::newRow("row past the element") << QList<int>{1, 2, 0} << QByteArray();
        QTest::newRow("element not an array of rows") << QList<int>{0, 0, 0} << QByteArray();
    }
    void set() {
        QFETCH(QList<int>, position);
        QFETCH(QByteArray, after);
        const QByteArray json = R"([null, [["6:30", "15"], ["18:0", "60"]]])";
        StatusTree t = StatusTree::fromJson(json);
        const StatusTree before = t;
        QCOMPARE(t.set(position[0], position[1], position[2], QJsonValue("x")), !after.isEmpty());
        QCOMPARE(*t.root(), *StatusTree::fromJson(after.isEmpty() ? json : after).root());
        QCOMPARE(*before.root(),
                 *StatusTree::fromJson(json).root()); // a copy taken earlier keeps what it saw
        StatusTree none;
        QVERIFY(!none.set(0, 0, 0, QJsonValue("x")));
        QVERIFY(!none.isPresent());
    }
};

QTEST_GUILESS_MAIN(StatusTreeTest)
#include "tst_statustree.moc"
