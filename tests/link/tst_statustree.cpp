#include "link/StatusTree.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <limits>

using namespace otthon;

namespace {
QJsonValue parsed(const char* json) {
    return QJsonDocument::fromJson(QByteArray("[") + json + "]").array().at(0);
}
StatusTree tree(const char* json) {
    return StatusTree::fromJson(json);
}
constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();
} // namespace

class StatusTreeTest : public QObject {
    Q_OBJECT
private slots:
    void integerOf_data() {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("text with blanks, sign and tail") << QJsonValue("  -12abc") << qint64(-12);
        QTest::newRow("text with plus") << QJsonValue("+7") << qint64(7);
        QTest::newRow("text with decimals") << QJsonValue("22.7") << qint64(22);
        QTest::newRow("negative text with decimals") << QJsonValue("-0.9") << qint64(0);
        QTest::newRow("text with tabs and newlines") << QJsonValue("\t\n 42") << qint64(42);
        QTest::newRow("text with two numbers") << QJsonValue("12 34") << qint64(12);
        QTest::newRow("text without digits") << QJsonValue("abc") << qint64(0);
        QTest::newRow("empty text") << QJsonValue("") << qint64(0);
        QTest::newRow("sign only") << QJsonValue("-") << qint64(0);
        QTest::newRow("two signs") << QJsonValue("+-5") << qint64(0);
        QTest::newRow("blank after sign") << QJsonValue("- 5") << qint64(0);
        QTest::newRow("hexadecimal text") << QJsonValue("0x1A") << qint64(0);
        QTest::newRow("digits of another script") << QJsonValue(QStringLiteral("\u0663")) << qint64(0);
        QTest::newRow("leading zeros") << QJsonValue("007") << qint64(7);
        QTest::newRow("largest text") << QJsonValue("9223372036854775807") << kMax;
        QTest::newRow("smallest text") << QJsonValue("-9223372036854775808") << kMin;
        QTest::newRow("text one past the largest") << QJsonValue("9223372036854775808") << kMax;
        QTest::newRow("text one past the smallest") << QJsonValue("-9223372036854775809") << kMin;
        QTest::newRow("huge text") << QJsonValue("123456789012345678901234567890") << kMax;
        QTest::newRow("huge negative text") << QJsonValue("-123456789012345678901234567890") << kMin;
        QTest::newRow("true") << QJsonValue(true) << qint64(1);
        QTest::newRow("false") << QJsonValue(false) << qint64(0);
        QTest::newRow("3.9") << parsed("3.9") << qint64(3);
        QTest::newRow("-3.9") << parsed("-3.9") << qint64(-3);
        QTest::newRow("whole number") << parsed("21") << qint64(21);
        QTest::newRow("integer beyond double precision")
            << parsed("9007199254740993") << qint64(9007199254740993);
        QTest::newRow("huge number") << parsed("1e300") << kMax;
        QTest::newRow("huge negative number") << parsed("-1e300") << kMin;
        QTest::newRow("number past the 64-bit range") << parsed("12345678901234567890") << kMax;
        QTest::newRow("null") << QJsonValue(QJsonValue::Null) << qint64(0);
        QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << qint64(0);
        QTest::newRow("array") << parsed("[5]") << qint64(0);
        QTest::newRow("object") << parsed("{\"a\": 5}") << qint64(0);
    }
    void integerOf() {
        QFETCH(QJsonValue, value);
        QFETCH(qint64, expected);
        QCOMPARE(otthon::integerOf(value), expected);
        QCOMPARE(flagOf(value), expected != 0);
        if (!value.isUndefined()) { // an array holds no undefined item
            const QJsonArray holder{value};
            QCOMPARE(otthon::integerOf(holder.constBegin()[0]), expected);
            QCOMPARE(flagOf(holder.constBegin()[0]), expected != 0);
        }
    }

