#include "PageHarness.h"
#include "pages/home/HaloViewController.h"
#include "pages/home/Nappali.h"
#include "pages/home/Radio.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

// A page's scene in a phone-sized window. Any warning while it lives fails the test.
struct SceneView {
    QQuickView view;

    explicit SceneView(Screen& page) {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        // Qt 6.4 does not look for modules under the resource prefix that the modules are built with.
        view.engine()->addImportPath(QStringLiteral("qrc:/qt/qml"));
        view.setInitialProperties(
            {{QStringLiteral("page"), QVariant::fromValue(static_cast<QObject*>(&page))}});
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.setSource(QUrl(page.scene()));
        view.resize(390, 844);
        view.show();
    }

    // The control item that shows `element`.
    QQuickItem* control(const QObject* element) const {
        QList<QQuickItem*> pending;
        if (view.rootObject())
            pending.append(view.rootObject());
        while (!pending.isEmpty()) {
            QQuickItem* item = pending.takeFirst();
            if (item->property("element").value<QObject*>() == element)
                return item;
            pending.append(item->childItems());
        }
        return nullptr;
    }
    template <class T = QQuickItem> T* inner(const QObject* element, const char* className) const {
        for (QQuickItem* item : control(element)->findChildren<QQuickItem*>())
            if (item->inherits(className))
                return qobject_cast<T*>(item);
        return nullptr;
    }

    void click(QQuickItem* item, QPointF at) {
        QTest::mouseClick(&view, Qt::LeftButton, {}, item->mapToScene(at).toPoint());
    }
    void clickCentre(QQuickItem* item) { click(item, QPointF(item->width() / 2, item->height() / 2)); }
};

std::unique_ptr<Thermostat> loadRoom(PageHarness& h, const QString& room) {
    h.model().Connected = true;
    h.model().NappaliSetTmp = h.model().HaloSetTmp = 22;
    if (room == QLatin1String("Nappali"))
        return h.load<Nappali>();
    return h.load<HaloViewController>();
}

std::unique_ptr<Radio> loadRadio(PageHarness& h) {
    StatusModel& m = h.model();
    m.Connected = true;
    m.RadioAdoLista = QStringList{"Kossuth", "Petőfi", "Bartók", "Dankó", "Jazzy"};
    m.RadioAdo = 2;
    m.RadioHangero = 30;
    m.RadioBe = 1;
    return h.load<Radio>();
}

} // namespace

class HomeScenesTest : public QObject {
    Q_OBJECT

private slots:
    void thermostatFollowsThePageWithoutEcho() {
        PageHarness h;
        auto page = loadRoom(h, QStringLiteral("Nappali"));
        SceneView scene(*page);
        QVERIFY(scene.view.rootObject());
        QQuickItem* slider = scene.control(page->TmpSlider);
        QVERIFY(slider);
        QCOMPARE(slider->property("from").toDouble(), 5.0);
        QCOMPARE(slider->property("to").toDouble(), 35.0);
        QCOMPARE(slider->property("value").toDouble(), 22.0);
        QQuickItem* futes = scene.control(page->Futes);
        QCOMPARE(futes->rotation(), 90.0);
        QQuickItem* back = scene.inner(page->Futes, "QQuickRectangle");
        QCOMPARE(back->property("color").value<QColor>(), QColor(Qt::blue));
        QCOMPARE(back->property("radius").toDouble(), 16.0);
        QQuickItem* toggle = scene.inner(page->Futes, "QQuickSwitch");
        QVERIFY(toggle->property("checked").toBool());
        QCOMPARE(scene.control(page->Head)->property("color").value<QColor>(), ControlPage::headBackground());

        h.model().*page->twin().setTmp = 27;
        h.model().*page->twin().futesBe = false;
        h.scheduler.advance(3.0);
        QCOMPARE(slider->property("value").toDouble(), 27.0);
        QVERIFY(!toggle->property("checked").toBool());
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(!h.alerts.isOpen());
    }

