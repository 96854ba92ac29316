#include "pages/irrigation/OntozoOsszefoglalas.h"
#include "pages/pool/MedenceTabla.h"
#include "pages/pool/MedenceViewController.h"
#include "pages/radio/Radio.h"
#include "pages/thermostat/HaloViewController.h"
#include "support/PageHarness.h"
#include "support/SampleReply.h"
#include "support/SceneView.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QtQuickTest/quicktest.h>
#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

// The delegate that shows row `row` of a list.
QQuickItem* row(QQuickItem* list, int row) {
    for (QQuickItem* item : list->property("contentItem").value<QQuickItem*>()->childItems())
        if (item->property("index").toInt() == row && item->property("style").isValid() && item->isVisible())
            return item;
    return nullptr;
}

} // namespace

// What only a real mouse on the scenes at phone size shows: each control on screen is the one it stands for.
class PageScenesTest : public QObject {
    Q_OBJECT

private slots:
    // A mode change asks first; "Mégsem" puts the switch on screen back and sends nothing.
    void thermostatSwitch() {
        PageHarness h(true);
        h.model().HaloFutesBe = false;
        auto page = h.load<HaloViewController>();
        SceneView scene(*page);
        QQuickItem* toggle = scene.inner(page->Futes, "QQuickSwitch");
        scene.clickCentre(toggle);
        QCOMPARE(h.alerts.message(), QStringLiteral("Biztos hogy átkapcsol  fűtésre?"));
        QVERIFY(toggle->property("checked").toBool());
        QVERIFY(h.alerts.press(0));
        QVERIFY(!toggle->property("checked").toBool());
        QVERIFY(h.sent().isEmpty());
    }

    // The wheel opens on the page's row without echoing it back and settles where a drag leaves it; a name
    // too long for it is cut short there. The volume slider, turned by 270 degrees, has its maximum end at
    // the top.
    void radio() {
        PageHarness h(true);
        StatusModel& m = h.model();
        m.RadioAdoLista = QStringList{"Kossuth", "Petőfi", "Bartók", "Dankó", QString(256, u'J')};
        m.RadioAdo = 2;
        m.RadioHangero = 30;
        auto page = h.load<Radio>();
        SceneView scene(*page);
        QQuickItem* wheel = scene.control(page->RadioAdok);
        QTRY_COMPARE(wheel->property("currentIndex").toInt(), 602);
        int longTitles = 0;
        for (QList<QQuickItem*> pending{wheel}; !pending.isEmpty();) {
            QQuickItem* title = pending.takeLast();
            pending.append(title->childItems());
            if (title->property("index").toInt() == 604 && title->property("truncated").isValid()) {
                QVERIFY(title->property("truncated").toBool());
                QVERIFY(title->property("contentWidth").toReal() <= title->width());
                ++longTitles;
            }
        }
        QCOMPARE(longTitles, 1);

        QVERIFY(!h.model().CommandInFlight());
        // Dragged up by about two rows, the wheel comes to rest further down the list.
        const QPoint centre = wheel->mapToScene(QPointF(wheel->width() / 2, wheel->height() / 2)).toPoint();
        QTest::mousePress(&scene.view, Qt::LeftButton, {}, centre);
        for (int dy = 10; dy <= 120; dy += 10)
            QTest::mouseMove(&scene.view, centre - QPoint(0, dy), 20);
        QTest::mouseRelease(&scene.view, Qt::LeftButton, {}, centre - QPoint(0, 120), 20);
        QTRY_VERIFY(h.model().CommandInFlight());
        const int row = wheel->property("currentIndex").toInt();
        QVERIFY2(row > 602, qPrintable(QString::number(row)));
        QCOMPARE(page->RadioAdok->selectedRow(), row);

        QQuickItem* slider = scene.control(page->RadioSlider);
        const QPointF maximumEnd = slider->mapToScene(QPointF(slider->width() - 1, slider->height() / 2));
        QVERIFY(maximumEnd.y() < slider->mapToScene(QPointF(1, slider->height() / 2)).y());
        scene.click(slider, QPointF(slider->width() - 1, slider->height() / 2));
        QCOMPARE(page->RadioSlider->value(), 100.0f);
    }

