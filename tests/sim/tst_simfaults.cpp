#include "sim/CommandLine.h"
#include "sim/Controller.h"

#include <QJsonDocument>
#include <QtTest>

#include <map>

using namespace otthon::sim;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(otthon::sim::FaultKind)

class SimFaults : public QObject {
    Q_OBJECT
private slots:
    void queuedFaultShapesTheReply_data() {
        QTest::addColumn<FaultKind>("kind");
        QTest::addColumn<int>("status"); // 0: the connection is closed without a reply
        QTest::addColumn<bool>("json");  // also: the command was carried out
        QTest::addColumn<qint64>("wait");
        QTest::newRow("none") << FaultKind::None << 200 << true << qint64(50);
        QTest::newRow("delay") << FaultKind::Delay << 200 << true << qint64(2050);
        QTest::newRow("drop") << FaultKind::Drop << 0 << false << qint64(50);
        QTest::newRow("not json") << FaultKind::NotJson << 200 << false << qint64(50);
        QTest::newRow("server error") << FaultKind::ServerError << 500 << false << qint64(50);
        QTest::newRow("hang") << FaultKind::Hang << 0 << false << qint64(15050);
        QTest::newRow("drip") << FaultKind::Drip << 200 << true << qint64(50);
        QTest::newRow("endless") << FaultKind::Endless << 200 << false << qint64(50);
    }

    void queuedFaultShapesTheReply() {
        QFETCH(FaultKind, kind);
        QFETCH(int, status);
        QFETCH(bool, json);
        QFETCH(qint64, wait);
        ControllerOptions options;
        options.faults.latency = 50ms;
        Controller controller(options);
        if (kind != FaultKind::None)
            controller.pushFault(kind);
        const Reply reply = controller.receive("Allsett:Medence:0", 0ms);
        QCOMPARE(reply.fault, kind);
        QCOMPARE(reply.dropConnection ? 0 : reply.status, status);
        QCOMPARE(reply.wait.count(), wait);
        QCOMPARE(!QJsonDocument::fromJson(QByteArray::fromStdString(reply.body)).isNull(), json);
        QCOMPARE(controller.household().poolPump, !json);
        QCOMPARE(controller.log().entries().at(0).fault, kind);
    }

    void queueComesFirstThenReproducibleChance() {
        FaultRates rates;
        rates.drop = 0.1;
        rates.hang = 0.05;
        FaultPlan first(7, rates);
        FaultPlan second(7, rates);
        first.push(FaultKind::Delay, 300ms);
        first.push(FaultKind::NotJson);
        const Fault delayed = first.next();
        QCOMPARE(delayed.kind, FaultKind::Delay);
        QCOMPARE(delayed.wait, 300ms);
        QCOMPARE(first.next().kind, FaultKind::NotJson);
        // Queued faults take no draws: both plans go on alike.
        std::map<FaultKind, int> counts;
        for (int i = 0; i < 4000; ++i) {
            const FaultKind kind = first.next().kind;
            QCOMPARE(second.next().kind, kind);
            ++counts[kind];
        }
        QVERIFY2(counts[FaultKind::Drop] > 320 && counts[FaultKind::Drop] < 480, "drops");
        QVERIFY2(counts[FaultKind::Hang] > 140 && counts[FaultKind::Hang] < 260, "hangs");
    }

    void remoteResendOfADroppedRequestIsDroppedToo() {
        Controller controller;
        const auto faultAt = [&](Millis now, const char* command = "") {
            return controller.receive(command, now).fault;
        };
        controller.pushFault(FaultKind::Drop);
        QCOMPARE(faultAt(10'000ms), FaultKind::Drop);
        QCOMPARE(faultAt(10'010ms), FaultKind::Drop);
        // Only the first repeat: the remote has seen the failure by now.
        QCOMPARE(faultAt(10'020ms), FaultKind::None);

        controller.pushFault(FaultKind::Drop);
        faultAt(20'000ms);
        QCOMPARE(faultAt(20'250ms), FaultKind::None);

        controller.pushFault(FaultKind::Drop);
        faultAt(30'000ms);
        QCOMPARE(faultAt(30'001ms, "kapu:K1"), FaultKind::None);
        QCOMPARE(faultAt(30'002ms), FaultKind::None);
    }

    void commandLine_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("read"); // host port seed steady drop gate-open; empty when refused
        const auto row = [](const char* arguments, const char* read = "") {
            QTest::newRow(arguments) << QString(arguments) << QString(read);
        };
        row("", "127.0.0.1 8670 1 0 0 6000");
        row("--listen 0.0.0.0:670", "0.0.0.0 670 1 0 0 6000");
        row("--listen [::1]:9000", "::1 9000 1 0 0 6000");
        row("--drop 0.2 --steady --seed 9 --gate-open 3", "127.0.0.1 8670 9 1 0.2 3000");
        for (const char* refused :
             {"--listen localhost", "--listen 127.0.0.1:70000", "--drop 1.5",
              "--delay 0.3 --drop 0.2 --not-json 0.2 --server-error 0.2 --hang 0.2", "--seed", "--verbose 1"})
            row(refused);
    }

    void commandLine() {
        QFETCH(QString, arguments);
        QFETCH(QString, read);
        std::vector<std::string> args;
        for (const QString& a : arguments.split(' ', Qt::SkipEmptyParts))
            args.push_back(a.toStdString());
        const ParsedCommandLine parsed = parseCommandLine(args);
        QCOMPARE(parsed.error.empty(), !read.isEmpty());
        const ControllerOptions& c = parsed.line.controller;
        if (!read.isEmpty())
            QCOMPARE(QString::asprintf("%s %d %llu %d %g %lld", parsed.line.host.c_str(), parsed.line.port,
                                       static_cast<unsigned long long>(c.seed), int(c.steady), c.faults.drop,
                                       static_cast<long long>(c.gateOpenFor.count())),
                     read);
    }
};

QTEST_APPLESS_MAIN(SimFaults)
#include "tst_simfaults.moc"
