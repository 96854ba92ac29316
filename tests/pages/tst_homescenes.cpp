#include "PageHarness.h"
#include "SceneView.h"
#include "pages/home/HaloViewController.h"
#include "pages/home/Radio.h"

using namespace otthon;
using namespace otthon::testing;

class HomeScenesTest : public QObject {
    Q_OBJECT

private slots:
    // The scene shows what the page holds, follows it without echoing it back, and reports the user's
    // gestures.
    void thermostat() {
        PageHarness h;
        h.model().Connected = true;
        h.model().HaloSetTmp = 22;
        auto page = h.load<HaloViewController>();
        SceneView scene(*page);
        QVERIFY(scene.view.rootObject());
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        QQuickItem* slider = scene.control(page->TmpSlider);
        QCOMPARE(slider->property("from").toDouble(), 5.0);
        QCOMPARE(slider->property("to").toDouble(), 35.0);
        QCOMPARE(slider->property("value").toDouble(), 22.0);
        QQuickItem* toggle = scene.inner(page->Futes, "QQuickSwitch");
        QVERIFY(toggle->property("checked").toBool());

        h.model().HaloSetTmp = 27;
        h.model().HaloFutesBe = false;
        h.scheduler.advance(3.0);
        QCOMPARE(slider->property("value").toDouble(), 27.0);
        QVERIFY(!toggle->property("checked").toBool());
        QVERIFY(!h.model().CommandInFlight); // no echo: no edit lock, no alert

        scene.clickCentre(scene.control(page->PluszBtn));
        QCOMPARE(page->TmpTxt->text(), QStringLiteral(" 28 °C "));
        QVERIFY(h.model().CommandInFlight);
        // A press on the track moves the setpoint there: the left end is the minimum.
        scene.click(slider, QPointF(1, slider->height() / 2));
        QCOMPARE(page->TmpTxt->text(), QStringLiteral(" 5 °C "));
        scene.clickCentre(toggle);
        QCOMPARE(h.alerts.message(), QStringLiteral("Biztos hogy átkapcsol  fűtésre?"));
        QVERIFY(toggle->property("checked").toBool());
        QVERIFY(h.alerts.press(0));
        QVERIFY(!toggle->property("checked").toBool());

        scene.clickCentre(scene.control(page->TmpBtn));
        QCOMPARE(h.sent(), QStringList{"?dt=temp:Halo:5:0:0"});
        QVERIFY(!scene.control(page->TmpBtn)->isEnabled());
        QVERIFY(!slider->isEnabled());
    }

    void radio() {
        PageHarness h;
        StatusModel& m = h.model();
        m.Connected = true;
        m.RadioAdoLista = QStringList{"Kossuth", "Petőfi", "Bartók", "Dankó", "Jazzy"};
        m.RadioAdo = 2;
        m.RadioHangero = 30;
        m.RadioBe = 1;
        auto page = h.load<Radio>();
        SceneView scene(*page);
        QVERIFY(scene.view.rootObject());
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        QQuickItem* wheel = scene.control(page->RadioAdok);
        QCOMPARE(wheel->property("count").toInt(), 1200);
        QTRY_COMPARE(wheel->property("currentIndex").toInt(), 602);
        QCOMPARE(scene.currentTitle(wheel), QStringLiteral("Bartók"));

        // The wheel follows the list and the station from the model.
        const QStringList stations = m.RadioAdoLista;
        m.RadioAdoLista.clear();
        h.scheduler.advance(3.0);
        QCOMPARE(scene.currentTitle(wheel), QString());
        QVERIFY(!scene.control(page->RadioPlay)->isEnabled());
        m.RadioAdoLista = stations;
        m.RadioAdo = 4;
        h.scheduler.advance(3.0);
        QTRY_COMPARE(wheel->property("currentIndex").toInt(), 604);
        QCOMPARE(scene.currentTitle(wheel), QStringLiteral("Jazzy"));
        QVERIFY(!h.model().CommandInFlight);

        // Dragged up by about two rows, the wheel comes to rest further down the list.
        const QPoint centre = wheel->mapToScene(QPointF(wheel->width() / 2, wheel->height() / 2)).toPoint();
        QTest::mousePress(&scene.view, Qt::LeftButton, {}, centre);
        for (int dy = 10; dy <= 120; dy += 10)
            QTest::mouseMove(&scene.view, centre - QPoint(0, dy), 20);
        QTest::mouseRelease(&scene.view, Qt::LeftButton, {}, centre - QPoint(0, 120), 20);
        QTRY_VERIFY(h.model().CommandInFlight);
        const int row = wheel->property("currentIndex").toInt();
        QVERIFY2(row > 604, qPrintable(QString::number(row)));
        QCOMPARE(page->RadioAdok->selectedRow(), row);
        QCOMPARE(h.state.RadioAdoText, QString::number(row % 5));

        // Turned by 270 degrees, the volume slider has its maximum end at the top.
        QQuickItem* slider = scene.control(page->RadioSlider);
        QCOMPARE(slider->property("value").toDouble(), 30.0);
        const QPointF maximumEnd = slider->mapToScene(QPointF(slider->width() - 1, slider->height() / 2));
        QVERIFY(maximumEnd.y() < slider->mapToScene(QPointF(1, slider->height() / 2)).y());
        scene.click(slider, QPointF(slider->width() - 1, slider->height() / 2));
        QCOMPARE(page->RadioVolume->text(), QStringLiteral(" 100⁒"));
        scene.clickCentre(scene.control(page->RadioDown));
        QCOMPARE(page->RadioVolume->text(), QStringLiteral(" 99⁒"));
        QCOMPARE(slider->property("value").toDouble(), 99.0);

        scene.clickCentre(scene.control(page->RadioPlay));
        QCOMPARE(h.sent(), QStringList{"?dt=radio:BE:99:" + QString::number(row % 5)});
        QVERIFY(!slider->isEnabled());
        QVERIFY(!wheel->isEnabled());
    }
};

QTEST_MAIN(HomeScenesTest)
#include "tst_homescenes.moc"
