// The real request channel (JsonHttp over QtHttpTransport) against the real substitute controller on
// loopback.
#include "link/Commands.h"
#include "link/JsonHttp.h"
#include "link/StatusModel.h"
#include "platform/QtHttpTransport.h"
#include "platform/QtScheduler.h"
#include "sim/Server.h"
#include "support/RecordingAlerts.h"

#include <QtTest>

using namespace otthon;

namespace {

// Counts the exchanges that are over, so a test waits for exactly the replies it caused: an exchange is over
// once the transport has let go of its handlers, after their last call or when it was cancelled.
class CountingTransport final : public HttpTransport {
public:
    explicit CountingTransport(HttpTransport& inner) : inner_(inner) {}
    ExchangeId get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) override {
        // The transport under this one may let go of the handlers after this one is gone (the rig destroys it
        // first), so the count outlives both.
        const auto token = std::shared_ptr<int>(nullptr, [count = over_](int*) { ++*count; });
        handlers.finished = [token, finished = std::move(handlers.finished)] { finished(); };
        handlers.failed = [token, failed = std::move(handlers.failed)](const HttpFailure& why) {
            failed(why);
        };
        // The controller never answers in time in one fault; a short timeout keeps that test quick.
        return inner_.get(url, std::min(timeoutSeconds, timeout), std::move(handlers));
    }
    void cancel(ExchangeId exchange) override { inner_.cancel(exchange); }
    int over() const { return *over_; }
    double timeout = 10.0;

private:
    HttpTransport& inner_;
    std::shared_ptr<int> over_ = std::make_shared<int>(0);
};

struct Rig {
    sim::Server server{[] {
        sim::ControllerOptions options;
        options.steady = true;
        return options;
    }()};
    QtScheduler scheduler;
    QtHttpTransport http;
    CountingTransport transport{http};
    testing::RecordingAlerts alerts;
    std::unique_ptr<StatusModel> model;

    bool start() {
        const int port = server.start("127.0.0.1", 0);
        if (port <= 0)
            return false;
        model = std::make_unique<StatusModel>(QString::fromStdString(server.url()));
        return true;
    }
    Link link() { return Link{*model, transport, alerts, scheduler}; }

    // Sends one command and waits until its exchange is over.
    bool exchange(const QString& command) {
        const int before = transport.over();
        JsonHttp::send(link(), command);
        return QTest::qWaitFor([&] { return transport.over() > before; }, 15000);
    }
    QJsonValue cell(int element, int row, int column) const {
        return model->StatusDocument.at(element, row, column);
    }
};

} // namespace

class LinkIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void pollFillsTheModel() {
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.exchange(commands::poll()));
        QVERIFY(rig.model->Connected);
        QVERIFY(rig.model->StatusDocument.isPresent());
        QCOMPARE(rig.model->StatusDocument.root()->size(), 7);
        QCOMPARE(rig.model->RadioAdoLista.size(), 10);
        QCOMPARE(rig.model->NappaliSetTmp, 22);
        QVERIFY(rig.model->KulsoTmp.isString());
        QCOMPARE(rig.server.controller().log().commands().back(), std::string());
    }

    void eachCommandChangesTheNextReply_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("gate 1") << commands::gate(1) << 0 << 5 << 1 << "0";
        QTest::newRow("living room") << commands::thermostat("Nappali", 25.5f, false) << 2 << 1 << 1 << "26";
        QTest::newRow("bedroom") << commands::thermostat("Halo", 17.2f, true) << 2 << 0 << 1 << "17";
        QTest::newRow("radio on station") << commands::radioOn(42.7f, "3") << 3 << 0 << 1 << "3";
        QTest::newRow("pool off") << commands::poolCirculation(false) << 3 << 1 << 2 << "0";
    }
    void eachCommandChangesTheNextReply() {
        QFETCH(QString, command);
        QFETCH(int, element);
        QFETCH(int, row);
        QFETCH(int, column);
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.exchange(command));
        QVERIFY(rig.exchange(commands::poll()));
        QTEST(textOf(rig.cell(element, row, column)), "expected");
        QCOMPARE(rig.model->StatusDocument.at(6, 0).toString(), QStringLiteral("OK"));
        QVERIFY(rig.alerts.shown().empty());
    }

    // The schedules' slot commands and the irrigation switches go the whole way in tst_pool_e2e and
    // tst_irrigation_e2e.

    void aRefusedSettingRaisesTheAlert() {
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.exchange(commands::thermostat("Nappali", 40, true)));
        QCOMPARE(rig.alerts.shown().size(), size_t(1));
        QCOMPARE(rig.alerts.shown().front().content.message, QStringLiteral("Sikertelen Nappali beállitas!"));
        QVERIFY(QTest::qWaitFor([&] { return !rig.alerts.dismissals().empty(); }, 4000));
        QVERIFY(rig.exchange(commands::poll()));
        QCOMPARE(rig.model->NappaliSetTmp, 22);
        QCOMPARE(rig.alerts.shown().size(), size_t(1));
    }

    void everyFaultEndsAsLinkDownAndTheNextReplyRestoresIt_data() {
        QTest::addColumn<int>("fault");
        QTest::newRow("connection dropped") << int(sim::FaultKind::Drop);
        QTest::newRow("not JSON") << int(sim::FaultKind::NotJson);
        QTest::newRow("HTTP 500 with HTML") << int(sim::FaultKind::ServerError);
        QTest::newRow("no reply in time") << int(sim::FaultKind::Hang);
    }
    void everyFaultEndsAsLinkDownAndTheNextReplyRestoresIt() {
        QFETCH(int, fault);
        Rig rig;
        QVERIFY(rig.start());
        rig.transport.timeout = 1.0;
        QVERIFY(rig.exchange(commands::poll()));
        QVERIFY(rig.model->Connected);
        const QJsonArray before = *rig.model->StatusDocument.root();
        const qint64 setpoint = rig.model->NappaliSetTmp;

        rig.server.controller().pushFault(sim::FaultKind(fault));
        QVERIFY(rig.exchange(commands::poll()));
        QVERIFY(!rig.model->Connected);
        QCOMPARE(*rig.model->StatusDocument.root(), before);
        QCOMPARE(rig.model->NappaliSetTmp, setpoint);

        QVERIFY(rig.exchange(commands::poll()));
        QVERIFY(rig.model->Connected);
    }

    // Replies that drip or never end hold the app's connections only so long: at most four exchanges stay
    // pending (the oldest gives way to a new one), a reply past 4 MiB ends at once, and the first poll after
    // the controller answers normally again gets through while the dripping ones are still pending.
    void hostileRepliesDoNotCutTheLinkOff() {
        Rig rig;
        QVERIFY(rig.start());
        sim::Controller& controller = rig.server.controller();
        const auto sendPoll = [&](sim::FaultKind fault) {
            controller.pushFault(fault);
            const std::size_t received = controller.log().size();
            JsonHttp::send(rig.link(), commands::poll());
            return QTest::qWaitFor([&] { return controller.log().size() > received; }, 5000);
        };
        const auto overAre = [&](int count) {
            return QTest::qWaitFor([&] { return rig.transport.over() >= count; }, 5000) &&
                   rig.transport.over() == count;
        };
        for (int dripping = 1; dripping <= 6; ++dripping)
            QVERIFY(sendPoll(sim::FaultKind::Drip));
        QVERIFY(overAre(2)); // the two oldest gave way
        QVERIFY(sendPoll(sim::FaultKind::Endless));
        QVERIFY(overAre(4)); // the third gave way, and the endless one ended
        QVERIFY(!rig.model->Connected);
        QVERIFY(sendPoll(sim::FaultKind::None));
        QVERIFY(overAre(5));
        QVERIFY(rig.model->Connected);
        QCOMPARE(rig.model->StatusDocument.rowCount(4), 10);
    }
};

QTEST_GUILESS_MAIN(LinkIntegrationTest)
#include "tst_link_integration.moc"
