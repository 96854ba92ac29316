#include "link/JsonHttp.h"
#include "link/StatusModel.h"
#include "platform/VirtualScheduler.h"
#include "support/FakeHttpTransport.h"
#include "support/RecordingAlerts.h"
#include "support/SampleReply.h"

#include <QJsonDocument>
#include <QTest>

#include <memory>

using namespace otthon;
using namespace otthon::testing;

namespace {

const QString kBase = QStringLiteral("http://controller:670/LomaViro/Lomaviro.php");

QByteArray replyWithOutsideTemperature(const char* temperature) {
    QJsonArray doc = sampleReply();
    QJsonArray sensors = doc[0].toArray();
    sensors[2] = QJsonArray{"Kulso", temperature, "71"};
    doc[0] = sensors;
    return QJsonDocument(doc).toJson(QJsonDocument::Compact);
}

} // namespace

class JsonHttpTest : public QObject {
    Q_OBJECT
    std::unique_ptr<StatusModel> model;
    std::unique_ptr<VirtualScheduler> scheduler;
    std::unique_ptr<RecordingAlerts> alerts;
    std::unique_ptr<FakeHttpTransport> transport;

    Link link() { return Link{*model, *transport, *alerts, *scheduler}; }
    void send(const QString& command) { JsonHttp::send(link(), command); }
    QString outsideTemperature() const { return model->KulsoTmp.toString(); }

private slots:
    void init() {
        model = std::make_unique<StatusModel>(kBase);
        scheduler = std::make_unique<VirtualScheduler>();
        alerts = std::make_unique<RecordingAlerts>(scheduler.get());
        transport = std::make_unique<FakeHttpTransport>();
    }

