#include "AutomationClient.h"

#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

using namespace otthon::testing;

// One app, started with the substitute controller, walked through in order: the slots share its clock, so
// the first ones run before the first poll (3 s after start) and the later ones after the link is up.
class AutomationTest : public QObject {
    Q_OBJECT

    AutomationClient app;

    QJsonObject waitFor(double seconds) { return app.ask({{"do", "wait"}, {"seconds", seconds}}); }
    // The app's own clock, from its "state".
    double appTime() { return app.state().value("time").toDouble(); }
    static QStringList commandsOnly(const QStringList& sent) {
        QStringList commands = sent;
        commands.removeAll(QString());
        return commands;
    }
    static QJsonObject model(const QJsonObject& state) { return state.value("model").toObject(); }

private slots:
    void initTestCase() {
        QVERIFY(app.start(QStringLiteral(OTTHON_APP_BINARY), {"--automation", "--demo"}));
        const QJsonObject first = app.ask({{"do", "sent"}}, 30000);
        QVERIFY2(first.value("ok").toBool(), "the app did not answer");
        QCOMPARE(first.value("sent").toArray(), QJsonArray());
    }

    void gatesRefuseTouchesUntilTheLinkIsUp() {
        const QJsonObject state = app.state();
        if (state.value("time").toDouble() > 2.0)
            QSKIP("the app took too long to start to catch it before the first poll");
        QCOMPARE(model(state).value("Connected"), QJsonValue(false));
        QCOMPARE(elementOf(state, "Kapu1").value("enabled"), QJsonValue(false));
        for (const QJsonObject& request :
             {QJsonObject{{"do", "tap"}, {"element", "Kapu1"}},
              QJsonObject{{"do", "press"}, {"element", "Kapu1"}, {"seconds", 2.2}}}) {
            const QJsonObject answer = app.ask(request);
            QCOMPARE(answer.value("ok"), QJsonValue(false));
            QCOMPARE(answer.value("error").toString(), QStringLiteral("disabled"));
        }
    }

    void firstPollComesThreeSecondsAfterStart() {
        const double now = appTime();
        if (now > 2.0)
            QSKIP("the app took too long to start to catch it before the first poll");
        if (now < 1.0)
            waitFor(1.0 - now);
        QCOMPARE(app.sent(), QStringList());
        QVERIFY(appTime() < 2.9);

        waitFor(3.6 - appTime());
        QCOMPARE(app.sent(), QStringList{QString()});
        QVERIFY(appTime() < 5.9);
    }

    void outsidePageShowsTheControllersReadings() {
        // The page redraws on its own 3 s timer, the first after the reply at the next tick.
        QJsonObject state = app.state();
        while (elementOf(state, "KulsoTmpLabel").value("text").toString().contains(QStringLiteral(" 0.0 ")) &&
               state.value("time").toDouble() < 10) {
            waitFor(0.2);
            state = app.state();
        }
        const QJsonObject m = model(state);
        QCOMPARE(m.value("Connected"), QJsonValue(true));
        QVERIFY(m.value("StatusDocument").isArray());
        QVERIFY(m.value("KulsoTmp").toString() != QStringLiteral("0.0"));
        QCOMPARE(state.value("screen").toString(), QStringLiteral("Kulso"));
        QCOMPARE(elementOf(state, "KulsoTmpLabel").value("text").toString(),
                 QStringLiteral(" Hőmérséklet %1 °C ").arg(m.value("KulsoTmp").toString()));
        QCOMPARE(elementOf(state, "KulsoLegnyomas").value("text").toString(),
                 QStringLiteral(" Légnyomas %1 hPa  ").arg(m.value("KulsoNyomas").toString()));
        QCOMPARE(elementOf(state, "ConnectionImage").value("hidden"), QJsonValue(true));
        QCOMPARE(elementOf(state, "Kapu1").value("enabled"), QJsonValue(true));
    }

