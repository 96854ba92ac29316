#include "PageHarness.h"
#include "SceneView.h"
#include "pages/pool/MedenceBeallitas.h"
#include "pages/pool/MedenceTabla.h"
#include "pages/pool/MedenceViewController.h"
#include "support/SampleReply.h"

using namespace otthon;
using namespace otthon::testing;

namespace {

void loadPool(PageHarness& h) {
    QJsonArray document = sampleReply();
    document.replace(
        5, QJsonArray{QJsonArray{"6:30", "15"}, QJsonArray{"12:0", "40"}, QJsonArray{"19:5", "30"}});
    h.model().StatusDocument = StatusTree(document);
    h.model().Connected = true;
}

// The delegate that shows row `row` of a list.
QQuickItem* row(QQuickItem* list, int row) {
    for (QQuickItem* item : list->property("contentItem").value<QQuickItem*>()->childItems())
        if (item->property("index").toInt() == row && item->property("style").isValid() && item->isVisible())
            return item;
    return nullptr;
}

} // namespace

class PoolScenesTest : public QObject {
    Q_OBJECT

    // Where a row shows its editing control, and its uncovered delete button.
    static constexpr QPointF Control{26, 28};
    static QPointF deleteButton(QQuickItem* item) { return {item->width() - 20, 28}; }

private slots:
    void poolPage() {
        PageHarness h;
        loadPool(h);
        auto page = h.load<MedenceViewController>();
        SceneView scene(*page);
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        QQuickItem* segments = scene.control(page->MedenceOnOff);
        scene.click(segments, QPointF(segments->width() / 4, segments->height() / 2));
        QCOMPARE(h.sent(), QStringList{"?dt=Allsett:Medence:0"});
        QVERIFY(!scene.control(page->MedenceBeallitas)->isEnabled());
    }

    // Outside edit mode a touch opens the editor; in edit mode the minus uncovers "Törlés", which deletes,
    // and the plus adds.
    void scheduleList() {
        PageHarness h;
        loadPool(h);
        auto page = h.load<MedenceTabla>();
        SceneView scene(*page);
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        QQuickItem* list = scene.control(page->List);
        QTRY_COMPARE(list->property("count").toInt(), 3);
        scene.clickCentre(row(list, 1));
        h.scheduler.runDue();
        QCOMPARE(h.model().IdopontIndex, 1);
        QCOMPARE(h.navigation.depth(), 1);

        scene.clickCentre(scene.inner(page->EditSwitch, "QQuickSwitch"));
        QVERIFY(page->isEditing());
        QTRY_COMPARE(list->property("count").toInt(), 4);
        scene.click(row(list, 1), Control);
        QVERIFY(h.sent().isEmpty());
        scene.click(row(list, 1), deleteButton(row(list, 1)));
        QCOMPARE(h.sent(), QStringList{"?dt=Pooldel:12:0:40"});
        QTRY_VERIFY(row(list, 2)); // the add row, moved up
        scene.click(row(list, 2), Control);
        QCOMPARE(h.sent().last(), QStringLiteral("?dt=Pooladd:0:0:0"));
        QVERIFY(!page->isEditing());
    }

    void slotEditor() {
        PageHarness h;
        loadPool(h);
        auto page = h.load<MedenceBeallitas>();
        SceneView scene(*page);
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        const QStringList shown{"6", "30", "15"};
        for (SlotPart part : {SlotPart::Hour, SlotPart::Minute, SlotPart::Duration}) {
            QQuickItem* wheel = scene.control(page->wheel(part));
            QTRY_COMPARE(wheel->property("currentIndex").toInt(), page->wheel(part)->selectedRow());
            QVERIFY(shown.contains(scene.currentTitle(wheel)));
        }
    }
};

QTEST_MAIN(PoolScenesTest)
#include "tst_poolscenes.moc"
