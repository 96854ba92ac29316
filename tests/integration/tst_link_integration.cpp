// The link over real connections: QtHttpTransport against a small server on the loopback interface, and the
// request channel (JsonHttp over QtHttpTransport) against the substitute controller.
#include "link/Commands.h"
#include "link/JsonHttp.h"
#include "link/LinkEvents.h"
#include "link/StatusModel.h"
#include "platform/QtHttpTransport.h"
#include "platform/QtScheduler.h"
#include "platform/ui/AlertCenter.h"
#include "sim/Server.h"
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

// A server on the loopback interface that answers each connection as told once its request line is in.
class LoopbackServer : public QObject {
public:
    std::function<void(QTcpSocket*)> answer; // none: the server stays silent
    QList<QByteArray> requestLines;

    LoopbackServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->canReadLine())
                        return;
                    QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
                    const QByteArray head = socket->readAll();
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

// A reply that announces the whole sample and sends `sendOnly` bytes of it, then closes.
std::function<void(QTcpSocket*)> replyWith(int status, qsizetype sendOnly = -1) {
    return [=](QTcpSocket* socket) {
        const QByteArray body = sampleReplyBytes();
        socket->write("HTTP/1.1 " + QByteArray::number(status) +
                      " Status\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nConnection: close\r\n\r\n" + (sendOnly < 0 ? body : body.left(sendOnly)));
        socket->disconnectFromHost();
    };
}

// What one exchange reported, in order.
struct Exchange {
    QString events;
    QByteArray body;
    bool calledInsideGet = false;
    std::weak_ptr<int> held; // something only the handlers hold
};

} // namespace

class LinkIntegrationTest : public QObject {
    Q_OBJECT
    sim::Server server;
    QtScheduler scheduler;
    QtHttpTransport http;
    AlertCenter alerts;
    LinkEvents events;
    std::unique_ptr<StatusModel> model;

    // Sends a command with the controller's next reply spoilt as told, and waits until the controller has it.
    bool send(const QString& command, sim::FaultKind fault = sim::FaultKind::None) {
        server.controller().pushFault(fault);
        const std::size_t received = server.controller().log().size();
        JsonHttp::send(Link{*model, http, alerts, scheduler, events}, command);
        return QTest::qWaitFor([&] { return server.controller().log().size() > received; }, 5000);
    }
    bool connectedBecomes(bool connected) {
        return QTest::qWaitFor([&] { return model->Connected == connected; }, 5000);
    }

    bool inGet = false;

    std::shared_ptr<Exchange> get(QtHttpTransport& transport, const QUrl& url, double timeout = 10.0) {
        auto exchange = std::make_shared<Exchange>();
        auto token = std::make_shared<int>();
        exchange->held = token;
        auto note = [this, exchange, token](const char* event, const QByteArray& bytes = QByteArray()) {
            exchange->events += QLatin1String(event);
            exchange->body += bytes;
            exchange->calledInsideGet |= inGet;
        };
        HttpHandlers handlers;
        handlers.response = [note] { note("response "); };
        handlers.data = [note](const QByteArray& bytes) { note("data ", bytes); };
        handlers.finished = [note] { note("finished"); };
        handlers.failed = [note](const HttpFailure&) { note("failed"); };
        inGet = true;
        transport.get(url, timeout, std::move(handlers));
        inGet = false;
        return exchange;
    }

