#include "PageHarness.h"
#include "SampleDocument.h"
#include "SceneView.h"
#include "pages/irrigation/OntozoBeallitasok.h"
#include "pages/irrigation/OntozoKiBe.h"

using namespace otthon;
using namespace otthon::testing;

// The irrigation scenes under the mouse, at phone size.
class IrrigationScenesTest : public QObject {
    Q_OBJECT

private slots:
    // Each control on screen is the one it stands for: zone 3's switch, then the whole irrigation's segments.
    void zoneSwitching() {
        PageHarness h;
        h.model().StatusDocument = StatusTree(sampleDocument());
        auto page = h.load<OntozoKiBe>();
        SceneView scene(*page);
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        scene.clickCentre(scene.inner(page->Z3, "QQuickSwitch"));
        QCOMPARE(h.sent(), QStringList{"?dt=Ontozosett:1:1:0:0:1:0:0:0"});
        h.scheduler.advance(3.0);
        QQuickItem* whole = scene.control(page->ZOsszes);
        scene.click(whole, QPointF(whole->width() / 4, whole->height() / 2));
        QCOMPARE(h.sent().last(), QStringLiteral("?dt=Ontozosett:0:0:0:0:0:0:0:0"));
    }

    // Four wheels fit the phone's width, the zone wheel on the slot's zone.
    void slotEditorWheels() {
        PageHarness h;
        h.model().StatusDocument = StatusTree(sampleDocument());
        h.model().IdopontIndex = 1;
        auto page = h.load<OntozoBeallitasok>();
        SceneView scene(*page);
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        const QStringList shown{"Utcai kicsi", "19", "5", "40"};
        for (int i = 0; i < 4; ++i) {
            QQuickItem* wheel = scene.control(page->wheelObjects().at(i));
            QTRY_COMPARE(wheel->property("currentIndex").toInt(),
                         wheel->property("element").value<Picker*>()->selectedRow());
            QCOMPARE(scene.currentTitle(wheel), shown.at(i));
            QVERIFY(wheel->mapToScene(QPointF(wheel->width(), 0)).x() <= 390);
        }
    }
};

QTEST_MAIN(IrrigationScenesTest)
#include "tst_irrigationscenes.moc"
