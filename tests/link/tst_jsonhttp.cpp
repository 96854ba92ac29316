#include "link/JsonHttp.h"
#include "link/LinkEvents.h"
#include "link/StatusModel.h"
#include "platform/VirtualScheduler.h"
#include "platform/ui/AlertCenter.h"
#include "support/FakeHttpTransport.h"
#include "support/SampleReply.h"

#include <QJsonObject>
#include <QTest>

#include <memory>

using namespace otthon;
using namespace otthon::testing;

const QString kBase = QStringLiteral("http://controller:670/LomaViro/Lomaviro.php");

class JsonHttpTest : public QObject {
    Q_OBJECT
    std::unique_ptr<StatusModel> model;
    VirtualScheduler scheduler;
    AlertCenter alerts;
    FakeHttpTransport transport;
    LinkEvents events;

    // Sends as every sender does (make, send, drop), and watches the exchange.
    std::weak_ptr<JsonHttp> send(const QString& command = QString()) {
        auto exchange = std::make_shared<JsonHttp>(Link{*model, transport, alerts, scheduler, events});
        exchange->CommonMethod(command);
        return exchange;
    }
    QString outsideTemperature() const { return model->KulsoTmp.toString(); }
    // A failed exchange only marks the link down: the last good reply and the values on screen stay, and the
    // exchange is let go.
    void verifyDownWithTheSample(const std::weak_ptr<JsonHttp>& exchange) {
        QVERIFY(exchange.expired());
        QCOMPARE(model->Connected, false);
        QCOMPARE(*model->StatusDocument.root(), sampleReply());
        QCOMPARE(outsideTemperature(), QStringLiteral("8.3"));
    }

private slots:
    void init() {
        // The transport first: it lets go of the last test's exchanges, which stop their deadlines.
        transport = FakeHttpTransport();
        model = std::make_unique<StatusModel>(kBase);
        scheduler = VirtualScheduler();
        // Every test starts from a good reply.
        send();
        transport.reply(0, sampleReplyBytes());
    }

    // Overlapping exchanges each keep the bytes that followed their own latest response head.
    void overlappingExchanges() {
        send();
        send();
        const QByteArray first = sampleReplyBytes().replace("8.3", "1.0"); // the outside temperature
        const QByteArray second = sampleReplyBytes().replace("8.3", "2.0");
        transport.respond(1);
        transport.deliver(1, "[\"part of an earlier reply\", ");
        transport.respond(1);
        transport.respond(2);
        transport.deliver(1, first.left(20));
        transport.deliver(2, second.left(30));
        transport.deliver(1, first.mid(20));
        transport.deliver(2, second.mid(30));
        transport.finish(1);
        QCOMPARE(outsideTemperature(), QStringLiteral("1.0"));
        transport.finish(2);
        QCOMPARE(outsideTemperature(), QStringLiteral("2.0"));
    }

    // Replies may come in any order; an older one never undoes a newer one. `sent`: a poll (p) or a command
    // (c) per exchange after the first poll; `ends`: exchange number and how it ends ("+" a reply whose
    // outside temperature is the exchange's number, "-" a failure), in the order they end; then the outside
    // temperature and the link's state after each ending.
    void newestStateWins_data() {
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("ends");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* sent, const char* ends, const char* shown) {
            QTest::newRow(name) << QString(sent) << QString(ends) << QString(shown);
        };
        row("older poll answers last", "pp", "2+ 1+", "2 up, 2 up");
        row("poll that left before a command", "pc", "1+ 2+", "8.3 up, 2 up");
        row("command's own reply, then the older poll", "pc", "2+ 1+", "2 up, 2 up");
        row("poll after a command", "cp", "2+ 1+", "2 up, 2 up");
        row("newer command", "cc", "2+ 1+", "2 up, 2 up");
        row("late failure after a newer reply", "pp", "2+ 1-", "2 up, 2 up");
        row("late reply after a newer failure", "pp", "2- 1+", "8.3 down, 1 down");
        row("failure, then a newer reply", "pp", "1- 2+", "8.3 down, 2 up");
    }
    void newestStateWins() {
        QFETCH(QString, sent);
        QFETCH(QString, ends);
        QFETCH(QString, shown);
        for (QChar kind : sent)
            send(kind == u'c' ? QStringLiteral("?dt=kapu:K1") : QString());
        QStringList seen;
        for (const QString& end : ends.split(u' ')) {
            const int exchange = end.left(1).toInt();
            if (end.endsWith(u'+'))
                transport.reply(exchange, sampleReplyBytes().replace("8.3", QByteArray::number(exchange)));
            else
                transport.fail(exchange);
            seen.append(outsideTemperature() +
                        (model->Connected ? QStringLiteral(" up") : QStringLiteral(" down")));
        }
        QCOMPARE(seen.join(QStringLiteral(", ")), shown);
    }

    // A command that is not delivered is told at once, for 2 s; a failing poll is not (the picture says it).
    void undeliveredCommandIsTold_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("refused");
        QTest::addRow("command refused") << "?dt=kapu:K1" << true;
        QTest::addRow("command answered with no document") << "?dt=kapu:K1" << false;
        QTest::addRow("poll") << "" << true;
    }
    void undeliveredCommandIsTold() {
        QFETCH(QString, command);
        QFETCH(bool, refused);
        bool answered = true;
        JsonHttp::send(Link{*model, transport, alerts, scheduler, events}, command,
                       [&answered](bool ok) { answered = ok; });
        if (refused)
            transport.fail(1);
        else
            transport.reply(1, "<html>500</html>");
        QVERIFY(!answered);
        const QJsonValue alert = alerts.describeTop();
        QCOMPARE(alert.toObject().value("message").toString(),
                 command.isEmpty() ? QString() : QStringLiteral("A parancsot nem sikerült elküldeni!"));
        scheduler.advance(2.0);
        QVERIFY(alerts.describeTop().isNull());
    }

    // A body that is not a status document counts as a failure.
    void replyThatIsNoDocumentFails() {
        const auto exchange = send();
        transport.reply(1, "{\"error\": \"HIBA\"}");
        verifyDownWithTheSample(exchange);
    }

    // The 10 s are a deadline for the whole exchange, and 4 MiB a bound on its reply: a reply that drips past
    // the one or grows past the other is cancelled there and then, and counts as failed.
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
        const auto exchange = send();
        QCOMPARE(transport.timeout(1), 10.0); // the transport is told the same
        transport.respond(1);
        for (int i = 1; i <= chunksToTheLimit; ++i) { // the last one comes half a period early
            scheduler.advance(i < chunksToTheLimit ? every : every / 2);
            transport.deliver(1, chunk);
        }
        QVERIFY(transport.isPending(1) && model->Connected);
        scheduler.advance(every / 2);
        transport.deliver(1, chunk);
        QVERIFY(transport.isCancelled(1));
        verifyDownWithTheSample(exchange);
    }

    // A command that makes no valid address is never sent, and fails later, not within the sender's call.
    void invalidUrlFailsLater() {
        const auto exchange = send(QStringLiteral("?dt=Pooldel:6 30:15%"));
        QCOMPARE(transport.count(), 1); // the first poll only
        QCOMPARE(model->Connected, true);
        scheduler.runDue();
        verifyDownWithTheSample(exchange);
    }
};

QTEST_GUILESS_MAIN(JsonHttpTest)
#include "tst_jsonhttp.moc"