    void carouselHasSixPagesWithoutWrapping() {
        const QStringList pages{"Külső", "Nappali", "Háló", "Medence", "Öntöző", "Rádió"};
        const QStringList screens{
            "Kulso", "Nappali", "HaloViewController", "MedenceViewController", "OntozoViewController",
            "Radio"};
        for (int i = 1; i < pages.size(); ++i) {
            const QJsonObject answer = app.ask({{"do", "swipe"}, {"to", "next"}});
            QVERIFY(answer.value("ok").toBool());
            QCOMPARE(answer.value("page").toString(), pages.at(i));
            const QJsonObject state = app.state();
            QCOMPARE(state.value("page").toString(), pages.at(i));
            QCOMPARE(state.value("screen").toString(), screens.at(i));
        }
        const QJsonObject beyond = app.ask({{"do", "swipe"}, {"to", "next"}});
        QCOMPARE(beyond.value("ok"), QJsonValue(false));
        QCOMPARE(app.state().value("page").toString(), QStringLiteral("Rádió"));

        for (int i = pages.size() - 2; i >= 0; --i)
            QCOMPARE(app.ask({{"do", "swipe"}, {"to", "previous"}}).value("page").toString(), pages.at(i));
        QCOMPARE(app.ask({{"do", "swipe"}, {"to", "previous"}}).value("ok"), QJsonValue(false));
        QCOMPARE(app.state().value("screen").toString(), QStringLiteral("Kulso"));
    }

    void shortGatePressSendsNothing() {
        QCOMPARE(elementOf(app.state(), "Kapu1").value("enabled"), QJsonValue(true));
        const QJsonObject answer = app.ask({{"do", "press"}, {"element", "Kapu1"}, {"seconds", 1.0}});
        QVERIFY(answer.value("ok").toBool());
        QCOMPARE(answer.value("recognized"), QJsonValue(false));
        QCOMPARE(commandsOnly(app.sent()), QStringList());
        QCOMPARE(model(app.state()).value("CommandInFlight"), QJsonValue(false));
    }

    void gatePressSendsItsCommandAndHolds() {
        const QJsonObject answer = app.ask({{"do", "press"}, {"element", "Kapu1"}, {"seconds", 2.2}});
        QVERIFY(answer.value("ok").toBool());
        QCOMPARE(answer.value("recognized"), QJsonValue(true));
        QCOMPARE(commandsOnly(app.sent()), QStringList{"?dt=kapu:K1"});

        QJsonObject state = app.state();
        QCOMPARE(model(state).value("CommandInFlight"), QJsonValue(true));
        QCOMPARE(elementOf(state, "Kapu1").value("enabled"), QJsonValue(false));
        QCOMPARE(elementOf(state, "KulsoSpiner").value("animating"), QJsonValue(true));
        QCOMPARE(elementOf(state, "OKLabel").value("hidden"), QJsonValue(true));
        QCOMPARE(app.ask({{"do", "tap"}, {"element", "Kapu1"}}).value("error").toString(),
                 QStringLiteral("disabled"));

        // Gate 1 holds for 3 s after the release.
        waitFor(3.2);
        state = app.state();
        QCOMPARE(model(state).value("CommandInFlight"), QJsonValue(false));
        QCOMPARE(elementOf(state, "Kapu1").value("enabled"), QJsonValue(true));
        QCOMPARE(elementOf(state, "KulsoSpiner").value("animating"), QJsonValue(false));
        QCOMPARE(commandsOnly(app.sent()), QStringList{"?dt=kapu:K1"});
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown element")
            << QByteArray(R"({"do":"tap","element":"Kapu3"})") << "no such element";
        QTest::newRow("tap on a label")
            << QByteArray(R"({"do":"tap","element":"KulsoTmpLabel"})") << "wrong kind";
        QTest::newRow("slide on a button")
            << QByteArray(R"({"do":"slide","element":"Kapu2","value":1})") << "wrong kind";
        QTest::newRow("press on a hidden label")
            << QByteArray(R"({"do":"press","element":"KulsoHumLabel","seconds":0.1})") << "hidden";
        QTest::newRow("press without a duration")
            << QByteArray(R"({"do":"press","element":"Kapu2"})") << "bad request";
        // Each row is a request of its own: a time taken in would leave the next rows unanswered.
        QTest::newRow("wait past a 32-bit count of milliseconds")
            << QByteArray(R"({"do":"wait","seconds":2147484})") << "time out of range";
        QTest::newRow("press for ages")
            << QByteArray(R"({"do":"press","element":"Kapu2","seconds":1e300})") << "time out of range";
        QTest::newRow("swipe upwards") << QByteArray(R"({"do":"swipe","to":"up"})") << "bad request";
        QTest::newRow("back on the carousel") << QByteArray(R"({"do":"back"})") << "no sub-screen";
        QTest::newRow("alert button without an alert")
            << QByteArray(R"({"do":"alert","button":0})") << "no alert";
        QTest::newRow("unknown request") << QByteArray(R"({"do":"fly"})") << "unknown request";
        QTest::newRow("not JSON") << QByteArray("{do: state") << "bad request";
        QTest::newRow("not an object") << QByteArray("[1,2]") << "bad request";
    }
    void refusals() {
        QFETCH(QByteArray, request);
        QFETCH(QString, error);
        const QJsonObject answer = app.askLine(request);
        QCOMPARE(answer.value("ok"), QJsonValue(false));
        QCOMPARE(answer.value("error").toString(), error);
    }