    void requestsBaseUrlAndCommand_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("poll") << QString();
        QTest::newRow("gate") << QStringLiteral("?dt=kapu:K1");
        QTest::newRow("update") << QStringLiteral("?dt=Ontozoup:7:5:20:Z3:6:30:15:Z2");
    }
    void requestsBaseUrlAndCommand() {
        QFETCH(QString, command);
        send(command);
        QCOMPARE(transport->count(), 1);
        QCOMPARE(transport->url(0).toString(QUrl::FullyEncoded), kBase + command);
        QCOMPARE(transport->timeout(0), 10.0);
        QCOMPARE(model->Connected, false);
    }

    void replyIsKeptAndCopied() {
        send(QString());
        transport->reply(0, sampleReplyBytes());
        QCOMPARE(model->Connected, true);
        QCOMPARE(*model->StatusDocument.root(), sampleReply());
        QCOMPARE(outsideTemperature(), QStringLiteral("8.3"));
        QCOMPARE(model->RadioAdoLista.size(), 3);
    }

    void laterFinisherWins() {
        send(QString());
        send(QStringLiteral("?dt=kapu:K1"));
        transport->reply(1, replyWithOutsideTemperature("2.0"));
        transport->reply(0, replyWithOutsideTemperature("1.0"));
        QCOMPARE(outsideTemperature(), QStringLiteral("1.0"));
        QCOMPARE(model->StatusDocument.at(0, 2, 1), QJsonValue("1.0"));
    }

    void interleavedExchangesKeepTheirOwnBytes() {
        send(QString());
        send(QString());
        const QByteArray first = replyWithOutsideTemperature("1.0");
        const QByteArray second = replyWithOutsideTemperature("2.0");
        transport->respond(0);
        transport->respond(1);
        transport->deliver(0, first.left(20));
        transport->deliver(1, second.left(30));
        transport->deliver(0, first.mid(20));
        transport->deliver(1, second.mid(30));
        transport->finish(0);
        QCOMPARE(outsideTemperature(), QStringLiteral("1.0"));
        transport->finish(1);
        QCOMPARE(outsideTemperature(), QStringLiteral("2.0"));
    }

    void secondResponseHeadDropsEarlierBytes() {
        send(QString());
        transport->respond(0);
        transport->deliver(0, "[\"part of a first reply\", ");
        transport->respond(0);
        transport->deliver(0, sampleReplyBytes());
        transport->finish(0);
        QCOMPARE(model->Connected, true);
        QCOMPARE(*model->StatusDocument.root(), sampleReply());
    }

    void failureOrTimeoutOnlyClearsConnected_data() {
        QTest::addColumn<bool>("timeout");
        QTest::newRow("failure") << false;
        QTest::newRow("timeout") << true;
    }
    void failureOrTimeoutOnlyClearsConnected() {
        QFETCH(bool, timeout);
        send(QString());
        transport->reply(0, sampleReplyBytes());
        send(QString());
        transport->respond(1);
        transport->deliver(1, replyWithOutsideTemperature("5.0"));
        if (timeout)
            transport->timeOut(1);
        else
            transport->fail(1);
        QCOMPARE(model->Connected, false);
        QCOMPARE(*model->StatusDocument.root(), sampleReply());
        QCOMPARE(outsideTemperature(), QStringLiteral("8.3"));
        QVERIFY(alerts->shown().empty());

        send(QString());
        transport->reply(2, sampleReplyBytes());
        QCOMPARE(model->Connected, true);
    }

    // A body that is not a status document counts as a failed exchange: nothing of the last good reply is
    // lost.
    void undecodableBodyIsAFailure_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not JSON") << QByteArray("<html><body>Internal error</body></html>");
        QTest::newRow("object") << QByteArray("{\"error\": \"HIBA\"}");
        QTest::newRow("null") << QByteArray("null");
        QTest::newRow("cut short") << sampleReplyBytes().chopped(5);
    }
    void undecodableBodyIsAFailure() {
        QFETCH(QByteArray, body);
        send(QString());
        transport->reply(0, sampleReplyBytes());
        model->RadioAdoLista = QStringList{"kept"};
        send(QString());
        transport->reply(1, body);
        QCOMPARE(model->Connected, false);
        QCOMPARE(*model->StatusDocument.root(), sampleReply());
        QCOMPARE(outsideTemperature(), QStringLiteral("8.3"));
        QCOMPARE(model->RadioAdoLista, QStringList{"kept"});
        QVERIFY(alerts->shown().empty());
    }

    void replyWhileCommandInFlightOnlyReplacesDocument() {
        model->CommandInFlight = true;
        model->NappaliSetTmp = 25;
        send(QStringLiteral("?dt=temp:Nappali:25:0:1"));
        transport->reply(0, sampleReplyBytes());
        QCOMPARE(model->Connected, true);
        QCOMPARE(*model->StatusDocument.root(), sampleReply());
        QCOMPARE(model->NappaliSetTmp, qint64(25));
        QCOMPARE(model->KulsoTmp, QJsonValue("0.0"));
    }

    void refusedSettingIsReported() {
        QJsonArray doc = sampleReply();
        doc[6] = QJsonArray{"HIBA", "Medence"};
        send(QStringLiteral("?dt=Allsett:Medence:1"));
        transport->reply(0, QJsonDocument(doc).toJson());
        QCOMPARE(alerts->shown().size(), std::size_t(1));
        QCOMPARE(alerts->shown().front().content.message, QStringLiteral("Sikertelen Medence beállitas!"));
        scheduler->advance(2.0);
        QCOMPARE(alerts->openCount(), 0);
    }

    void invalidUrlFailsLater_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("space") << QStringLiteral("?dt=Pooldel:6 30:15");
        QTest::newRow("bare percent") << QStringLiteral("?dt=Pooldel:6:30:15%");
        QTest::newRow("control character") << QStringLiteral("?dt=Pooldel:6:30\n:15");
    }
    void invalidUrlFailsLater() {
        QFETCH(QString, command);
        model->Connected = true;
        send(command);
        QCOMPARE(transport->count(), 0);
        QCOMPARE(model->Connected, true); // not within the sender's call
        scheduler->runDue();
        QCOMPARE(model->Connected, false);
    }

    void exchangeKeepsItsObjectAliveUntilItsLastCallback_data() {
        QTest::addColumn<int>("ending"); // 0 finish, 1 failure, 2 undecodable body
        QTest::newRow("finish") << 0;
        QTest::newRow("failure") << 1;
        QTest::newRow("undecodable body") << 2;
    }
    void exchangeKeepsItsObjectAliveUntilItsLastCallback() {
        QFETCH(int, ending);
        std::weak_ptr<JsonHttp> watch;
        {
            auto request = std::make_shared<JsonHttp>(link());
            watch = request;
            request->CommonMethod(QString());
        }
        QVERIFY(!watch.expired());
        transport->respond(0);
        transport->deliver(0, ending == 2 ? QByteArray("x") : sampleReplyBytes());
        QVERIFY(!watch.expired());
        if (ending == 1)
            transport->fail(0);
        else
            transport->finish(0);
        QVERIFY(watch.expired());
        QCOMPARE(transport->pendingCount(), 0);
    }

    void invalidUrlKeepsItsObjectAliveUntilTheFailure() {
        std::weak_ptr<JsonHttp> watch;
        {
            auto request = std::make_shared<JsonHttp>(link());
            watch = request;
            request->CommonMethod(QStringLiteral("?dt=a b"));
        }
        QVERIFY(!watch.expired());
        scheduler->runDue();
        QVERIFY(watch.expired());
        QCOMPARE(scheduler->activeTimers(), 0);
    }
};

QTEST_GUILESS_MAIN(JsonHttpTest)
#include "tst_jsonhttp.moc"
