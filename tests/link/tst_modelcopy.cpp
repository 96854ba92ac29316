#include "link/ModelCopy.h"
#include "link/StatusModel.h"
#include "platform/VirtualScheduler.h"
#include "support/FakeHttpTransport.h"
#include "support/RecordingAlerts.h"
#include "support/SampleReply.h"

#include <QJsonObject>
#include <QTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

// Every field the copy writes, by name, as a JSON value, so that two models can be compared field by field.
QMap<QString, QJsonValue> copiedFields(const StatusModel& m) {
    return {
        {"HaloTmp", m.HaloTmp},
        {"HaloHum", m.HaloHum},
        {"NappaliTmp", m.NappaliTmp},
        {"NappaliHum", m.NappaliHum},
        {"KulsoTmp", m.KulsoTmp},
        {"KulsoHum", m.KulsoHum},
        {"KulsoNyomas", m.KulsoNyomas},
        {"MedenceHomerseklet", m.MedenceHomerseklet},
        {"Rain", m.Rain},
        {"Kapu1Lakat", m.Kapu1Lakat},
        {"Kapu2Lakat", m.Kapu2Lakat},
        {"HaloSetTmp", m.HaloSetTmp},
        {"NappaliSetTmp", m.NappaliSetTmp},
        {"HaloFutesBe", m.HaloFutesBe},
        {"NappaliFutesBe", m.NappaliFutesBe},
        {"RadioHangero", m.RadioHangero},
        {"RadioAdo", m.RadioAdo},
        {"RadioBe", m.RadioBe},
        {"MedenceBe", m.MedenceBe},
        {"RadioAdoLista", QJsonArray::fromStringList(m.RadioAdoLista)},
    };
}

StatusTree withError(const QJsonValue& report) {
    QJsonArray doc = sampleReply();
    doc[6] = report;
    return StatusTree(doc);
}

const QString kBase = QStringLiteral("http://controller:670/LomaViro/Lomaviro.php");

} // namespace

class ModelCopyTest : public QObject {
    Q_OBJECT
    VirtualScheduler scheduler;
    RecordingAlerts alerts{&scheduler};
    FakeHttpTransport transport;

    // Puts the reply where the request channel puts it and runs the copy.
    void apply(StatusModel& model, const StatusTree& reply) {
        model.StatusDocument = reply;
        applyReply(Link{model, transport, alerts, scheduler});
    }

private slots:
    void init() {
        scheduler = VirtualScheduler();
        alerts = RecordingAlerts(&scheduler);
    }

