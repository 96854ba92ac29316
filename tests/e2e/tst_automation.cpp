#include "AutomationClient.h"
#include "sim/Server.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace otthon::testing;

// The built app driven through its automation protocol against the substitute controller, which starts with
// the whole irrigation on, master and zones off, and five irrigation slots. One app, walked through in order.
class AutomationTest : public QObject {
    Q_OBJECT

    AutomationClient app;

    // The eight irrigation switches of a state's last reply.
    static QString switches(const QJsonObject& state) {
        QStringList flags;
        for (int row = 2; row < 10; ++row)
            flags.append(replyPart(state, 3).at(row).toArray().at(2).toString());
        return flags.join(u':');
    }
    // The irrigation schedule once the controller's last reply holds `schedule` and the list shows it.
    QJsonArray irrigationSlotsOnceReplied(const QJsonArray& schedule) {
        const auto shown = [&](const QJsonObject& s) {
            return replyPart(s, 1) == schedule &&
                   elementOf(s, "OntozoTable").value("rows").toArray().size() >= schedule.size();
        };
        return replyPart(app.waitUntil(shown), 1);
    }

private slots:
    void initTestCase() { QVERIFY(app.start()); }

    // A press goes through the gate's own recogniser and its command to the controller; the gate then holds.
    void gatePressSendsItsCommand() {
        QVERIFY(app.waitForEnabled("Kapu1"));                  // the link is up
        QCOMPARE(app.state().value("demo"), QJsonValue(true)); // and every screen says whose household it is
        const QJsonObject answer = app.ask({{"do", "press"}, {"element", "Kapu1"}, {"seconds", 2.2}});
        QCOMPARE(answer.value("recognized"), QJsonValue(true));
        QCOMPARE(app.lastSent(), QStringLiteral("?dt=kapu:K1"));
        QCOMPARE(app.ask({{"do", "tap"}, {"element", "Kapu1"}}).value("error"), QJsonValue("disabled"));
    }

