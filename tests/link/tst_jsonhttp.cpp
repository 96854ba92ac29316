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
    StatusTree doc(sampleReply());
    doc.set(0, 2, 1, QJsonValue(temperature));
    return QJsonDocument(*doc.root()).toJson(QJsonDocument::Compact);
}

} // namespace

class JsonHttpTest : public QObject {
    Q_OBJECT
    std::unique_ptr<StatusModel> model;
    VirtualScheduler scheduler;
    RecordingAlerts alerts;
    FakeHttpTransport transport;

    Link link() { return Link{*model, transport, alerts, scheduler}; }
    void send(const QString& command = QString()) { JsonHttp::send(link(), command); }
    // Sends as send() does, and watches the exchange that the sender dropped.
    std::weak_ptr<JsonHttp> sendWatched(const QString& command = QString()) {
        auto exchange = std::make_shared<JsonHttp>(link());
        exchange->CommonMethod(command);
        return exchange;
    }
    QString outsideTemperature() const { return model->KulsoTmp.toString(); }

private slots:
    void init() {
        // The transport first: it lets go of the last test's exchanges, which stop their deadlines.
        transport = FakeHttpTransport();
        model = std::make_unique<StatusModel>(kBase);
        scheduler = VirtualScheduler();
        alerts = RecordingAlerts();
    }

    // The reply always replaces the document; the values on screen follow unless a command is settling.
    void replyIsKeptAndCopied_data() {
        QTest::addColumn<bool>("commandInFlight");
        QTest::newRow("idle") << false;
        QTest::newRow("command in flight") << true;
    }
    void replyIsKeptAndCopied() {
        QFETCH(bool, commandInFlight);
        model->CommandInFlight = commandInFlight;
        const QString command = QStringLiteral("?dt=Ontozoup:7:5:20:Z3:6%2030:15:Z2");
        const auto watch = sendWatched(command);
        QCOMPARE(transport.count(), 1);
        QCOMPARE(transport.url(0).toString(QUrl::FullyEncoded), kBase + command);
        QCOMPARE(transport.timeout(0), 10.0);
        transport.reply(0, sampleReplyBytes());
        QVERIFY(watch.expired());
        QCOMPARE(model->Connected, true);
        QCOMPARE(*model->StatusDocument.root(), sampleReply());
        QCOMPARE(outsideTemperature(), commandInFlight ? QStringLiteral("0.0") : QStringLiteral("8.3"));
    }

    // Overlapping exchanges each keep the bytes that followed their own latest response head; the one that
    // finishes last sets the model.
    void overlappingExchanges() {
        send();
        send();
        const QByteArray first = replyWithOutsideTemperature("1.0");
        const QByteArray second = replyWithOutsideTemperature("2.0");
        transport.respond(0);
        transport.deliver(0, "[\"part of an earlier reply\", ");
        transport.respond(0);
        transport.respond(1);
        transport.deliver(0, first.left(20));
        transport.deliver(1, second.left(30));
        transport.deliver(0, first.mid(20));
        transport.deliver(1, second.mid(30));
        transport.finish(1);
        QCOMPARE(outsideTemperature(), QStringLiteral("2.0"));
        transport.finish(0);
        QCOMPARE(outsideTemperature(), QStringLiteral("1.0"));
        QCOMPARE(*model->StatusDocument.root(), QJsonDocument::fromJson(first).array());
    }

    // A failed exchange, or a body that is not a status document, only marks the link down: the last good
    // reply and the values on screen stay; the log tells why. The exchange lives until its last callback, and
    // no longer.
    void failureOnlyClearsConnected_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QString>("logged");
        QTest::newRow("transport failure")
            << replyWithOutsideTemperature("5.0") << true << "status poll failed: failed by the test";
        QTest::newRow("empty body") << QByteArray() << false
                                    << "status poll failed: the reply is not a status document";
        QTest::newRow("object body") << QByteArray("{\"error\": \"HIBA\"}") << false
                                     << "status poll failed: the reply is not a status document";
    }
    void failureOnlyClearsConnected() {
        QFETCH(QByteArray, body);
        QFETCH(bool, fails);
        QFETCH(QString, logged);
        QTest::ignoreMessage(QtInfoMsg, qPrintable(logged));
        send();
        transport.reply(0, sampleReplyBytes());
        model->RadioAdoLista = QStringList{"kept"};
        const auto watch = sendWatched();
        transport.respond(1);
        transport.deliver(1, body);
        QVERIFY(!watch.expired());
        fails ? transport.fail(1) : transport.finish(1);
        QVERIFY(watch.expired());
        QCOMPARE(model->Connected, false);
        QCOMPARE(*model->StatusDocument.root(), sampleReply());
        QCOMPARE(outsideTemperature(), QStringLiteral("8.3"));
        QCOMPARE(model->RadioAdoLista, QStringList{"kept"});
    }

    // The 10 s are a deadline for the whole exchange, and 4 MiB a bound on its reply: a reply that drips past
    // the one or grows past the other is cancelled there and then, counts as failed, and is let go.
    void overrunningReplyIsCancelled_data() {
        QTest::addColumn<QByteArray>("chunk");
        QTest::addColumn<double>("every");
        QTest::addColumn<int>("chunksToTheLimit");
        QTest::newRow("one byte a second") << QByteArray(" ") << 1.0 << 10;
        QTest::newRow("endless megabytes") << QByteArray(1024 * 1024, ' ') << 0.001 << 4;
    }
    void overrunningReplyIsCancelled() {
        QFETCH(QByteArray, chunk);
        QFETCH(double, every);
        QFETCH(int, chunksToTheLimit);
        send();
        transport.reply(0, sampleReplyBytes());
        const auto watch = sendWatched();
        transport.respond(1);
        for (int i = 1; i < chunksToTheLimit; ++i) {
            scheduler.advance(every);
            transport.deliver(1, chunk);
        }
        scheduler.advance(every / 2);
        transport.deliver(1, chunk);
        QVERIFY(transport.isPending(1));
        QCOMPARE(model->Connected, true);
        scheduler.advance(every / 2);
        transport.deliver(1, chunk);
        QVERIFY(transport.isCancelled(1));
        QVERIFY(watch.expired());
        QCOMPARE(model->Connected, false);
        QCOMPARE(*model->StatusDocument.root(), sampleReply());
    }

    // A command that makes no valid address is never sent, and fails later, not within the sender's call.
    void invalidUrlFailsLater() {
        model->Connected = true;
        const auto watch = sendWatched(QStringLiteral("?dt=Pooldel:6 30:15%"));
        QCOMPARE(transport.count(), 0);
        QCOMPARE(model->Connected, true);
        QVERIFY(!watch.expired());
        scheduler.runDue();
        QCOMPARE(model->Connected, false);
        QVERIFY(watch.expired());
    }
};

QTEST_GUILESS_MAIN(JsonHttpTest)
#include "tst_jsonhttp.moc"