    // Waits until the transport has let go of the handlers, which it does after their last call, and checks
    // what they reported, in order, none of it from within get().
    static bool endsAs(const Exchange& exchange, const QString& pattern) {
        return QTest::qWaitFor([&exchange] { return exchange.held.expired(); }, 5000) &&
               !exchange.calledInsideGet && QRegularExpression(pattern).match(exchange.events).hasMatch();
    }

private slots:
    // A command goes on the wire as its own text, built as a sender builds it: setpoints and volumes as whole
    // numbers (an exact half to the even neighbour), and texts from a reply escaped only where they could not
    // stand in the query as they are.
    void commandsGoOutAsTheirText_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expected");
        QTest::newRow("21.5 to even") << commands::thermostat("Halo", 21.5f, true) << "temp:Halo:22:0:1";
        QTest::newRow("22.5 to even") << commands::thermostat("Halo", 22.5f, true) << "temp:Halo:22:0:1";
        QTest::newRow("39.7 up") << commands::radioOn(39.7f, "12") << "radio:BE:40:12";
        QTest::newRow("query delimiters")
            << commands::poolDelete("+6 30&a=1", "1#5%") << "Pooldel:%2B6%2030%26a%3D1:1%235%25";
        QTest::newRow("non-ASCII and controls") << commands::irrigationDelete("6:30\n", "\t15\x01", "Zóna")
                                                << "Ontozodel:6:30%0A:%0915%01:Z%C3%B3na";
    }
    void commandsGoOutAsTheirText() {
        QFETCH(QString, command);
        QFETCH(QString, expected);
        LoopbackServer loopback;
        QtHttpTransport transport;
        get(transport, QUrl(loopback.base() + command, QUrl::StrictMode));
        QVERIFY(QTest::qWaitFor([&] { return !loopback.requestLines.isEmpty(); }, 5000));
        QCOMPARE(QString::fromLatin1(loopback.requestLines.first()),
                 "GET /LomaViro/Lomaviro.php?dt=" + expected + " HTTP/1.1");
    }

    // Whatever the HTTP status, a complete reply is a finished exchange; anything short of one fails. At most
    // four exchanges are pending: a fifth lets the oldest go, which reports failed on a later turn.
    void exchangeEnds_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("pattern");
        for (const char* status : {"200", "404", "500"})
            QTest::newRow(status) << status << "^response (data )+finished$";
        // Refused; closed without a reply; body cut short; no reply in time; a scheme no one serves.
        for (const char* kind : {"refused", "closed", "cut", "silent", "scheme"})
            QTest::newRow(kind) << kind << "^(response )?(data )*failed$";
        QTest::newRow("crowded") << "crowded"
                                 << "^failed$";
    }
    void exchangeEnds() {
        QFETCH(QString, server);
        QFETCH(QString, pattern);
        LoopbackServer loopback;
        QUrl url(loopback.base());
        if (server == u"refused")
            loopback.stop();
        else if (server == u"closed")
            loopback.answer = [](QTcpSocket* socket) { socket->disconnectFromHost(); };
        else if (server == u"cut")
            loopback.answer = replyWith(200, 40);
        else if (server == u"scheme")
            url = QUrl(QStringLiteral("nosuch://127.0.0.1/x"));
        else if (server.toInt() > 0)
            loopback.answer = replyWith(server.toInt());
        QtHttpTransport transport;
        const auto exchange = get(transport, url, server == u"silent" ? 0.3 : 10.0);
        QList<std::shared_ptr<Exchange>> later; // crowded: four more to the silent server
        for (int i = 0; server == u"crowded" && i < 4; ++i)
            later.append(get(transport, url));
        QVERIFY2(endsAs(*exchange, pattern), qPrintable(exchange->events));
        for (const auto& other : later)
            QVERIFY(!other->held.expired() && other->events.isEmpty());
        if (server.toInt() > 0)
            QCOMPARE(exchange->body, sampleReplyBytes());
    }

    void initTestCase() {
        QVERIFY(server.start("127.0.0.1", 0) > 0);
        model = std::make_unique<StatusModel>(QString::fromStdString(server.url()));
    }

    // The controller's report of a refused setting reaches the alert.
    void aRefusedSettingRaisesTheAlert() {
        QVERIFY(send(commands::thermostat("Nappali", 40, true)));
        QVERIFY(QTest::qWaitFor([&] { return alerts.count() == 1; }, 5000));
        QCOMPARE(alerts.message(), QStringLiteral("Sikertelen Nappali beállitas!"));
    }

    // Replies that drip or never end hold the app's connections only so long: at most four exchanges stay
    // pending, so that even after six dripping replies and an endless one, the first poll the controller
    // answers normally gets through at once, while the dripping ones are still pending.
    void hostileRepliesDoNotCutTheLinkOff() {
        QVERIFY(send(commands::poll()) && connectedBecomes(true));
        for (int dripping = 1; dripping <= 6; ++dripping)
            QVERIFY(send(commands::poll(), sim::FaultKind::Drip));
        QVERIFY(send(commands::poll(), sim::FaultKind::Endless));
        QVERIFY(connectedBecomes(false)); // an exchange that gave way, or the endless one, failed
        QVERIFY(send(commands::poll()) && connectedBecomes(true));
        QCOMPARE(model->StatusDocument.rowCount(4), 10);
    }
};

QTEST_GUILESS_MAIN(LinkIntegrationTest)
#include "tst_link_integration.moc"
