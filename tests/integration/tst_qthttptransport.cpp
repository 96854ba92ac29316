#include "link/Commands.h"
#include "platform/QtHttpTransport.h"
#include "support/SampleReply.h"

#include <QRegularExpression>
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
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray head = socket->property("head").toByteArray() + socket->readAll();
                    socket->setProperty("head", head);
                    if (socket->property("answered").toBool() || !head.contains("\r\n\r\n"))
                        return;
                    socket->setProperty("answered", true);
                    requestLines.append(head.left(head.indexOf("\r\n")));
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
    bool calledInsideGet = false;
    std::weak_ptr<int> held; // something only the handlers hold
};

} // namespace

class QtHttpTransportTest : public QObject {
    Q_OBJECT
    bool inGet = false;

    std::shared_ptr<Exchange> get(QtHttpTransport& transport, const QUrl& url, double timeout = 10.0) {
        auto exchange = std::make_shared<Exchange>();
        auto token = std::make_shared<int>();
        exchange->held = token;
        auto note = [this, exchange, token](const char* event, const QByteArray& bytes = QByteArray()) {
            exchange->events.append(QString::fromLatin1(event));
            exchange->body += bytes;
            exchange->calledInsideGet |= inGet;
        };
        HttpHandlers handlers;
        handlers.response = [note] { note("response"); };
        handlers.data = [note](const QByteArray& bytes) { note("data", bytes); };
        handlers.finished = [note] { note("finished"); };
        handlers.failed = [note](const HttpFailure&) { note("failed"); };
        inGet = true;
        transport.get(url, timeout, std::move(handlers));
        inGet = false;
        return exchange;
    }

    // Waits until the transport has let go of the handlers, which it does after their last call, and checks
    // what they reported, in order.
    static bool endsAs(const Exchange& exchange, const char* pattern) {
        return QTest::qWaitFor([&exchange] { return exchange.held.expired(); }, 5000) &&
               !exchange.calledInsideGet &&
               QRegularExpression(QLatin1String(pattern)).match(exchange.events.join(u' ')).hasMatch();
    }

private slots:
    // Whatever the HTTP status, a complete reply is a finished exchange; the request goes out as it was
    // escaped.
    void answeredExchange_data() {
        QTest::addColumn<int>("status");
        for (int status : {200, 404, 500})
            QTest::addRow("%d", status) << status;
    }
    void answeredExchange() {
        QFETCH(int, status);
        LoopbackServer server;
        server.answer = replyWith(status, sampleReplyBytes());
        QtHttpTransport transport;
        const QString command = commands::irrigationDelete("6 30", "1#5&x", "Zó");
        const auto exchange = get(transport, QUrl(server.base() + command, QUrl::StrictMode));
        QVERIFY(!exchange->held.expired());
        QVERIFY2(endsAs(*exchange, "^response( data)+ finished$"), qPrintable(exchange->events.join(u' ')));
        QCOMPARE(exchange->body, sampleReplyBytes());
        QCOMPARE(
            server.requestLines,
            QList<QByteArray>{"GET /LomaViro/Lomaviro.php?dt=Ontozodel:6%2030:1%235%26x:Z%C3%B3 HTTP/1.1"});
    }

    void failedExchange_data() {
        QTest::addColumn<QString>("kind");
        // Refused; closed without a reply; body cut short; no reply in time; a scheme no one serves.
        for (const char* kind : {"refused", "closed", "cut", "silent", "scheme"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
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
        QVERIFY2(endsAs(*exchange, "^(response )?(data )*failed$"), qPrintable(exchange->events.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(QtHttpTransportTest)
#include "tst_qthttptransport.moc"