    void textOf_data() {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text unchanged") << QJsonValue(" 21.5 C") << QStringLiteral(" 21.5 C");
        QTest::newRow("non-ASCII text") << QJsonValue(QStringLiteral("Bartók")) << QStringLiteral("Bartók");
        QTest::newRow("21.5") << parsed("21.5") << QStringLiteral("21.5");
        QTest::newRow("22.0") << parsed("22.0") << QStringLiteral("22");
        QTest::newRow("22.0 made in code") << QJsonValue(22.0) << QStringLiteral("22");
        QTest::newRow("-3.9") << parsed("-3.9") << QStringLiteral("-3.9");
        QTest::newRow("0.1") << parsed("0.1") << QStringLiteral("0.1");
        QTest::newRow("whole number") << parsed("1013") << QStringLiteral("1013");
        QTest::newRow("integer beyond double precision")
            << parsed("9007199254740993") << QStringLiteral("9007199254740993");
        QTest::newRow("1e21") << parsed("1e21") << QStringLiteral("1e+21");
        QTest::newRow("true") << QJsonValue(true) << QStringLiteral("1");
        QTest::newRow("false") << QJsonValue(false) << QStringLiteral("0");
        QTest::newRow("null") << QJsonValue(QJsonValue::Null) << QString();
        QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << QString();
        QTest::newRow("array") << parsed("[1]") << QString();
        QTest::newRow("object") << parsed("{}") << QString();
    }
    void textOf() {
        QFETCH(QJsonValue, value);
        QFETCH(QString, expected);
        QCOMPARE(otthon::textOf(value), expected);
        if (!value.isUndefined()) {
            const QJsonArray holder{value};
            QCOMPARE(otthon::textOf(holder.constBegin()[0]), expected);
        }
    }

