#include "AutomationClient.h"
#include "sim/Server.h"
#include "sim/StatusDocument.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace otthon::testing;

// The built app driven through its automation protocol: one app on its built-in substitute controller, walked
// through in order, and one on a steady substitute controller of the test's own for the table of commands.
class AutomationTest : public QObject {
    Q_OBJECT

    AutomationClient app;

    // The app on a steady substitute controller of the test's own, whose log tells what it received.
    otthon::sim::Server household{steadyOptions()};
    AutomationClient remote;

    static otthon::sim::ControllerOptions steadyOptions() {
        otthon::sim::ControllerOptions options;
        options.steady = true;
        return options;
    }
    // The gesture of a step "verb:element:argument[:argument]" ("alert:button" without element), waiting
    // until its element takes touches (a hold of an earlier row may lock it) or the alert is up.
    bool perform(const QString& step) {
        const QStringList f = step.split(u':');
        if (f[0] == "alert") {
            remote.waitUntil([](const QJsonObject& s) { return !s.value("alert").isNull(); });
            return remote.ok({{"do", "alert"}, {"button", f[1].toInt()}});
        }
        remote.waitUntil([&](const QJsonObject& s) {
            const QJsonObject e = elementOf(s, f[1]);
            return e.value("enabled").toBool() && e.value("interactive").toBool() &&
                   !e.value("hidden").toBool();
        });
        QJsonObject request{{"do", f[0]}, {"element", f[1]}};
        const QHash<QString, QString> argument{{"press", "seconds"}, {"toggle", "on"},   {"segment", "index"},
                                               {"pick", "row"},      {"slide", "value"}, {"select", "row"},
                                               {"commit", "row"},    {"tap", "row"}};
        if (argument.contains(f[0]) && f.size() > 2)
            request.insert(argument[f[0]],
                           f[0] == "toggle" ? QJsonValue(f[2] == "1") : QJsonValue(f[2].toDouble()));
        if (f[0] == "commit")
            request.insert("style", f[3]);
        return remote.ok(request);
    }
    // The commands the controller received after its first `from` requests, polls left out.
    QStringList receivedSince(std::size_t from) const {
        QStringList commands;
        const auto all = household.controller().log().commands();
        for (std::size_t i = from; i < all.size(); ++i)
            if (!all[i].empty())
                commands.append(QStringLiteral("?dt=") + QString::fromStdString(all[i]));
        return commands;
    }

private slots:
    void initTestCase() {
        QVERIFY(app.start());
        QCOMPARE(app.state().value("demo"), QJsonValue(true)); // every screen says whose household it shows
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

    // Every action that sends a command, once: the screen it starts from (a page, then taps to a sub-screen),
    // the gestures, the one exact command the controller receives, and "element/row/column=text" in the
    // replies that follow. The rows run in order on one app: each starts from the state the ones before left.
    void everyActionSendsItsCommand_data() {
        QTest::addColumn<int>("page"); // 0 Külső, 1 Nappali, 2 Háló, 3 Medence, 4 Öntöző, 5 Rádió
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, int page, const char* steps, const char* command,
                            const char* shown) {
            QTest::newRow(name) << page << QString(steps) << QString(command) << QString(shown);
        };
        row("gate 1 held", 0, "press:Kapu1:2.2", "?dt=kapu:K1", "0/5/1=0 0/6/1=1");
        row("gate 2 held", 0, "press:Kapu2:2.2", "?dt=kapu:K2", "0/6/1=0");
        row("living room plus, set", 1, "tap:NappaliPluszBtn tap:NappaliTmpBtn", "?dt=temp:Nappali:23:0:1",
            "2/1/1=23 2/1/3=1 2/0/1=21");
        row("bedroom slid, set", 2, "slide:HaloSlider:18.6 tap:HaloTmpBtn", "?dt=temp:Halo:19:0:1",
            "2/0/1=19 2/1/1=23");
        row("pool off", 3, "segment:MedenceOnOff:0", "?dt=Allsett:Medence:0", "3/1/2=0");
        row("zone 3 on", 4, "tap:OntozoBeKi toggle:Z3:1", "?dt=Ontozosett:1:1:0:0:1:0:0:0",
            "3/2/2=1 3/3/2=1 3/4/2=0 3/6/2=1");
        row("radio station, volume, play", 5, "pick:RadioAdok:604 slide:RadioSlider:47 tap:RadioPlay",
            "?dt=radio:BE:47:4", "3/0/0=47 3/0/1=4 3/0/2=1");
        row("living room to cooling, Rendben", 1, "toggle:Futes:0 alert:1", "?dt=temp:Nappali:23:0:0",
            "2/1/3=0 2/0/3=1");
        row("bedroom minus, set", 2, "tap:HaloMinuszBtn tap:HaloTmpBtn", "?dt=temp:Halo:18:0:1", "2/0/1=18");
        row("bedroom to cooling, Rendben", 2, "toggle:HaloFutes:0 alert:1", "?dt=temp:Halo:18:0:0",
            "2/0/3=0");
        row("pool on", 3, "segment:MedenceOnOff:1", "?dt=Allsett:Medence:1", "3/1/2=1");
        row("master off", 4, "tap:OntozoBeKi segment:ZMaster:0", "?dt=Ontozosett:1:0:0:0:0:0:0:0",
            "3/3/2=0 3/6/2=0 3/2/2=1");
        row("radio stop", 5, "tap:RadioStop", "?dt=radio:KI", "3/0/2=0 3/0/0=47");
        row("pool slot added", 3, "tap:MedenceBeallitas toggle:MedenceEdit:1 commit:MedenceTable:3:insert",
            "?dt=Pooladd:0:0:0", "5/3/0=0:0 5/3/1=0");
        row("irrigation slot added", 4, "tap:OntozoBeallitas toggle:OntozoEdit:1 commit:OntozoTable:5:insert",
            "?dt=Ontozoadd:0:0:0:Z1", "1/5/0=Z1 1/5/1=0:0 1/5/2=0");
        row("radio up, play", 5, "tap:RadioUp tap:RadioPlay", "?dt=radio:BE:48:4", "3/0/0=48 3/0/2=1");
        row("pool slot changed", 3,
            "tap:MedenceBeallitas select:MedenceTable:3 pick:IdoOra:606 pick:IdoPerc:614 pick:Idotartam:624 "
            "tap:MedenceSet",
            "?dt=Poolup:7:15:25:0:0:0", "5/3/0=7:15 5/3/1=25 5/0/0=8:0");
        row("irrigation slot changed", 4,
            "tap:OntozoBeallitas select:OntozoTable:5 pick:OntozoZonak:603 pick:OntozoOra:605 "
            "pick:OntozoPerc:609 pick:OntozoIdotartam:611 tap:OntozoBeallitasSet",
            "?dt=Ontozoup:6:10:12:Z4:0:0:0:Z1", "1/5/0=Z4 1/5/1=6:10 1/5/2=12 1/0/0=Z1");
        // A bar of the summary's timeline opens its slot's editor, as the slot's list row does.
        row("irrigation slot changed from its bar", 4,
            "tap:OntozoOsszefoglalas tap:OntozoIdovonal:5 pick:OntozoIdotartam:619 tap:OntozoBeallitasSet",
            "?dt=Ontozoup:6:10:20:Z4:6:10:12:Z4", "1/5/2=20 1/5/1=6:10 1/4/2=10");
        row("radio down, station, play", 5, "tap:RadioDown pick:RadioAdok:607 tap:RadioPlay",
            "?dt=radio:BE:47:7", "3/0/0=47 3/0/1=7");
        row("pool slot deleted", 3, "tap:MedenceBeallitas toggle:MedenceEdit:1 commit:MedenceTable:0:delete",
            "?dt=Pooldel:8:0:45", "5/0/0=14:30 5/2/0=7:15");
        row("irrigation slot deleted", 4,
            "tap:OntozoBeallitas toggle:OntozoEdit:1 commit:OntozoTable:1:delete", "?dt=Ontozodel:5:45:15:Z2",
            "1/1/0=Z3 1/4/0=Z4");
        row("whole irrigation off", 4, "tap:OntozoBeKi segment:ZOsszes:0", "?dt=Ontozosett:0:0:0:0:0:0:0:0",
            "3/2/2=0");
    }
    void everyActionSendsItsCommand() {
        QFETCH(int, page);
        QFETCH(QString, steps);
        QFETCH(QString, command);
        QFETCH(QString, shown);
        if (!household.isRunning()) {
            QVERIFY(household.start() > 0);
            QVERIFY(remote.start({QStringLiteral("--controller"), QString::fromStdString(household.url())}));
        }
        while (remote.ok({{"do", "back"}})) {
        }
        const QStringList pages{"Külső", "Nappali", "Háló", "Medence", "Öntöző", "Rádió"};
        for (int at = int(pages.indexOf(remote.state().value("page").toString())); at != page;)
            at = int(pages.indexOf(remote.ask({{"do", "swipe"}, {"to", at < page ? "next" : "previous"}})
                                       .value("page")
                                       .toString()));
        const std::size_t before = household.controller().log().size();
        for (const QString& step : steps.split(u' '))
            QVERIFY2(perform(step), qPrintable(step));
        QTRY_VERIFY(!receivedSince(before).isEmpty());
        // The controller reports the change, and the app shows it (a slot editor's at once, the others' from
        // the command's reply or a poll).
        const auto showsAll = [&](const QJsonValue& document) {
            for (const QString& check : shown.split(u' ')) {
                QJsonValue value = document;
                for (const QString& index : check.section(u'=', 0, 0).split(u'/'))
                    value = value.toArray().at(index.toInt());
                if (value.toString() != check.section(u'=', 1))
                    return false;
            }
            return true;
        };
        const auto kept = [](const QJsonObject& s) {
            return s.value("model").toObject().value("StatusDocument");
        };
        const std::string reported = otthon::sim::writeStatusDocument(household.controller().household(), {});
        QVERIFY2(showsAll(QJsonDocument::fromJson(QByteArray::fromStdString(reported)).array()),
                 reported.c_str());
        const QJsonObject last = remote.waitUntil([&](const QJsonObject& s) { return showsAll(kept(s)); });
        QVERIFY2(showsAll(kept(last)),
                 QJsonDocument(kept(last).toArray()).toJson(QJsonDocument::Compact).constData());
        QCOMPARE(receivedSince(before), QStringList{command});
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
