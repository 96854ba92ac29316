#include "PageHarness.h"
#include "SceneView.h"
#include "pages/irrigation/OntozoKiBe.h"
#include "support/SampleReply.h"

using namespace otthon;
using namespace otthon::testing;

// Zone switching under the mouse, at phone size.
class IrrigationScenesTest : public QObject {
    Q_OBJECT

private slots:
    // Each control on screen is the one it stands for: zone 3's switch, then the whole irrigation's segments.
    void zoneSwitching() {
        PageHarness h;
        h.model().StatusDocument = StatusTree(sampleReply());
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
};

QTEST_MAIN(IrrigationScenesTest)
#include "tst_irrigationscenes.moc"