    // Changing one cell of the sample changes exactly one field, to the value its conversion gives.
    void eachFieldReadsItsOwnPosition_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QList<int>>("position");
        QTest::addColumn<QJsonValue>("cell");
        QTest::addColumn<QJsonValue>("expected");
        auto row = [](const char* name, QList<int> at, QJsonValue cell, QJsonValue expected) {
            QTest::newRow(name) << QString::fromLatin1(name).section(' ', 0, 0) << at << cell << expected;
        };
        row("HaloTmp", {0, 0, 1}, "19.5", "19.5");
        row("HaloTmp as number", {0, 0, 1}, 19.5, 19.5);
        row("HaloHum", {0, 0, 2}, "50", "50");
        row("NappaliTmp", {0, 1, 1}, "23.0", "23.0");
        row("NappaliHum", {0, 1, 2}, "41", "41");
        row("KulsoTmp", {0, 2, 1}, "-2.5", "-2.5");
        row("KulsoHum", {0, 2, 2}, "90", "90");
        row("KulsoTmp null", {0, 2, 1}, QJsonValue::Null, QJsonValue::Null);
        row("Rain", {0, 3, 1}, "1", true);
        row("KulsoNyomas", {0, 4, 1}, "998", "998");
        row("Kapu1Lakat", {0, 5, 1}, "0", false);
        row("Kapu2Lakat", {0, 6, 1}, "1", true);
        row("Kapu2Lakat from true", {0, 6, 1}, true, true);
        row("Kapu2Lakat from text 2", {0, 6, 1}, "2", true);
        row("MedenceHomerseklet", {0, 8, 1}, "27", "27");
        row("HaloSetTmp", {2, 0, 1}, "22.7", 22);
        row("HaloSetTmp as number", {2, 0, 1}, 18.9, 18);
        row("NappaliSetTmp", {2, 1, 1}, " 25", 25);
        row("HaloFutesBe", {2, 0, 3}, "0", false);
        row("NappaliFutesBe", {2, 1, 3}, "1", true);
        row("RadioHangero", {3, 0, 0}, "55", 55);
        row("RadioAdo", {3, 0, 1}, "7", 7);
        row("RadioAdo without digits", {3, 0, 1}, "x", 0);
        row("RadioBe", {3, 0, 2}, "0", 0);
        row("MedenceBe", {3, 1, 2}, "0", false);
    }
    void eachFieldReadsItsOwnPosition() {
        QFETCH(QString, field);
        QFETCH(QList<int>, position);
        QFETCH(QJsonValue, cell);
        QFETCH(QJsonValue, expected);
        StatusModel before(kBase);
        copyReplyIntoModel(StatusTree(sampleReply()), before);
        StatusTree changed(sampleReply());
        QVERIFY(changed.set(position[0], position[1], position[2], cell));
        StatusModel after(kBase);
        copyReplyIntoModel(changed, after);

        const auto was = copiedFields(before);
        const auto now = copiedFields(after);
        QCOMPARE(now.value(field), expected);
        QCOMPARE(now.value(field).type(), expected.type());
        for (auto it = now.begin(); it != now.end(); ++it) {
            if (it.key() != field)
                QVERIFY2(it.value() == was.value(it.key()), qPrintable(it.key()));
        }
    }

    // A reply without the expected containers must not stop anything: every position reads as absent.
    void missingPositionsReadAsAbsent_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("absent document") << QByteArray("not json");
        QTest::newRow("empty array") << QByteArray("[]");
        QTest::newRow("elements of other types") << QByteArray(R"([{}, null, "x", 5, {"1": 1}, null, []])");
        QTest::newRow("rows of other types")
            << QByteArray(R"([[1,2,3,4,5,6,7,8,9], null, [1,2], [1], [], null, [1]])");
    }
    void missingPositionsReadAsAbsent() {
        QFETCH(QByteArray, json);
        StatusModel model(kBase);
        copyReplyIntoModel(StatusTree(sampleReply()), model);
        copyReplyIntoModel(StatusTree::fromJson(json), model);
        for (const QJsonValue* text :
             {&model.HaloTmp, &model.HaloHum, &model.NappaliTmp, &model.NappaliHum, &model.KulsoTmp,
              &model.KulsoHum, &model.KulsoNyomas, &model.MedenceHomerseklet})
            QVERIFY(text->isUndefined());
        for (bool flag : {model.Rain, model.Kapu1Lakat, model.Kapu2Lakat, model.HaloFutesBe,
                          model.NappaliFutesBe, model.MedenceBe})
            QCOMPARE(flag, false);
        for (qint64 number :
             {model.HaloSetTmp, model.NappaliSetTmp, model.RadioHangero, model.RadioAdo, model.RadioBe})
            QCOMPARE(number, qint64(0));
        QVERIFY(model.RadioAdoLista.isEmpty());
    }

    void stationListIsRebuilt_data() {
        QTest::addColumn<QJsonValue>("stations");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three rows") << QJsonValue(QJsonArray{QJsonArray{0, "Egy"}, QJsonArray{1, "Kettő"},
                                                             QJsonArray{2, "Három"}})
                                    << QStringList{"Egy", "Kettő", "Három"};
        QTest::newRow("no rows") << QJsonValue(QJsonArray()) << QStringList();
        QTest::newRow("null") << QJsonValue(QJsonValue::Null) << QStringList();
        QTest::newRow("odd rows keep their places")
            << QJsonValue(QJsonArray{QJsonArray{0, 105.5}, "x", QJsonArray{2}, QJsonArray{3, true}})
            << QStringList{"105.5", "", "", "1"};
    }
    void stationListIsRebuilt() {
        QFETCH(QJsonValue, stations);
        QFETCH(QStringList, expected);
        StatusModel model(kBase);
        model.RadioAdoLista = QStringList(10, QStringLiteral("Nincs kapcsolat"));
        QJsonArray doc = sampleReply();
        doc[4] = stations;
        copyReplyIntoModel(StatusTree(doc), model);
        QCOMPARE(model.RadioAdoLista, expected);
    }

    void commandInFlightCopiesNothing() {
        StatusModel model(kBase);
        model.RadioAdoLista = QStringList(10, QStringLiteral("Nincs kapcsolat"));
        const auto initial = copiedFields(model);
        model.CommandInFlight = true;
        apply(model, StatusTree(sampleReply()));
        QCOMPARE(copiedFields(model), initial);
        QCOMPARE(*model.StatusDocument.root(), sampleReply());

        model.CommandInFlight = false;
        apply(model, StatusTree(sampleReply()));
        QCOMPARE(model.KulsoTmp, QJsonValue("8.3"));
        QCOMPARE(model.RadioAdoLista.size(), 3);
    }

    void refusedSettingAlert_data() {
        QTest::addColumn<QJsonValue>("report");
        QTest::addColumn<bool>("commandInFlight");
        QTest::addColumn<QString>("message"); // empty: no alert
        const auto report = [](const char* status, QJsonValue setting) {
            return QJsonValue(QJsonArray{status, setting});
        };
        const QString medence = QStringLiteral("Sikertelen Medence beállitas!");
        QTest::newRow("named setting") << report("HIBA", "Medence") << false << medence;
        QTest::newRow("while a command is in flight") << report("HIBA", "Medence") << true << medence;
        QTest::newRow("number as setting")
            << report("HIBA", 5) << false << QStringLiteral("Sikertelen 5 beállitas!");
        QTest::newRow("setting with %")
            << report("HIBA", "%1 %@") << false << QStringLiteral("Sikertelen %1 %@ beállitas!");
        QTest::newRow("no setting given")
            << QJsonValue(QJsonArray{"HIBA"}) << false << QStringLiteral("Sikertelen  beállitas!");
        QTest::newRow("lower case") << report("hiba", "Medence") << false << QString();
        QTest::newRow("trailing space") << report("HIBA ", "Medence") << false << QString();
        QTest::newRow("other status") << report("OK", "Medence") << false << QString();
        QTest::newRow("status not a text")
            << QJsonValue(QJsonArray{QJsonArray{"HIBA"}, "Medence"}) << false << QString();
        QTest::newRow("report not an array") << QJsonValue("HIBA") << false << QString();
        QTest::newRow("report null") << QJsonValue(QJsonValue::Null) << false << QString();
    }
    void refusedSettingAlert() {
        QFETCH(QJsonValue, report);
        QFETCH(bool, commandInFlight);
        QFETCH(QString, message);
        StatusModel model(kBase);
        model.CommandInFlight = commandInFlight;
        apply(model, withError(report));
        if (message.isEmpty()) {
            QVERIFY(alerts.shown().empty());
            QCOMPARE(scheduler.activeTimers(), 0);
            return;
        }
        QCOMPARE(alerts.shown().size(), std::size_t(1));
        const auto& shown = alerts.shown().front();
        QCOMPARE(shown.content.title, QString());
        QCOMPARE(shown.content.message, message);
        QVERIFY(shown.content.buttons.isEmpty());
        QVERIFY(alerts.dismissals().empty());

        scheduler.advance(1.5);
        QVERIFY(alerts.isOpen(shown.id));
        scheduler.advance(10);
        QCOMPARE(alerts.dismissals().size(), std::size_t(1));
        QCOMPARE(alerts.dismissals().front().id, shown.id);
        QCOMPARE(alerts.dismissals().front().buttonIndex, 0);
        QCOMPARE(alerts.dismissals().front().at, 2.0);
    }

    void everyReplyWithTheErrorShowsItsOwnAlert() {
        StatusModel model(kBase);
        const StatusTree reply = withError(QJsonArray{"HIBA", "Nappali"});
        apply(model, reply);
        scheduler.advance(1.0);
        apply(model, reply);
        QCOMPARE(alerts.openCount(), 2);
        scheduler.advance(1.0);
        QCOMPARE(alerts.openCount(), 1);
        QCOMPARE(alerts.dismissals().at(0).id, alerts.shown().at(0).id);
        scheduler.advance(1.0);
        QCOMPARE(alerts.openCount(), 0);
        QCOMPARE(alerts.dismissals().at(1).id, alerts.shown().at(1).id);
        QCOMPARE(alerts.dismissals().at(1).at, 3.0);
    }
};

QTEST_GUILESS_MAIN(ModelCopyTest)
#include "tst_modelcopy.moc"
