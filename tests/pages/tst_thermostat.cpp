#include "PageHarness.h"
#include "pages/home/HaloViewController.h"
#include "pages/home/Nappali.h"

#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

// Every test runs for both rooms: the first column names the room.
class ThermostatTest : public QObject {
    Q_OBJECT

    static constexpr const char* Rooms[] = {"Nappali", "Halo"};

    static QTestData& addRow(const char* room, const char* name = "") {
        return QTest::addRow("%s%s", room, name) << QString::fromLatin1(room);
    }
    static void addRooms() {
        QTest::addColumn<QString>("room");
        for (const char* room : Rooms)
            addRow(room);
    }

    static std::unique_ptr<Thermostat> load(PageHarness& h) {
        if (nappali())
            return h.load<Nappali>();
        return h.load<HaloViewController>();
    }

    // The room's own model fields and ready flag, named here rather than taken from the page's twin.
    static bool nappali() {
        QFETCH(QString, room);
        return room == QLatin1String("Nappali");
    }
    static qint64& setpoint(PageHarness& h) {
        return nappali() ? h.model().NappaliSetTmp : h.model().HaloSetTmp;
    }
    static bool& heating(PageHarness& h) {
        return nappali() ? h.model().NappaliFutesBe : h.model().HaloFutesBe;
    }
    static bool ready(PageHarness& h) { return nappali() ? h.state.NappaliReady : h.state.HaloReady; }

    static std::unique_ptr<Thermostat> connectedPage(PageHarness& h, qint64 setpoint, bool heating = true) {
        h.model().Connected = true;
        ThermostatTest::setpoint(h) = setpoint;
        ThermostatTest::heating(h) = heating;
        return load(h);
    }

private slots:
    void redrawsFromTheModel_data() { addRooms(); }
    void redrawsFromTheModel() {
        PageHarness h;
        auto page = load(h);
        // Before the first reply nothing can be touched.
        QVERIFY(!page->connectionImage()->isHidden());
        for (ViewElement* control : QList<ViewElement*>{page->TmpBtn, page->TmpSlider, page->TmpTxt,
                                                        page->MinuszBtn, page->PluszBtn, page->Futes})
            QVERIFY(!control->isEnabled());

        StatusModel& m = h.model();
        m.Connected = true;
        (nappali() ? m.NappaliTmp : m.HaloTmp) = QJsonValue("21.4");
        (nappali() ? m.NappaliHum : m.HaloHum) = QJsonValue("48");
        setpoint(h) = 23;
        heating(h) = false;
        h.scheduler.advance(3.0);
        QCOMPARE(page->TmpTxt->text(), QStringLiteral(" 23 °C "));
        QCOMPARE(page->TmpDB->text(), QStringLiteral(" Hőmérséklet 21.4 °C "));
        QCOMPARE(page->ParaDB->text(), QStringLiteral(" Páratartalom 48 % "));
        QVERIFY(page->ParaDB->isHidden());
        QCOMPARE(page->TmpSlider->value(), 23.0f);
        QVERIFY(!page->Futes->isOn());
        QVERIFY(page->connectionImage()->isHidden());
        QVERIFY(page->Futes->isEnabled());
        QVERIFY(page->PluszBtn->isEnabled());
    }

