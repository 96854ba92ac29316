#include "sim/Server.h"

#include <httplib.h>

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace otthon::sim;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(otthon::sim::FaultKind)

namespace {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int servedAtOnceMs = 250; // sanitized builds run a few times slower
#else
constexpr int servedAtOnceMs = 50;
#endif

// A blocking TCP connection to the loopback port, or -1.
int connectTo(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    return ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ? socket : -1;
}
} // namespace

// Talks to a real server on a free loopback port.
class SimLoopback : public QObject {
    Q_OBJECT
private slots:
    // Another path is not the controller's, a request line too long is answered, and a second server cannot
    // share its port unnoticed.
    void servesOnlyItsPathAndPort() {
        Server server;
        const int port = server.start("127.0.0.1", 0);
        httplib::Client client("127.0.0.1", port);
        QCOMPARE(client.Get("/index.php")->status, 404);
        for (const int kib : {100, 1024}) {
            const auto reply =
                client.Get(std::string(Server::controllerPath) + "?dt=" + std::string(kib << 10, 'a'));
            QCOMPARE(reply ? reply->status : 0, 414);
        }
        QCOMPARE(Server().start("127.0.0.1", port), -1);
    }

    void faultReachesTheClient_data() {
        QTest::addColumn<FaultKind>("kind");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<int>("status");   // 0: the connection closes without a response
        QTest::addColumn<QString>("body"); // "document" also means the command was carried out
        QTest::newRow("drop") << FaultKind::Drop << 0 << 0 << "";
        QTest::newRow("hang") << FaultKind::Hang << 300 << 0 << "";
        QTest::newRow("not json") << FaultKind::NotJson << 0 << 200 << "not json";
        QTest::newRow("server error") << FaultKind::ServerError << 0 << 500 << "not json";
        QTest::newRow("drip") << FaultKind::Drip << 1 << 200 << "document";
        QTest::newRow("endless") << FaultKind::Endless << 0 << 200 << "endless";
    }

    void faultReachesTheClient() {
        QFETCH(FaultKind, kind);
        QFETCH(int, waitMs);
        QFETCH(int, status);
        QFETCH(QString, body);
        Server server;
        httplib::Client client("127.0.0.1", server.start());
        server.controller().pushFault(kind, Millis(waitMs));
        int received = 0;
        std::string bytes;
        client.Get(
            std::string(Server::controllerPath) + "?dt=Allsett:Medence:0",
            [&](const httplib::Response& response) { return received = response.status, true; },
            [&](const char* data, std::size_t size) { return bytes.append(data, size).size() < 256 * 1024; });
        QCOMPARE(received, status);
        const bool document = !QJsonDocument::fromJson(QByteArray::fromStdString(bytes)).isNull();
        QCOMPARE(document               ? "document"
                 : bytes.empty()        ? ""
                 : bytes.front() == '[' ? "endless"
                                        : "not json",
                 body);
        QCOMPARE(server.controller().household().poolPump, !document);
        const auto next = client.Get(Server::controllerPath); // another command, even right after a drop
        QVERIFY(next && next->status == 200);
    }

    void slowClientsLeaveRoomForOthers() {
        // A thousand connections (both ends in this process): they send nothing, or stop within the head, or
        // send a byte of it every tenth of a second, or send one request and keep the connection.
        rlimit files{};
        getrlimit(RLIMIT_NOFILE, &files);
        files.rlim_cur = files.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_cur < 2100)
            QSKIP("needs 2,100 open files");
        Server server;
        const int port = server.start();
        std::vector<int> slow;
        const auto closeSlow = qScopeGuard([&] { std::for_each(slow.begin(), slow.end(), close); });
        const std::string head = std::string("GET ") + Server::controllerPath + " HTTP/1.1\r\nHost: x\r\n";
        for (int i = 0; i < 1000; ++i) {
            slow.push_back(connectTo(port));
            QVERIFY(slow.back() >= 0);
            const std::string sent = i % 4 == 3 ? head + "\r\n" : head;
            if (i % 2 == 1)
                QCOMPARE(send(slow.back(), sent.data(), sent.size(), MSG_NOSIGNAL), ssize_t(sent.size()));
        }
        // Once the whole requests are answered, the next is served at once, not after some connections time
        // out (a second or more).
        QVERIFY(QTest::qWaitFor([&] { return server.controller().log().size() == 250; }, 5000));
        httplib::Client client("127.0.0.1", port);
        client.set_read_timeout(3s);
        QElapsedTimer timer;
        timer.start();
        const auto reply = client.Get(Server::controllerPath);
        QVERIFY(reply && reply->status == 200);
        QVERIFY2(timer.elapsed() < servedAtOnceMs, qPrintable(QString("took %1 ms").arg(timer.elapsed())));

        // Each is let go of within its bounds: a second to begin a request, two to send it whole.
        std::vector<bool> closed(slow.size());
        const QDeadlineTimer deadline(5000);
        while (std::count(closed.begin(), closed.end(), false) > 0 && !deadline.hasExpired()) {
            for (std::size_t i = 0; i < slow.size(); ++i) {
                if (i % 4 == 2)
                    send(slow[i], "X", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
                char bytes[4096];
                const ssize_t n = recv(slow[i], bytes, sizeof bytes, MSG_DONTWAIT);
                closed[i] = closed[i] || n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
            }
            std::this_thread::sleep_for(100ms);
        }
        QCOMPARE(std::count(closed.begin(), closed.end(), true), qsizetype(slow.size()));
    }

    void qtClientSeesADropAsFailureAndStopIsPrompt() {
        // The process also holds a local socket, as a window system's connection: drops pass it by.
        int local[2];
        QCOMPARE(socketpair(AF_UNIX, SOCK_STREAM, 0, local), 0);
        const auto closeLocal = qScopeGuard([&] { close(local[0]), close(local[1]); });
        Server server;
        server.start();
        const QUrl url(QString::fromStdString(server.url()));
        QNetworkAccessManager network;
        const auto get = [&] {
            QNetworkReply* reply = network.get(QNetworkRequest(url));
            QSignalSpy finished(reply, &QNetworkReply::finished);
            [&] { QVERIFY(finished.wait(5000)); }();
            reply->deleteLater();
            return reply->error();
        };
        QCOMPARE(get(), QNetworkReply::NoError);
        server.controller().pushFault(FaultKind::Drop);
        QCOMPARE(get(), QNetworkReply::RemoteHostClosedError);
        QCOMPARE(get(), QNetworkReply::NoError);
        // The remote keeps its connection open, and a request is held: stopping waits for neither.
        server.controller().pushFault(FaultKind::Hang);
        network.get(QNetworkRequest(url));
        QVERIFY(QTest::qWaitFor([&] { return server.controller().log().size() == 5; }, 5000));
        QElapsedTimer timer;
        timer.start();
        server.stop();
        QVERIFY2(timer.elapsed() < 1500, qPrintable(QString("stop took %1 ms").arg(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(SimLoopback)
#include "tst_simloopback.moc"
