#include "DocumentPath.h"

#include "sim/CommandLine.h"
#include "sim/Controller.h"

#include <QtTest>

using namespace otthon::sim;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(otthon::sim::FaultKind)

class SimFaults : public QObject {
    Q_OBJECT
private slots:
    void queuedFaultShapesTheReply_data();
    void queuedFaultShapesTheReply();
    void queueComesFirstThenChance();
    void chanceIsReproducibleAndNearItsRate();
    void remoteResendOfADroppedRequestIsDroppedToo();
    void logKeepsEveryRequestInOrder();
    void commandLine_data();
    void commandLine();
};

void SimFaults::queuedFaultShapesTheReply_data() {
    QTest::addColumn<FaultKind>("kind");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("json");
    QTest::addColumn<qint64>("wait");
    QTest::newRow("none") << FaultKind::None << true << false << 200 << true << qint64(50);
    QTest::newRow("delay") << FaultKind::Delay << true << false << 200 << true << qint64(2050);
    QTest::newRow("drop") << FaultKind::Drop << false << true << 0 << false << qint64(50);
    QTest::newRow("not json") << FaultKind::NotJson << false << false << 200 << false << qint64(50);
    QTest::newRow("server error") << FaultKind::ServerError << false << false << 500 << false << qint64(50);
    QTest::newRow("hang") << FaultKind::Hang << false << true << 0 << false << qint64(15050);
}

void SimFaults::queuedFaultShapesTheReply() {
    QFETCH(FaultKind, kind);
    QFETCH(bool, applied);
    QFETCH(bool, dropped);
    QFETCH(int, status);
    QFETCH(bool, json);
    QFETCH(qint64, wait);
    ControllerOptions options;
    options.steady = true;
    options.faults.latency = 50ms;
    Controller controller(options);
    if (kind != FaultKind::None)
        controller.pushFault(kind);
    const Reply reply = controller.receive("Allsett:Medence:0", 0ms);
    QCOMPARE(reply.fault, kind);
    QCOMPARE(reply.dropConnection, dropped);
    QCOMPARE(reply.wait.count(), wait);
    if (!dropped)
        QCOMPARE(reply.status, status);
    QJsonParseError error{};
    QJsonDocument::fromJson(QByteArray::fromStdString(reply.body), &error);
    QCOMPARE(!dropped && error.error == QJsonParseError::NoError, json);
    QCOMPARE(controller.household().poolPump, !applied);
    QCOMPARE(controller.log().entries().at(0).fault, kind);
}

void SimFaults::queueComesFirstThenChance() {
    ControllerOptions options;
    options.faults.serverError = 1;
    Controller controller(options);
    controller.pushFault(FaultKind::Delay, 300ms);
    controller.pushFault(FaultKind::NotJson);
    const Reply delayed = controller.receive("", 0ms);
    QCOMPARE(delayed.fault, FaultKind::Delay);
    QCOMPARE(delayed.wait, 300ms);
    QCOMPARE(controller.receive("", 0ms).fault, FaultKind::NotJson);
    QCOMPARE(controller.receive("", 0ms).fault, FaultKind::ServerError);
}

void SimFaults::chanceIsReproducibleAndNearItsRate() {
    FaultRates rates;
    rates.drop = 0.1;
    rates.hang = 0.05;
    FaultPlan first(7, rates);
    FaultPlan second(7, rates);
    int drops = 0;
    int hangs = 0;
    for (int i = 0; i < 4000; ++i) {
        const Fault fault = first.next();
        QCOMPARE(second.next().kind, fault.kind);
        drops += fault.kind == FaultKind::Drop;
        hangs += fault.kind == FaultKind::Hang;
    }
    QVERIFY2(drops > 320 && drops < 480, qPrintable(QString::number(drops)));
    QVERIFY2(hangs > 140 && hangs < 260, qPrintable(QString::number(hangs)));
}

void SimFaults::remoteResendOfADroppedRequestIsDroppedToo() {
    Controller controller;
    controller.pushFault(FaultKind::Drop);
    QCOMPARE(controller.receive("", 10'000ms).fault, FaultKind::Drop);
    QCOMPARE(controller.receive("", 10'010ms).fault, FaultKind::Drop);
    // Only the first repeat: the remote has seen the failure by now.
    QCOMPARE(controller.receive("", 10'020ms).fault, FaultKind::None);

    controller.pushFault(FaultKind::Drop);
    controller.receive("", 20'000ms);
    QCOMPARE(controller.receive("", 20'250ms).fault, FaultKind::None);

    controller.pushFault(FaultKind::Drop);
    controller.receive("", 30'000ms);
    QCOMPARE(controller.receive("kapu:K1", 30'001ms).fault, FaultKind::None);
    QCOMPARE(controller.receive("", 30'002ms).fault, FaultKind::None);
}

void SimFaults::logKeepsEveryRequestInOrder() {
    Controller controller;
    controller.pushFault(FaultKind::Drop);
    controller.receive("", 0ms);
    controller.receive("radio:BE:40:3", 2s);
    controller.receive("?x=1", 3s);
    controller.receive("radio:BE:40:30", 4s);
    QCOMPARE(controller.log().commands(),
             (std::vector<std::string>{"", "radio:BE:40:3", "?x=1", "radio:BE:40:30"}));
    const auto entries = controller.log().entries();
    QCOMPARE(entries[0].fault, FaultKind::Drop);
    QCOMPARE(entries[2].refused, std::string("parancs"));
    QCOMPARE(entries[3].refused, std::string("Radio"));
    QVERIFY(controller.log().waitForSize(4, 0ms));
    controller.log().clear();
    QCOMPARE(controller.log().size(), std::size_t{0});
}

void SimFaults::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("defaults") << QStringList{} << true << "127.0.0.1" << 8670;
    QTest::newRow("listen") << QStringList{"--listen", "0.0.0.0:670"} << true << "0.0.0.0" << 670;
    QTest::newRow("ipv6") << QStringList{"--listen", "[::1]:9000"} << true << "::1" << 9000;
    QTest::newRow("faults") << QStringList{"--drop", "0.2", "--hang", "0.1", "--steady", "--seed", "9"}
                            << true << "127.0.0.1" << 8670;
    QTest::newRow("no port") << QStringList{"--listen", "localhost"} << false << "" << 0;
    QTest::newRow("bad port") << QStringList{"--listen", "127.0.0.1:70000"} << false << "" << 0;
    QTest::newRow("probability over one") << QStringList{"--drop", "1.5"} << false << "" << 0;
    QTest::newRow("sum over one") << QStringList{"--drop", "0.6", "--not-json", "0.6"} << false << "" << 0;
    QTest::newRow("missing value") << QStringList{"--seed"} << false << "" << 0;
    QTest::newRow("unknown") << QStringList{"--verbose", "1"} << false << "" << 0;
}

void SimFaults::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    QFETCH(QString, host);
    QFETCH(int, port);
    std::vector<std::string> args;
    for (const QString& a : arguments)
        args.push_back(a.toStdString());
    const ParsedCommandLine parsed = parseCommandLine(args);
    QCOMPARE(parsed.error.empty(), valid);
    if (!valid)
        return;
    QCOMPARE(QString::fromStdString(parsed.line.host), host);
    QCOMPARE(parsed.line.port, port);
    if (arguments.contains("--drop")) {
        QCOMPARE(parsed.line.controller.faults.drop, 0.2);
        QVERIFY(parsed.line.controller.steady);
        QCOMPARE(parsed.line.controller.seed, std::uint64_t{9});
    }
}

QTEST_APPLESS_MAIN(SimFaults)
#include "tst_simfaults.moc"
