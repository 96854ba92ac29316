#include "PageHarness.h"
#include "pages/home/HaloViewController.h"
#include "pages/home/Nappali.h"

#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

// A connected page of one room, with the room's own model fields named here rather than taken from the page's
// twin: a twin pointing at the other room's fields fails.
struct Room {
    explicit Room(const QString& name, qint64 start = 24, bool heatingOn = false)
        : nappali(name == QLatin1String("Nappali")) {
        setpoint() = start;
        heating() = heatingOn;
        page = nappali ? std::unique_ptr<Thermostat>(h.load<Nappali>()) : h.load<HaloViewController>();
    }
    qint64& setpoint() { return nappali ? h.model().NappaliSetTmp : h.model().HaloSetTmp; }
    bool& heating() { return nappali ? h.model().NappaliFutesBe : h.model().HaloFutesBe; }
    bool ready() const { return nappali ? h.state.NappaliReady : h.state.HaloReady; }

    bool nappali;
    PageHarness h{true};
    std::unique_ptr<Thermostat> page;
};

} // namespace

class ThermostatTest : public QObject {
    Q_OBJECT

private slots:
    // Plus and minus stop at the slider's ends, where nothing at all happens (not even the edit lock). The
    // value goes out rounded, but is stored truncated; the room is ready again when the hold ends.
    void setpointEdit_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<QString>("edit"); // "plus", "minus", or the value the slider is dragged to
        QTest::addColumn<int>("sent");     // -1: nothing changes
        QTest::addColumn<qint64>("stored");
        QTest::newRow("Nappali drag 21.6") << "Nappali" << qint64(30) << "21.6" << 22 << qint64(21);
        QTest::newRow("Halo drag 21.6") << "Halo" << qint64(30) << "21.6" << 22 << qint64(21);
        QTest::newRow("plus at max") << "Halo" << qint64(35) << "plus" << -1 << qint64(35);
        QTest::newRow("minus at min") << "Nappali" << qint64(5) << "minus" << -1 << qint64(5);
    }
    void setpointEdit() {
        QFETCH(QString, room);
        QFETCH(qint64, start);
        QFETCH(QString, edit);
        QFETCH(int, sent);
        QFETCH(qint64, stored);
        Room r(room, start);
        Thermostat& page = *r.page;
        QVERIFY(edit == "plus"    ? page.PluszBtn->tap()
                : edit == "minus" ? page.MinuszBtn->tap()
                                  : page.TmpSlider->slide(edit.toDouble()));
        QCOMPARE(r.h.model().CommandInFlight, sent >= 0);
        QCOMPARE(page.TmpTxt->text(), QStringLiteral(" %1 °C ").arg(sent >= 0 ? sent : start));
        if (sent < 0)
            return;
        QVERIFY(page.TmpBtn->tap());
        QCOMPARE(r.h.sent(), QStringList{QStringLiteral("?dt=temp:%1:%2:0:0").arg(room).arg(sent)});
        QCOMPARE(r.setpoint(), stored);
        QVERIFY(!r.ready());
        r.h.scheduler.advance(3.0);
        QVERIFY(r.ready());
    }

    // A mode change asks first; "Rendben" sends it, "Mégsem" puts the switch back. Either ends the edit lock.
    void modeAnswer_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("answer");
        QTest::newRow("to heating, Rendben") << "Halo" << true << 1;
        QTest::newRow("to cooling, Mégsem") << "Nappali" << false << 0;
    }
    void modeAnswer() {
        QFETCH(QString, room);
        QFETCH(bool, on);
        QFETCH(int, answer);
        Room r(room, 24, !on);
        QVERIFY(r.page->Futes->toggle(on));
        QCOMPARE(r.h.alerts.message(),
                 QString("Biztos hogy átkapcsol  ") + (on ? "fűtésre" : "hűtésre") + '?');
        QVERIFY(r.h.alerts.press(answer));
        QVERIFY(!r.h.model().CommandInFlight);
        const bool mode = answer == 1 ? on : !on;
        QCOMPARE(r.page->Futes->isOn(), mode);
        QCOMPARE(r.heating(), mode);
        const QString sent = "?dt=temp:" + room + ":24:0:" + (on ? "1" : "0");
        QCOMPARE(r.h.sent(), answer == 1 ? QStringList{sent} : QStringList());
    }

    // A page that goes mid-hold or mid-question leaves no timer behind, sends nothing more and ends the lock.
    void aPageGoneOnlyEndsTheLock() {
        Room r(QStringLiteral("Nappali"));
        QVERIFY(r.page->Futes->toggle(true)); // the question is up
        QVERIFY(r.page->TmpBtn->tap());       // and an apply holds
        r.page->viewWillDisappear();
        r.page.reset();
        r.h.scheduler.advance(3.0);
        QVERIFY(r.ready());
        QVERIFY(!r.h.model().CommandInFlight);
        QCOMPARE(r.h.scheduler.activeTimers(), 0);
        r.h.model().CommandInFlight = true;
        QVERIFY(r.h.alerts.press(1));
        QVERIFY(!r.h.model().CommandInFlight);
        QCOMPARE(r.h.sent().size(), 1);
    }
};

QTEST_GUILESS_MAIN(ThermostatTest)
#include "tst_thermostat.moc"