    void fromJson_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("elements");
        QTest::newRow("array") << QByteArray("[[1], null, \"x\"]") << true << 3;
        QTest::newRow("empty array") << QByteArray("[]") << true << 0;
        QTest::newRow("array among blanks") << QByteArray(" \n[1] ") << true << 1;
        QTest::newRow("object") << QByteArray("{\"a\": 1}") << false << 0;
        QTest::newRow("null") << QByteArray("null") << false << 0;
        QTest::newRow("text") << QByteArray("\"[1]\"") << false << 0;
        QTest::newRow("empty") << QByteArray() << false << 0;
        QTest::newRow("cut short") << QByteArray("[1, [2,") << false << 0;
        QTest::newRow("trailing garbage") << QByteArray("[1] x") << false << 0;
        QTest::newRow("HTML error page") << QByteArray("<html>500</html>") << false << 0;
    }
    void fromJson() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        QFETCH(int, elements);
        const StatusTree t = StatusTree::fromJson(bytes);
        QCOMPARE(t.isPresent(), present);
        QCOMPARE(t.root() != nullptr, present);
        if (present)
            QCOMPARE(int(t.root()->size()), elements);
    }

    void positions_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QList<int>>("position");
        QTest::addColumn<QJsonValue>("expected");
        const QJsonValue absent(QJsonValue::Undefined);
        const QByteArray doc =
            R"([[["a", "b", "c"], ["d", null]], null, [], {"0": 1}, "text", [[1], 7, {"1": 2}]])";
        QTest::newRow("cell") << doc << QList<int>{0, 0, 2} << QJsonValue("c");
        QTest::newRow("row") << doc << QList<int>{0, 1} << parsed(R"(["d", null])");
        QTest::newRow("element") << doc << QList<int>{4} << QJsonValue("text");
        QTest::newRow("null cell stays null") << doc << QList<int>{0, 1, 1} << QJsonValue(QJsonValue::Null);
        QTest::newRow("null element stays null") << doc << QList<int>{1} << QJsonValue(QJsonValue::Null);
        QTest::newRow("column past the row") << doc << QList<int>{0, 1, 2} << absent;
        QTest::newRow("row past the element") << doc << QList<int>{0, 2} << absent;
        QTest::newRow("element past the end") << doc << QList<int>{6} << absent;
        QTest::newRow("negative element") << doc << QList<int>{-1} << absent;
        QTest::newRow("negative row") << doc << QList<int>{0, -1} << absent;
        QTest::newRow("negative column") << doc << QList<int>{0, 0, -1} << absent;
        QTest::newRow("row of null") << doc << QList<int>{1, 0} << absent;
        QTest::newRow("row of empty array") << doc << QList<int>{2, 0} << absent;
        QTest::newRow("row of object") << doc << QList<int>{3, 0} << absent;
        QTest::newRow("row of text") << doc << QList<int>{4, 0} << absent;
        QTest::newRow("cell of number row") << doc << QList<int>{5, 1, 0} << absent;
        QTest::newRow("cell of object row") << doc << QList<int>{5, 2, 1} << absent;
        QTest::newRow("absent tree") << QByteArray("{}") << QList<int>{0} << absent;
        QTest::newRow("absent tree cell") << QByteArray("{}") << QList<int>{0, 0, 0} << absent;
    }
    void positions() {
        QFETCH(QByteArray, json);
        QFETCH(QList<int>, position);
        QFETCH(QJsonValue, expected);
        const StatusTree t = StatusTree::fromJson(json);
        QJsonValue actual;
        switch (position.size()) {
        case 1:
            actual = t.at(position[0]);
            break;
        case 2:
            actual = t.at(position[0], position[1]);
            break;
        default:
            actual = t.at(position[0], position[1], position[2]);
        }
        QCOMPARE(actual.type(), expected.type());
        QCOMPARE(actual, expected);
    }

    void rowsAndNull_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("null");
        QTest::newRow("three rows") << QByteArray("[[1, 2, 3]]") << 3 << false;
        QTest::newRow("empty array") << QByteArray("[[]]") << 0 << false;
        QTest::newRow("null") << QByteArray("[null]") << 0 << true;
        QTest::newRow("object") << QByteArray("[{\"a\": [1]}]") << 0 << false;
        QTest::newRow("text") << QByteArray("[\"abc\"]") << 0 << false;
        QTest::newRow("missing element") << QByteArray("[]") << 0 << false;
        QTest::newRow("absent tree") << QByteArray("x") << 0 << false;
    }
    void rowsAndNull() {
        QFETCH(QByteArray, json);
        QFETCH(int, rows);
        QFETCH(bool, null);
        const StatusTree t = StatusTree::fromJson(json);
        QCOMPARE(t.rowCount(0), rows);
        QCOMPARE(t.isNull(0), null);
    }

    void setChangesOneCellInPlace() {
        StatusTree t = tree(R"([0, [["6:30", "15"], ["18:0", "60"]]])");
        const StatusTree before = t;
        QVERIFY(t.set(1, 1, 0, QJsonValue("7:5")));
        QCOMPARE(t.at(1, 1, 0), QJsonValue("7:5"));
        QCOMPARE(t.at(1, 1, 1), QJsonValue("60"));
        QCOMPARE(t.at(1, 0), parsed(R"(["6:30", "15"])"));
        QCOMPARE(t.at(0), QJsonValue(0));
        // A copy taken earlier keeps what it saw.
        QCOMPARE(before.at(1, 1, 0), QJsonValue("18:0"));
    }

    void setRefusesMissingPositions_data() {
        QTest::addColumn<QList<int>>("position");
        QTest::newRow("column past the row") << QList<int>{1, 0, 2};
        QTest::newRow("negative column") << QList<int>{1, 0, -1};
        QTest::newRow("row past the element") << QList<int>{1, 1, 0};
        QTest::newRow("element not an array of rows") << QList<int>{0, 0, 0};
        QTest::newRow("element past the end") << QList<int>{2, 0, 0};
    }
    void setRefusesMissingPositions() {
        QFETCH(QList<int>, position);
        StatusTree t = tree(R"([null, [["6:30", "15"]]])");
        const QJsonArray before = *t.root();
        QVERIFY(!t.set(position[0], position[1], position[2], QJsonValue("x")));
        QCOMPARE(*t.root(), before);
        StatusTree none;
        QVERIFY(!none.set(0, 0, 0, QJsonValue("x")));
        QVERIFY(!none.isPresent());
    }
};

QTEST_GUILESS_MAIN(StatusTreeTest)
#include "tst_statustree.moc"
