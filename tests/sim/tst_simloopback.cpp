#include "sim/Server.h"

#include <httplib.h>

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace otthon::sim;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(otthon::sim::FaultKind)

namespace {
// A blocking TCP connection to the loopback port, or -1.
int connectTo(int port) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (socket >= 0 && ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return socket;
    if (socket >= 0)
        close(socket);
    return -1;
}
} // namespace

// Talks to a real server on a free loopback port.
class SimLoopback : public QObject {
    Q_OBJECT
private slots:
    void answersWithTheCommandOfItsQuery_data() {
        QTest::addColumn<QString>("query"); // as it travels
        QTest::addColumn<QString>("command");
        const auto row = [](const char* query, const char* command) {
            QTest::newRow(query) << QString(query) << QString(command);
        };
        row("", "");
        row("?", "");
        row("?dt=temp:Nappali:24:0:0", "temp:Nappali:24:0:0");
        row("?dt=radio%3ABE%3A30%3A1", "radio:BE:30:1");
        row("?dt=a+b", "a b");
        row("?dt=", "?dt=");
        row("?dt=radio:KI&x=1", "?dt=radio:KI&x=1");
    }

    void answersWithTheCommandOfItsQuery() {
        QFETCH(QString, query);
        QFETCH(QString, command);
        ControllerOptions steady;
        steady.steady = true;
        Server server(steady);
        httplib::Client client("127.0.0.1", server.start());
        client.set_url_encode(false);
        const auto reply = client.Get(Server::controllerPath + query.toStdString());
        QVERIFY(reply);
        QCOMPARE(reply->status, 200);
        QCOMPARE(server.controller().log().commands(), std::vector<std::string>{command.toStdString()});
        // The reply is the document after the command.
        Controller twin(steady);
        QCOMPARE(reply->body, twin.receive(command.toStdString(), 0ms).body);
    }

    void servesOnlyItsPathAndPort() {
        Server server;
        const int port = server.start("127.0.0.1", 0);
        QVERIFY(port > 0);
        QCOMPARE(QString::fromStdString(server.url()),
                 QString("http://127.0.0.1:%1/LomaViro/Lomaviro.php").arg(port));
        QCOMPARE(httplib::Client("127.0.0.1", port).Get("/index.php")->status, 404);
        Server second;
        QCOMPARE(second.start("127.0.0.1", port), -1);
    }

    void faultReachesTheClient_data() {
        QTest::addColumn<FaultKind>("kind");
        QTest::addColumn<int>("status"); // 0: no response at all
        QTest::newRow("drop") << FaultKind::Drop << 0;
        QTest::newRow("server error") << FaultKind::ServerError << 500;
        QTest::newRow("not json") << FaultKind::NotJson << 200;
    }

    void faultReachesTheClient() {
        QFETCH(FaultKind, kind);
        QFETCH(int, status);
        Server server;
        httplib::Client client("127.0.0.1", server.start());
        server.controller().pushFault(kind);
        const auto reply = client.Get(std::string(Server::controllerPath) + "?dt=Allsett:Medence:0");
        QCOMPARE(reply.error(), status == 0 ? httplib::Error::Read : httplib::Error::Success);
        if (reply) {
            QCOMPARE(reply->status, status);
            QVERIFY(QJsonDocument::fromJson(QByteArray::fromStdString(reply->body)).isNull());
        }
        const auto next = client.Get(Server::controllerPath);
        QVERIFY(next && next->status == 200);
    }

    void slowClientsLeaveRoomForOthers() {
        // Forty connections that never finish a request: they send nothing, or stop within the head, or
        // send a byte of it every tenth of a second.
        Server server;
        const int port = server.start();
        std::vector<int> slow;
        const auto closeSlow = qScopeGuard([&] {
            for (int socket : slow)
                close(socket);
        });
        const std::string head = std::string("GET ") + Server::controllerPath + " HTTP/1.1\r\nHost: x\r\n";
        for (int i = 0; i < 40; ++i) {
            slow.push_back(connectTo(port));
            QVERIFY(slow.back() >= 0);
            if (i % 3 == 1)
                QCOMPARE(send(slow.back(), head.data(), head.size(), MSG_NOSIGNAL), ssize_t(head.size()));
        }
        httplib::Client client("127.0.0.1", port);
        client.set_read_timeout(3s);
        const auto reply = client.Get(Server::controllerPath);
        QVERIFY(reply && reply->status == 200);

        // Each is let go of within its bounds: a second to begin a request, two to send it whole.
        std::vector<bool> closed(slow.size());
        const QDeadlineTimer deadline(5000);
        while (std::count(closed.begin(), closed.end(), true) < qsizetype(slow.size()) &&
               !deadline.hasExpired()) {
            for (std::size_t i = 0; i < slow.size(); ++i) {
                if (closed[i])
                    continue;
                if (i % 3 == 2)
                    send(slow[i], "X", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
                char bytes[4096];
                const ssize_t n = recv(slow[i], bytes, sizeof bytes, MSG_DONTWAIT);
                closed[i] = n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
            }
            std::this_thread::sleep_for(100ms);
        }
        QCOMPARE(std::count(closed.begin(), closed.end(), true), qsizetype(slow.size()));
    }

    void stopReleasesAHeldRequestPromptly() {
        Server server;
        httplib::Client client("127.0.0.1", server.start());
        server.controller().pushFault(FaultKind::Hang);
        bool answered = true;
        std::thread caller([&] { answered = static_cast<bool>(client.Get(Server::controllerPath)); });
        QVERIFY(server.controller().log().waitForSize(1, 5s));
        QElapsedTimer timer;
        timer.start();
        server.stop();
        caller.join();
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString("stop took %1 ms").arg(timer.elapsed())));
        QVERIFY(!answered);
        QVERIFY(!server.isRunning());
    }

    void qtClientSeesADropAsFailure() {
        // The process also holds a local socket, as a window system's connection: drops pass it by.
        int local[2];
        QCOMPARE(socketpair(AF_UNIX, SOCK_STREAM, 0, local), 0);
        const auto closeLocal = qScopeGuard([&] { close(local[0]), close(local[1]); });
        Server server;
        const int port = server.start();
        QNetworkAccessManager network;
        const auto get = [&] {
            QNetworkRequest request(
                QUrl(QString("http://127.0.0.1:%1%2").arg(port).arg(Server::controllerPath)));
            QNetworkReply* reply = network.get(request);
            QSignalSpy finished(reply, &QNetworkReply::finished);
            [&] { QVERIFY(finished.wait(5000)); }();
            reply->deleteLater();
            return reply->error();
        };
        QCOMPARE(get(), QNetworkReply::NoError);
        server.controller().pushFault(FaultKind::Drop);
        QCOMPARE(get(), QNetworkReply::RemoteHostClosedError);
        QCOMPARE(get(), QNetworkReply::NoError);
        const auto entries = server.controller().log().entries();
        QCOMPARE(entries.size(), std::size_t{4});
        QCOMPARE(entries[2].fault, FaultKind::Drop); // Qt's resend
        // The remote keeps its connection open; stopping must not wait long for it.
        QElapsedTimer timer;
        timer.start();
        server.stop();
        QVERIFY2(timer.elapsed() < 1500, qPrintable(QString("stop took %1 ms").arg(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(SimLoopback)
#include "tst_simloopback.moc"