    void thermostatGestures() {
        PageHarness h;
        auto page = loadRoom(h, QStringLiteral("Halo"));
        SceneView scene(*page);
        QVERIFY(scene.view.rootObject());
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));

        scene.clickCentre(scene.control(page->PluszBtn));
        QCOMPARE(page->TmpTxt->text(), QStringLiteral(" 23 °C "));
        QVERIFY(h.model().CommandInFlight);

        // A press on the track moves the setpoint there: the left end is the minimum.
        QQuickItem* slider = scene.control(page->TmpSlider);
        scene.click(slider, QPointF(1, slider->height() / 2));
        QCOMPARE(page->TmpSlider->value(), 5.0f);
        QCOMPARE(page->TmpTxt->text(), QStringLiteral(" 5 °C "));

        QQuickItem* toggle = scene.inner(page->Futes, "QQuickSwitch");
        scene.clickCentre(toggle);
        QCOMPARE(h.alerts.message(), QStringLiteral("Biztos hogy átkapcsol  hűtésre?"));
        QVERIFY(!toggle->property("checked").toBool());
        QVERIFY(h.alerts.press(0));
        QVERIFY(toggle->property("checked").toBool());
        QVERIFY(h.sent().isEmpty());

        scene.clickCentre(scene.control(page->TmpBtn));
        QCOMPARE(h.sent(), QStringList{"?dt=temp:Halo:5:0:1"});
        QVERIFY(!scene.control(page->TmpBtn)->isEnabled());
        QVERIFY(!slider->isEnabled());
    }

    void radioWheelFollowsThePageWithoutEcho() {
        PageHarness h;
        auto page = loadRadio(h);
        SceneView scene(*page);
        QVERIFY(scene.view.rootObject());
        QQuickItem* wheel = scene.control(page->RadioAdok);
        QVERIFY(wheel);
        QCOMPARE(wheel->property("count").toInt(), 1200);
        QVERIFY(wheel->property("wrap").toBool());
        QTRY_COMPARE(wheel->property("currentIndex").toInt(), 602);
        auto* current = wheel->property("currentItem").value<QQuickItem*>();
        QVERIFY(current);
        QCOMPARE(current->property("text").toString(), QStringLiteral("Bartók"));

        h.model().RadioAdo = 4;
        h.scheduler.advance(3.0);
        QTRY_COMPARE(wheel->property("currentIndex").toInt(), 604);
        QVERIFY(!h.model().CommandInFlight);

        h.model().RadioAdoLista.clear();
        h.scheduler.advance(3.0);
        current = wheel->property("currentItem").value<QQuickItem*>();
        QCOMPARE(current->property("text").toString(), QString());
        QVERIFY(!scene.control(page->RadioPlay)->isEnabled());
    }

    void radioWheelTurnedByTheUser() {
        PageHarness h;
        auto page = loadRadio(h);
        SceneView scene(*page);
        QVERIFY(scene.view.rootObject());
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        QQuickItem* wheel = scene.control(page->RadioAdok);
        QTRY_COMPARE(wheel->property("currentIndex").toInt(), 602);
        // Drag the wheel up by about two rows; it comes to rest further down the list.
        const QPoint centre = wheel->mapToScene(QPointF(wheel->width() / 2, wheel->height() / 2)).toPoint();
        QTest::mousePress(&scene.view, Qt::LeftButton, {}, centre);
        for (int dy = 10; dy <= 120; dy += 10)
            QTest::mouseMove(&scene.view, centre - QPoint(0, dy), 20);
        QTest::mouseRelease(&scene.view, Qt::LeftButton, {}, centre - QPoint(0, 120), 20);
        QTRY_VERIFY(h.model().CommandInFlight);
        const int row = wheel->property("currentIndex").toInt();
        QVERIFY2(row > 602, qPrintable(QString::number(row)));
        QCOMPARE(page->RadioAdok->selectedRow(), row);
        QCOMPARE(h.state.RadioAdoText, QString::number(row % 5));
        QVERIFY(h.sent().isEmpty());
    }

    void radioSliderStandsUpright() {
        PageHarness h;
        auto page = loadRadio(h);
        SceneView scene(*page);
        QVERIFY(scene.view.rootObject());
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        QQuickItem* slider = scene.control(page->RadioSlider);
        QCOMPARE(slider->rotation(), 270.0);
        QCOMPARE(slider->property("value").toDouble(), 30.0);
        // Turned by 270 degrees, the slider's maximum end is at the top of the screen.
        const QPointF maximumEnd = slider->mapToScene(QPointF(slider->width() - 1, slider->height() / 2));
        const QPointF minimumEnd = slider->mapToScene(QPointF(1, slider->height() / 2));
        QVERIFY(maximumEnd.y() < minimumEnd.y());
        scene.click(slider, QPointF(slider->width() - 1, slider->height() / 2));
        QCOMPARE(page->RadioSlider->value(), 100.0f);
        QCOMPARE(page->RadioVolume->text(), QStringLiteral(" 100⁒"));
        QVERIFY(h.model().CommandInFlight);

        scene.clickCentre(scene.control(page->RadioDown));
        QCOMPARE(page->RadioVolume->text(), QStringLiteral(" 99⁒"));
        QCOMPARE(slider->property("value").toDouble(), 99.0);

        scene.clickCentre(scene.control(page->RadioPlay));
        QCOMPARE(h.sent(), QStringList{"?dt=radio:BE:99:2"});
        QVERIFY(!slider->isEnabled());
        QVERIFY(!scene.control(page->RadioAdok)->isEnabled());
    }
};

QTEST_MAIN(HomeScenesTest)
#include "tst_homescenes.moc"