    // Outside edit mode a touch opens the editor; in edit mode the minus uncovers "Törlés", which deletes,
    // and the plus adds.
    void scheduleList() {
        PageHarness h(true);
        h.model().StatusDocument = StatusTree(sampleWith(
            5, QJsonArray{QJsonArray{"6:30", "15"}, QJsonArray{"12:0", "40"}, QJsonArray{"19:5", "30"}}));
        auto page = h.load<MedenceTabla>();
        SceneView scene(*page);
        QQuickItem* list = scene.control(page->List);
        QTRY_COMPARE(list->property("count").toInt(), 3);
        scene.clickCentre(row(list, 1));
        h.scheduler.runDue();
        QCOMPARE(h.model().IdopontIndex, 1);
        QCOMPARE(h.navigation.depth(), 1);

        // Where a row shows its editing control, and its uncovered delete button.
        const QPointF control{26, 28};
        scene.clickCentre(scene.inner(page->EditSwitch, "QQuickSwitch"));
        QTRY_COMPARE(list->property("count").toInt(), 4);
        scene.click(row(list, 1), control);
        QVERIFY(h.sent().isEmpty());
        scene.click(row(list, 1), QPointF(row(list, 1)->width() - 20, 28));
        QCOMPARE(h.sent(), QStringList{"?dt=Pooldel:12:0:40"});
        QTRY_VERIFY(row(list, 2)); // the add row, moved up
        scene.click(row(list, 2), control);
        QCOMPARE(h.sent().last(), QStringLiteral("?dt=Pooladd:0:0:0"));
    }

    // A touch on the day's timeline opens the editor of the bar under the finger, the later of two on top of
    // each other, or of the nearest within a finger's width; so do the arrow keys and Space.
    void timelineBars() {
        PageHarness h(true);
        h.model().StatusDocument = StatusTree(
            sampleWith(1, QJsonArray{QJsonArray{"Z1", "6:0", "60"}, QJsonArray{"Z1", "6:30", "60"},
                                     QJsonArray{"Z9", "12:0", "30"}, QJsonArray{"Z3", "12:0", "30"}}));
        auto page = h.load<OntozoOsszefoglalas>();
        SceneView scene(*page);
        QQuickItem* timeline = scene.control(page->OntozoIdovonal);
        const qreal names = timeline->property("nameWidth").toReal();
        const auto opened = [&] {
            h.scheduler.runDue();
            const qint64 row = h.navigation.depth() == 1 ? h.model().IdopontIndex : -1;
            h.navigation.back();
            h.scheduler.runDue();
            return row;
        };
        const auto touch = [&](int lane, int minute) {
            scene.click(timeline,
                        QPointF(names + (timeline->width() - names) * minute / 1440, lane * 26 + 13));
            return opened();
        };
        QCOMPARE(touch(0, 405), 1);
        QCOMPARE(touch(0, 361), 0);
        QCOMPARE(touch(2, 718), 3);
        QCOMPARE(touch(2, 100), -1);
        timeline->forceActiveFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space})
            QTest::keyClick(&scene.view, key);
        QCOMPARE(opened(), 3);
    }

    // The left segment is "Ki", and the page takes it as sent.
    void segments() {
        PageHarness h(true);
        h.model().MedenceBe = true;
        auto page = h.load<MedenceViewController>();
        SceneView scene(*page);
        QQuickItem* segments = scene.control(page->MedenceOnOff);
        scene.click(segments, QPointF(segments->width() / 4, segments->height() / 2));
        QCOMPARE(h.sent(), QStringList{"?dt=Allsett:Medence:0"});
        QVERIFY(!h.model().MedenceBe);
    }
};

QTEST_MAIN(PageScenesTest)
#include "tst_pagescenes.moc"