    void refusals_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("error");
        const auto row = [](const char* name, const char* request, const char* error) {
            QTest::newRow(name) << QString(request) << QString(error);
        };
        row("unknown element", R"({"do":"tap","element":"Kapu3"})", "no such element");
        row("tap on a label", R"({"do":"tap","element":"KulsoTmpLabel"})", "wrong kind");
        row("press without a duration", R"({"do":"press","element":"Kapu2"})", "bad request");
        // Each row is a request of its own: a time taken in would leave the next rows unanswered.
        row("wait past 2^31 ms", R"({"do":"wait","seconds":2147484})", "time out of range");
        row("press for ages", R"({"do":"press","element":"Kapu2","seconds":1e300})", "time out of range");
        row("back on the carousel", R"({"do":"back"})", "no sub-screen");
        row("alert button without an alert", R"({"do":"alert","button":0})", "no alert");
        row("unknown request", R"({"do":"fly"})", "unknown request");
        row("request that is no text", R"({"do":1})", "bad request");
        row("gesture without an element", R"({"do":"tap"})", "bad request");
        row("element that is no text", R"({"do":"press","element":1,"seconds":1})", "bad request");
        row("not JSON", "{do: state", "bad request");
        row("not an object", "[1,2]", "bad request");
    }
    void refusals() {
        QFETCH(QString, request);
        QTEST(app.askLine(request.toUtf8()).value("error").toString(), "error");
    }

    // Zone switching and a slot added and deleted go the whole way: each command's change is in the
    // controller's next reply, and the list follows it.
    void irrigationChangesComeBackInTheReplies() {
        for (int page = 1; page < 5; ++page)
            QVERIFY(app.swipeOn());
        QVERIFY(app.waitForEnabled("OntozoBeKi"));
        QVERIFY(app.tap("OntozoBeKi"));
        QVERIFY(app.ok({{"do", "toggle"}, {"element", "Z3"}, {"on", true}}));
        QCOMPARE(app.lastSent(), QStringLiteral("?dt=Ontozosett:1:1:0:0:1:0:0:0"));
        const auto zone3On = [](const QJsonObject& s) { return switches(s) == "1:1:0:0:1:0:0:0"; };
        QVERIFY(zone3On(app.waitUntil(zone3On)));
        QVERIFY(app.ok({{"do", "back"}}));

        QVERIFY(app.tap("OntozoBeallitas"));
        const QJsonArray start = replyPart(app.state(), 1);
        QVERIFY(app.ok({{"do", "toggle"}, {"element", "OntozoEdit"}, {"on", true}}));
        QVERIFY(app.ok({{"do", "commit"}, {"element", "OntozoTable"}, {"row", 5}, {"style", "insert"}}));
        QCOMPARE(app.lastSent(), QStringLiteral("?dt=Ontozoadd:0:0:0:Z1"));
        const QJsonArray added = start + QJsonArray{"Z1", "0:0", "0"};
        QCOMPARE(irrigationSlotsOnceReplied(added), added);

        QVERIFY(app.ok({{"do", "toggle"}, {"element", "OntozoEdit"}, {"on", true}}));
        QVERIFY(app.ok({{"do", "commit"}, {"element", "OntozoTable"}, {"row", 5}, {"style", "delete"}}));
        QCOMPARE(app.lastSent(), QStringLiteral("?dt=Ontozodel:0:0:0:Z1"));
        QCOMPARE(irrigationSlotsOnceReplied(start), start);
    }

    // Against a controller that then goes away: the first values show, and a sub-screen shows the lost link
    // and tells a change it could not deliver.
    void theScreenFollowsTheController() {
        otthon::sim::Server controller;
        QVERIFY(controller.start() > 0);
        AutomationClient live;
        QVERIFY(live.start({QStringLiteral("--controller"), QString::fromStdString(controller.url())}));
        const auto text = [](const QJsonObject& s, const char* name) {
            return elementOf(s, name).value("text").toString();
        };
        const QJsonObject first =
            live.waitUntil([&](const QJsonObject& s) { return !text(s, "KulsoTmpLabel").contains(u'–'); });
        QVERIFY(!text(first, "KulsoTmpLabel").contains(u'–'));
        QCOMPARE(first.value("demo"), QJsonValue(false));
        QCOMPARE(first.value("pages")[0],
                 QJsonValue(QJsonObject{{"page", first["page"]}, {"screen", first["screen"]}}));

        for (int page = 0; page < 3; ++page)
            QVERIFY(live.swipeOn());
        QVERIFY(live.waitForEnabled("MedenceBeallitas"));
        QVERIFY(live.tap("MedenceBeallitas"));
        controller.stop();
        const QJsonObject down = live.waitUntil(
            [](const QJsonObject& s) { return !elementOf(s, "ConnectionImage").value("hidden").toBool(); });
        QCOMPARE(down.value("screen"), QJsonValue("MedenceTabla"));
        QVERIFY(live.ok({{"do", "toggle"}, {"element", "MedenceEdit"}, {"on", true}}));
        QVERIFY(live.ok({{"do", "commit"}, {"element", "MedenceTable"}, {"row", 0}, {"style", "delete"}}));
        const QJsonObject told =
            live.waitUntil([](const QJsonObject& s) { return !s.value("alert").isNull(); });
        QCOMPARE(told.value("alert").toObject().value("message"),
                 QJsonValue("A parancsot nem sikerült elküldeni!"));
    }

    // Well-formed, but too long to be taken in; the next line is read as usual and answered with its id.
    void lineOverOneMebibyteIsRefusedAndReadingGoesOn() {
        app.write("{\"do\":\"sent\",\"id\":\"long\",\"pad\":\"" + QByteArray(2 * 1024 * 1024, 'x') + "\"}\n");
        const QJsonObject refused = app.askLine(R"({"do":"wait","seconds":0,"id":"next"})");
        QCOMPARE(refused.value("error").toString(), QStringLiteral("bad request"));
        QVERIFY(!refused.contains("id"));
        QCOMPARE(app.nextAnswer().value("id").toString(), QStringLiteral("next"));
    }

    void screenshotWritesThePicture() {
        QTemporaryDir dir;
        const QJsonObject answer = app.ask({{"do", "screenshot"}, {"path", dir.filePath("shot.png")}});
        QCOMPARE(QImage(dir.filePath("shot.png")).size(), QSize(390, 844));
        QCOMPARE(QSize(answer.value("width").toInt(), answer.value("height").toInt()), QSize(390, 844));
    }

    void quitAnswersAndEnds() {
        QVERIFY(app.ok({{"do", "quit"}}));
        QVERIFY(app.exitsCleanly());
    }

    // The last request before the end of input needs no line break; it is answered, then the app ends.
    void endOfInputEndsTheApp() {
        AutomationClient other;
        QVERIFY(other.start());
        other.write(R"({"do":"wait","seconds":0.2,"id":"last"})");
        other.closeInput();
        QCOMPARE(other.nextAnswer().value("id").toString(), QStringLiteral("last"));
        QVERIFY(other.exitsCleanly());
    }
};

QTEST_GUILESS_MAIN(AutomationTest)
#include "tst_automation.moc"
