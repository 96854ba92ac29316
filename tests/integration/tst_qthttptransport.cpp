#include "link/Commands.h"
#include "link/JsonHttp.h"
#include "link/StatusModel.h"
#include "platform/QtHttpTransport.h"
#include "platform/VirtualScheduler.h"
#include "support/RecordingAlerts.h"
#include "support/SampleReply.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <memory>

using namespace otthon;
using namespace otthon::testing;

namespace {

// A server on the loopback interface that reads one request head per connection and answers it as told.
class LoopbackServer : public QObject {
public:
    std::function<void(QTcpSocket*)> answer;
    QList<QByteArray> requestLines;

    LoopbackServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                struct Incoming {
                    QByteArray head;
                    bool answered = false;
                };
                auto incoming = std::make_shared<Incoming>();
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, incoming] {
                    incoming->head.append(socket->readAll());
                    if (incoming->answered || !incoming->head.contains("\r\n\r\n"))
                        return;
                    incoming->answered = true;
                    requestLines.append(incoming->head.left(incoming->head.indexOf("\r\n")));
                    if (answer)
                        answer(socket);
                });
            }
        });
    }
    QString base() const {
        return QStringLiteral("http://127.0.0.1:%1/LomaViro/Lomaviro.php").arg(server_.serverPort());
    }
    void stop() { server_.close(); }

private:
    QTcpServer server_;
};

std::function<void(QTcpSocket*)> replyWith(int status, const QByteArray& body, qsizetype sendOnly = -1) {
    return [=](QTcpSocket* socket) {
        socket->write("HTTP/1.1 " + QByteArray::number(status) +
                      " Status\r\nContent-Type: application/json\r\n" +
                      "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n");
        socket->write(sendOnly < 0 ? body : body.left(sendOnly));
        socket->disconnectFromHost();
    };
}

// What one exchange reported, in order.
struct Exchange {
    QStringList events;
    QByteArray body;
    bool over = false;
    bool calledInsideGet = false;
};

} // namespace

class QtHttpTransportTest : public QObject {
    Q_OBJECT
    bool inGet = false;

    std::shared_ptr<Exchange> get(QtHttpTransport& transport, const QUrl& url, double timeout = 10.0) {
        auto exchange = std::make_shared<Exchange>();
        auto note = [this, exchange](const char* event) {
            exchange->events.append(QString::fromLatin1(event));
            exchange->calledInsideGet |= inGet;
        };
        HttpHandlers handlers;
        handlers.response = [note] { note("response"); };
        handlers.data = [note, exchange](const QByteArray& bytes) {
            note("data");
            exchange->body += bytes;
        };
        handlers.finished = [note, exchange] {
            note("finished");
            exchange->over = true;
        };
        handlers.failed = [note, exchange] {
            note("failed");
            exchange->over = true;
        };
        inGet = true;
        transport.get(url, timeout, std::move(handlers));
        inGet = false;
        return exchange;
    }

private slots:
    void answeredExchange_data() {
        QTest::addColumn<int>("status");
        QTest::newRow("200") << 200;
        QTest::newRow("400") << 400;
        QTest::newRow("404") << 404;
        QTest::newRow("500") << 500;
        QTest::newRow("503") << 503;
    }
    void answeredExchange() {
        QFETCH(int, status);
        LoopbackServer server;
        const QByteArray body = sampleReplyBytes();
        server.answer = replyWith(status, body);
        QtHttpTransport transport;
        const auto exchange = get(transport, QUrl(server.base() + QStringLiteral("?dt=kapu:K1")));
        QTRY_VERIFY_WITH_TIMEOUT(exchange->over, 5000);
        QVERIFY(!exchange->calledInsideGet);
        QCOMPARE(exchange->events.first(), QStringLiteral("response"));
        QCOMPARE(exchange->events.last(), QStringLiteral("finished"));
        QCOMPARE(exchange->events.mid(1, exchange->events.size() - 2),
                 QStringList(exchange->events.size() - 2, QStringLiteral("data")));
        QCOMPARE(exchange->body, body);
        QCOMPARE(server.requestLines, QList<QByteArray>{"GET /LomaViro/Lomaviro.php?dt=kapu:K1 HTTP/1.1"});
    }

