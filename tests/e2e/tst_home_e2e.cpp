#include "AutomationClient.h"

#include <QJsonArray>
#include <QtTest>

#include <functional>

using namespace otthon::testing;

// The thermostat and radio pages of the running app against the substitute controller: each change reaches
// the controller and comes back in its later replies. One app, walked through in order.
class HomeEndToEndTest : public QObject {
    Q_OBJECT

    AutomationClient app;

    QJsonObject ask(const QJsonObject& request) { return app.ask(request); }
    bool ok(const QJsonObject& request) { return ask(request).value("ok").toBool(); }
    static QJsonObject model(const QJsonObject& state) { return modelOf(state); }
    static QJsonValue reply(const QJsonObject& state, int element, int row, int column) {
        return model(state)
            .value("StatusDocument")
            .toArray()
            .at(element)
            .toArray()
            .at(row)
            .toArray()
            .at(column);
    }
    QJsonObject waitUntil(const std::function<bool(const QJsonObject&)>& done) { return app.waitUntil(done); }
    bool enabled(const QString& name) {
        const auto isEnabled = [&](const QJsonObject& s) {
            return elementOf(s, name).value("enabled").toBool();
        };
        return isEnabled(waitUntil(isEnabled));
    }

private slots:
    void initTestCase() {
        QVERIFY(app.start(QStringLiteral(OTTHON_APP_BINARY), {"--automation", "--demo"}));
        const QJsonObject linked =
            waitUntil([](const QJsonObject& s) { return model(s).value("Connected").toBool(); });
        QVERIFY2(model(linked).value("Connected").toBool(), "the link never came up");
    }

    void setpointReachesTheController() {
        QCOMPARE(ask({{"do", "swipe"}, {"to", "next"}}).value("page").toString(), QStringLiteral("Nappali"));
        QVERIFY(enabled("NappaliPluszBtn"));
        const int before = int(elementOf(app.state(), "NappaliSlider").value("value").toDouble());
        QVERIFY(ok({{"do", "tap"}, {"element", "NappaliPluszBtn"}}));
        QVERIFY(ok({{"do", "tap"}, {"element", "NappaliPluszBtn"}}));
        QCOMPARE(elementOf(app.state(), "NappaliTmpTxt").value("text").toString(),
                 QStringLiteral(" %1 °C ").arg(before + 2));
        QVERIFY(ok({{"do", "tap"}, {"element", "NappaliTmpBtn"}}));
        QVERIFY(app.sent().contains(QStringLiteral("?dt=temp:Nappali:%1:0:1").arg(before + 2)));
        const QString expected = QString::number(before + 2);
        const QJsonObject state = waitUntil([&](const QJsonObject& s) {
            return !model(s).value("CommandInFlight").toBool() && reply(s, 2, 1, 1).toString() == expected &&
                   model(s).value("NappaliSetTmp").toInt() == before + 2;
        });
        QCOMPARE(reply(state, 2, 1, 1).toString(), expected);
        QCOMPARE(model(state).value("NappaliSetTmp").toInt(), before + 2);
    }

    void confirmedModeChangeReachesTheController() {
        QVERIFY(enabled("Futes"));
        QVERIFY(ok({{"do", "toggle"}, {"element", "Futes"}, {"on", false}}));
        const QJsonObject alert = app.state().value("alert").toObject();
        QCOMPARE(alert.value("title").toString(), QStringLiteral("Figyelem!"));
        QCOMPARE(alert.value("message").toString(), QStringLiteral("Biztos hogy átkapcsol  hűtésre?"));
        QCOMPARE(alert.value("buttons").toArray(), (QJsonArray{"Mégsem", "Rendben"}));
        QVERIFY(ok({{"do", "alert"}, {"button", 1}}));
        QVERIFY(app.sent().last().startsWith(QStringLiteral("?dt=temp:Nappali:")));
        QVERIFY(app.sent().last().endsWith(QStringLiteral(":0:0")));
        const QJsonObject state = waitUntil([](const QJsonObject& s) {
            return reply(s, 2, 1, 3).toString() == QStringLiteral("0") &&
                   model(s).value("NappaliFutesBe") == QJsonValue(false);
        });
        QCOMPARE(reply(state, 2, 1, 3).toString(), QStringLiteral("0"));
        QCOMPARE(elementOf(state, "Futes").value("on"), QJsonValue(false));
    }

    void playAndStopReachTheController() {
        for (int i = 0; i < 4; ++i)
            QVERIFY(ok({{"do", "swipe"}, {"to", "next"}}));
        QCOMPARE(app.state().value("page").toString(), QStringLiteral("Rádió"));
        QVERIFY(enabled("RadioPlay"));
        QVERIFY(ok({{"do", "slide"}, {"element", "RadioSlider"}, {"value", 40}}));
        QVERIFY(ok({{"do", "pick"}, {"element", "RadioAdok"}, {"row", 603}}));
        QVERIFY(ok({{"do", "tap"}, {"element", "RadioPlay"}}));
        QCOMPARE(app.sent().last(), QStringLiteral("?dt=radio:BE:40:3"));
        QJsonObject state = waitUntil([](const QJsonObject& s) {
            return reply(s, 3, 0, 2).toString() == QStringLiteral("1") &&
                   !model(s).value("CommandInFlight").toBool() &&
                   elementOf(s, "RadioStop").value("enabled").toBool();
        });
        QCOMPARE(reply(state, 3, 0, 0).toString(), QStringLiteral("40"));
        QCOMPARE(reply(state, 3, 0, 1).toString(), QStringLiteral("3"));

        QVERIFY(ok({{"do", "tap"}, {"element", "RadioStop"}}));
        QCOMPARE(app.sent().last(), QStringLiteral("?dt=radio:KI"));
        state = waitUntil([](const QJsonObject& s) {
            return reply(s, 3, 0, 2).toString() == QStringLiteral("0") &&
                   model(s).value("RadioBe").toInt() == 0 && !model(s).value("CommandInFlight").toBool();
        });
        QCOMPARE(reply(state, 3, 0, 2).toString(), QStringLiteral("0"));
        QCOMPARE(elementOf(state, "RadioStop").value("enabled"), QJsonValue(false));
    }

    void cleanupTestCase() { ask({{"do", "quit"}}); }
};

QTEST_GUILESS_MAIN(HomeEndToEndTest)
#include "tst_home_e2e.moc"
