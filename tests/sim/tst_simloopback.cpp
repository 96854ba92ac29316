#include "sim/Server.h"

#include <httplib.h>

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

#include <thread>

using namespace otthon::sim;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(otthon::sim::FaultKind)

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