    // A setpoint edit and its apply. Plus and minus stop at the slider's ends, where nothing at all happens
    // (not even the edit lock). The value goes out rounded, but is stored truncated.
    void setpointEdit_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<QString>("edit"); // "plus", "minus", or the value the slider is dragged to
        QTest::addColumn<int>("sent");     // -1: nothing changes
        QTest::addColumn<qint64>("stored");
        for (const char* room : Rooms)
            addRow(room, " drag 21.6") << qint64(30) << "21.6" << 22 << qint64(21);
        addRow("Halo", " plus below max") << qint64(34) << "plus" << 35 << qint64(35);
        addRow("Halo", " plus at max") << qint64(35) << "plus" << -1 << qint64(35);
        addRow("Nappali", " minus above min") << qint64(6) << "minus" << 5 << qint64(5);
        addRow("Nappali", " minus at min") << qint64(5) << "minus" << -1 << qint64(5);
    }
    void setpointEdit() {
        QFETCH(QString, room);
        QFETCH(qint64, start);
        QFETCH(QString, edit);
        QFETCH(int, sent);
        QFETCH(qint64, stored);
        PageHarness h;
        auto page = connectedPage(h, start, false);
        const bool drag = edit != "plus" && edit != "minus";
        QVERIFY(drag ? page->TmpSlider->slide(edit.toDouble())
                     : (edit == "plus" ? page->PluszBtn : page->MinuszBtn)->tap());
        QCOMPARE(h.model().CommandInFlight, sent >= 0);
        QCOMPARE(page->TmpTxt->text(), QStringLiteral(" %1 °C ").arg(sent >= 0 ? sent : start));
        QCOMPARE(setpoint(h),
                 drag ? start : stored); // plus and minus store at once, a drag at the apply
        QVERIFY(h.sent().isEmpty());
        if (sent < 0)
            return;
        QVERIFY(page->TmpBtn->tap());
        QCOMPARE(h.sent(), QStringList{QStringLiteral("?dt=temp:%1:%2:0:0").arg(room).arg(sent)});
        QCOMPARE(setpoint(h), stored);
        QVERIFY(!heating(h));
        QVERIFY(!ready(h));
        QVERIFY(page->Spiner->isAnimating());
        QVERIFY(!page->Futes->isEnabled());
        h.scheduler.advance(3.0); // the hold ends; the refresh tick due at the same time still waited
        QVERIFY(ready(h));
        QVERIFY(page->TmpBtn->isEnabled());
        h.scheduler.advance(3.0);
        QCOMPARE(page->TmpTxt->text(), QStringLiteral(" %1 °C ").arg(stored));
    }

    void modeAnswer_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("answer");
        addRow("Nappali", " to heating, Rendben") << true << 1;
        addRow("Halo", " to cooling, Rendben") << false << 1;
        addRow("Halo", " to heating, Mégsem") << true << 0;
        addRow("Nappali", " to cooling, Mégsem") << false << 0;
    }
    void modeAnswer() {
        QFETCH(QString, room);
        QFETCH(bool, on);
        QFETCH(int, answer);
        PageHarness h;
        auto page = connectedPage(h, 24, !on);
        QVERIFY(page->Futes->toggle(on));
        QVERIFY(h.model().CommandInFlight);
        QCOMPARE(h.alerts.message(), QString("Biztos hogy átkapcsol  ") + (on ? "fűtésre" : "hűtésre") + '?');
        QVERIFY(h.sent().isEmpty());
        QVERIFY(h.alerts.press(answer));
        QVERIFY(!h.model().CommandInFlight);      // either answer ends the edit lock at once
        const bool mode = answer == 1 ? on : !on; // "Mégsem" puts the switch back
        QCOMPARE(page->Futes->isOn(), mode);
        QCOMPARE(heating(h), mode);
        const QString sent = "?dt=temp:" + room + ":24:0:" + (on ? "1" : "0");
        QCOMPARE(h.sent(), answer == 1 ? QStringList{sent} : QStringList());
        h.scheduler.advance(3.0); // the hold of a sent change ends, the page redraws
        QVERIFY(page->Futes->isEnabled());
        QCOMPARE(page->Futes->isOn(), mode);
    }

    void answerAfterThePageIsGoneOnlyEndsTheLock_data() { addRooms(); }
    void answerAfterThePageIsGoneOnlyEndsTheLock() {
        PageHarness h;
        auto page = connectedPage(h, 24, false);
        QVERIFY(page->Futes->toggle(true));
        page->viewWillDisappear();
        page.reset();
        QVERIFY(h.alerts.press(1));
        QVERIFY(h.sent().isEmpty());
        QVERIFY(!h.model().CommandInFlight);
    }
};

QTEST_GUILESS_MAIN(ThermostatTest)
#include "tst_thermostat.moc"