    void lineOverOneMebibyteIsRefusedAndReadingGoesOn() {
        // Well-formed, but too long to be taken in.
        app.write("{\"do\":\"sent\",\"id\":\"long\",\"pad\":\"" + QByteArray(2 * 1024 * 1024, 'x') + "\"}\n");
        const QJsonObject refused = app.askLine(R"({"do":"wait","seconds":0,"id":"next"})");
        QCOMPARE(refused.value("error").toString(), QStringLiteral("bad request"));
        QVERIFY(!refused.contains("id"));
        QCOMPARE(app.nextAnswer().value("id").toString(), QStringLiteral("next"));
    }

    void answersCarryTheRequestsId() {
        const QJsonObject answer = app.ask({{"do", "wait"}, {"seconds", 0}, {"id", "w1"}});
        QVERIFY(answer.value("ok").toBool());
        QCOMPARE(answer.value("id").toString(), QStringLiteral("w1"));
    }

    void screenshotWritesAPicture() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("kulso.png"));
        const QJsonObject answer = app.ask({{"do", "screenshot"}, {"path", path}});
        QVERIFY(answer.value("ok").toBool());
        QVERIFY(QFileInfo(path).size() > 0);
        const QImage picture(path, "PNG");
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.width(), answer.value("width").toInt());
        QCOMPARE(picture.height(), answer.value("height").toInt());
    }

    void quitAnswersAndEnds() {
        QVERIFY(app.ask({{"do", "quit"}}).value("ok").toBool());
        QVERIFY(app.exitsCleanly(10000));
    }

    void endOfInputEndsTheApp() {
        AutomationClient other;
        QVERIFY(other.start(QStringLiteral(OTTHON_APP_BINARY), {"--automation", "--demo"}));
        QVERIFY(other.ask({{"do", "sent"}}, 30000).value("ok").toBool());
        // The last request before the end needs no line break.
        other.write(R"({"do":"wait","seconds":0.2,"id":"last"})");
        other.closeInput();
        QCOMPARE(other.nextAnswer().value("id").toString(), QStringLiteral("last"));
        QVERIFY(other.exitsCleanly(10000));
    }
};

QTEST_GUILESS_MAIN(AutomationTest)
#include "tst_automation.moc"
