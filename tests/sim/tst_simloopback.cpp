#include "DocumentPath.h"

#include "sim/Server.h"

#include <httplib.h>

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

#include <thread>

using namespace otthon::sim;
using namespace std::chrono_literals;

// Talks to a real server on a free loopback port.
class SimLoopback : public QObject {
    Q_OBJECT
private slots:
    void answersPollsAndCommands();
    void droppedRequestGetsNoResponse();
    void serverErrorAndNotJson();
    void stopReleasesAHeldRequestPromptly();
    void qtClientSeesADropAsFailure();

private:
    static ControllerOptions steady() {
        ControllerOptions options;
        options.steady = true;
        return options;
    }
};

void SimLoopback::answersPollsAndCommands() {
    Server server(steady());
    const int port = server.start("127.0.0.1", 0);
    QVERIFY(port > 0);
    QVERIFY(server.isRunning());
    httplib::Client client("127.0.0.1", port);

    const auto poll = client.Get(Server::controllerPath);
    QVERIFY(poll);
    QCOMPARE(poll->status, 200);
    const QJsonArray document = parseDocument(poll->body);
    QCOMPARE(document.size(), 7);
    QCOMPARE(valueAt(document, "6/0").toString(), QString("OK"));

    const auto command = client.Get(std::string(Server::controllerPath) + "?dt=temp:Nappali:24:0:0");
    QVERIFY(command);
    QCOMPARE(valueAt(parseDocument(command->body), "2/1/1").toString(), QString("24"));
    // %XX in the query is decoded; a second parameter makes the request malformed.
    const auto encoded = client.Get(std::string(Server::controllerPath) + "?dt=radio%3ABE%3A30%3A1");
    QCOMPARE(valueAt(parseDocument(encoded->body), "3/0/0").toString(), QString("30"));
    const auto extra = client.Get(std::string(Server::controllerPath) + "?dt=radio:KI&x=1");
    QCOMPARE(valueAt(parseDocument(extra->body), "6/1").toString(), QString("parancs"));
    QCOMPARE(client.Get("/index.php")->status, 404);

    QCOMPARE(server.controller().log().commands(),
             (std::vector<std::string>{"", "temp:Nappali:24:0:0", "radio:BE:30:1", "?dt=radio:KI&x=1"}));
    QCOMPARE(QString::fromStdString(server.url()),
             QString("http://127.0.0.1:%1/LomaViro/Lomaviro.php").arg(port));
    Server second;
    QCOMPARE(second.start("127.0.0.1", port), -1);
}

void SimLoopback::droppedRequestGetsNoResponse() {
    Server server(steady());
    httplib::Client client("127.0.0.1", server.start());
    server.controller().pushFault(FaultKind::Drop);
    const auto dropped = client.Get(std::string(Server::controllerPath) + "?dt=Allsett:Medence:0");
    QVERIFY(!dropped);
    QCOMPARE(dropped.error(), httplib::Error::Read);
    QVERIFY(server.controller().household().poolPump);
    QVERIFY(client.Get(Server::controllerPath));
}

void SimLoopback::serverErrorAndNotJson() {
    Server server(steady());
    httplib::Client client("127.0.0.1", server.start());
    server.controller().pushFault(FaultKind::ServerError);
    server.controller().pushFault(FaultKind::NotJson);
    const auto error = client.Get(Server::controllerPath);
    QCOMPARE(error->status, 500);
    QVERIFY(error->body.find("<html>") != std::string::npos);
    const auto garbage = client.Get(Server::controllerPath);
    QCOMPARE(garbage->status, 200);
    QVERIFY(QJsonDocument::fromJson(QByteArray::fromStdString(garbage->body)).isNull());
}

void SimLoopback::stopReleasesAHeldRequestPromptly() {
    Server server(steady());
    httplib::Client client("127.0.0.1", server.start());
    server.controller().pushFault(FaultKind::Hang);
    bool answered = true;
    std::thread caller([&] { answered = static_cast<bool>(client.Get(Server::controllerPath)); });
    QVERIFY(server.controller().log().waitForSize(1, 5s));
    QElapsedTimer timer;
    timer.start();
    server.stop();
    caller.join();
    qInfo("stop with a held request took %lld ms", timer.elapsed());
    QVERIFY(timer.elapsed() < 2000);
    QVERIFY(!answered);
    QVERIFY(!server.isRunning());
}

void SimLoopback::qtClientSeesADropAsFailure() {
    Server server(steady());
    const int port = server.start();
    QNetworkAccessManager network;
    const auto get = [&] {
        QNetworkRequest request(QUrl(QString("http://127.0.0.1:%1%2").arg(port).arg(Server::controllerPath)));
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
    qInfo("Qt resent the dropped request after %lld ms",
          static_cast<long long>((entries[2].at - entries[1].at).count()));
    // The remote keeps its connection open; stopping must not wait long for it.
    QElapsedTimer timer;
    timer.start();
    server.stop();
    qInfo("stop with an idle keep-alive connection took %lld ms", timer.elapsed());
    QVERIFY(timer.elapsed() < 1500);
}

QTEST_GUILESS_MAIN(SimLoopback)
#include "tst_simloopback.moc"