    void escapedCommandReachesTheServerAsSent() {
        LoopbackServer server;
        server.answer = replyWith(200, "[]");
        QtHttpTransport transport;
        const QString command =
            commands::irrigationDelete(QStringLiteral("6 30"), QStringLiteral("1#5&x"), QStringLiteral("Zó"));
        const auto exchange = get(transport, QUrl(server.base() + command, QUrl::StrictMode));
        QTRY_VERIFY_WITH_TIMEOUT(exchange->over, 5000);
        QCOMPARE(
            server.requestLines,
            QList<QByteArray>{"GET /LomaViro/Lomaviro.php?dt=Ontozodel:6%2030:1%235%26x:Z%C3%B3 HTTP/1.1"});
    }

    void failedExchange_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("refused") << QStringLiteral("refused");
        QTest::newRow("closed without reply") << QStringLiteral("closed");
        QTest::newRow("body cut short") << QStringLiteral("cut");
        QTest::newRow("no reply in time") << QStringLiteral("silent");
        QTest::newRow("unknown scheme") << QStringLiteral("scheme");
    }
    void failedExchange() {
        QFETCH(QString, kind);
        LoopbackServer server;
        const QString base = server.base();
        if (kind == u"refused")
            server.stop();
        else if (kind == u"closed")
            server.answer = [](QTcpSocket* socket) { socket->disconnectFromHost(); };
        else if (kind == u"cut")
            server.answer = replyWith(200, sampleReplyBytes(), 40);
        QtHttpTransport transport;
        const QUrl url = kind == u"scheme" ? QUrl(QStringLiteral("nosuch://127.0.0.1/x")) : QUrl(base);
        const auto exchange = get(transport, url, kind == u"silent" ? 0.3 : 10.0);
        QTRY_VERIFY_WITH_TIMEOUT(exchange->over, 5000);
        QVERIFY(!exchange->calledInsideGet);
        QCOMPARE(exchange->events.last(), QStringLiteral("failed"));
        QCOMPARE(exchange->events.count(QStringLiteral("failed")), 1);
        QVERIFY(!exchange->events.contains(QStringLiteral("finished")));
    }

    void handlersAreReleasedAfterTheLastCallback() {
        LoopbackServer server;
        server.answer = replyWith(200, "[]");
        QtHttpTransport transport;
        auto token = std::make_shared<int>(0);
        std::weak_ptr<int> watch = token;
        bool over = false;
        HttpHandlers handlers;
        handlers.finished = [token, &over] { over = true; };
        handlers.failed = [token, &over] { over = true; };
        transport.get(QUrl(server.base()), 10.0, std::move(handlers));
        token.reset();
        QVERIFY(!watch.expired());
        QTRY_VERIFY_WITH_TIMEOUT(over, 5000);
        QVERIFY(watch.expired());
    }

    // The whole channel over the real transport: an HTTP error status that carries a status document is a
    // reply.
    void errorStatusWithDocumentIsApplied() {
        LoopbackServer server;
        server.answer = replyWith(500, sampleReplyBytes());
        QtHttpTransport transport;
        VirtualScheduler scheduler;
        RecordingAlerts alerts(&scheduler);
        StatusModel model(server.base());
        JsonHttp::send(Link{model, transport, alerts, scheduler}, QString());
        QTRY_VERIFY_WITH_TIMEOUT(model.Connected, 5000);
        QCOMPARE(*model.StatusDocument.root(), sampleReply());
        QCOMPARE(model.KulsoTmp, QJsonValue("8.3"));
    }
};

QTEST_GUILESS_MAIN(QtHttpTransportTest)
#include "tst_qthttptransport.moc"
