#include "PageHarness.h"
#include "app/RootViewController.h"
#include "platform/ui/Screen.h"

#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

class CarouselTest : public QObject {
    Q_OBJECT

    static void moveTo(RootViewController& root, int index) {
        while (root.currentIndex() < index)
            QVERIFY(root.swipe(1));
    }

private slots:
    void visitsEveryPageWithoutWrapping() {
        PageHarness h;
        RootViewController root(h.context);
        root.viewDidLoad();
        QStringList seen{root.currentPage()->restorationIdentifier()};
        while (root.swipe(1))
            seen.append(root.currentPage()->restorationIdentifier());
        QCOMPARE(seen, root.contentPageRestorationIDs());
        QCOMPARE(seen.size(), root.presentationCountForPageViewController());
        QCOMPARE(root.currentIndex(), 5);
        QVERIFY(!root.swipe(1));
        QCOMPARE(root.currentIndex(), 5);
    }

    void endsHandOutNothingAndKeepTheFlag_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("before");
        QTest::newRow("before the first") << 0 << true;
        QTest::newRow("after the last") << 5 << false;
    }
    void endsHandOutNothingAndKeepTheFlag() {
        QFETCH(int, index);
        QFETCH(bool, before);
        PageHarness h;
        RootViewController root(h.context);
        root.viewDidLoad();
        moveTo(root, index);
        h.model().CommandInFlight = true;
        Screen* page = before ? root.pageViewControllerBefore(root.currentPage())
                              : root.pageViewControllerAfter(root.currentPage());
        QVERIFY(page == nullptr);
        QVERIFY(h.model().CommandInFlight);
    }

    // Each neighbour handed out clears the flag: at an end there is only one.
    void handingOutANeighbourClearsTheFlag_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("settleOn");
        QTest::newRow("swiped on") << 1 << 2;
        QTest::newRow("swiped back") << 1 << 0;
        QTest::newRow("abandoned") << 1 << 1;
        QTest::newRow("on from the first") << 0 << 1;
        QTest::newRow("back from the last") << 5 << 4;
    }
    void handingOutANeighbourClearsTheFlag() {
        QFETCH(int, from);
        QFETCH(int, settleOn);
        PageHarness h;
        RootViewController root(h.context);
        root.viewDidLoad();
        moveTo(root, from);
        h.model().CommandInFlight = true;
        root.beginSwipe();
        QVERIFY(!h.model().CommandInFlight);
        root.endSwipe(settleOn);
        QCOMPARE(root.currentIndex(), settleOn);
        QCOMPARE(root.currentPage()->restorationIdentifier(), root.contentPageRestorationIDs().at(settleOn));
    }

    void pollsEveryThreeSecondsUnlessACommandSettles() {
        PageHarness h;
        RootViewController root(h.context);
        root.viewDidLoad();
        QCOMPARE(h.transport.count(), 0);
        h.scheduler.advance(2.99);
        QCOMPARE(h.transport.count(), 0);
        h.scheduler.advance(0.01);
        QCOMPARE(h.sent(), QStringList{""});
        h.model().CommandInFlight = true;
        h.scheduler.advance(6.0);
        QCOMPARE(h.transport.count(), 1);
        h.model().CommandInFlight = false;
        h.scheduler.advance(3.0);
        QCOMPARE(h.sent(), (QStringList{"", ""}));
    }

    void swipingAwayResumesThePoll() {
        PageHarness h;
        RootViewController root(h.context);
        root.viewDidLoad();
        moveTo(root, 1);
        h.model().CommandInFlight = true; // a thermostat command is settling
        h.scheduler.advance(3.0);
        QCOMPARE(h.transport.count(), 0);
        QVERIFY(root.swipe(1));
        h.scheduler.advance(3.0);
        QCOMPARE(h.sent(), QStringList{""});
    }

    // A flick followed at once by another: each drag begins before the last one settled, on the page that one
    // reached. The carousel goes on from there, and every page it made and does not show goes, timer and all.
    void pagesNotShownAreLetGo() {
        PageHarness h;
        RootViewController root(h.context);
        root.viewDidLoad();
        root.beginSwipe();
        for (int shown : {1, 2, 7, 3, 2, 3}) // 7: not a page it made; the carousel stays where it is
            root.beginSwipe(shown);
        root.endSwipe(4);
        QCOMPARE(root.currentIndex(), 4);
        for (int i = 0; i < 100; ++i) {
            root.swipe(i % 10 < 5 ? 1 : -1);
            root.beginSwipe(); // and an abandoned one
            root.endSwipe(root.currentIndex());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(root.findChildren<Screen*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
        // The poll and, when the shown page redraws itself, its refresh timer.
        QVERIFY(h.scheduler.activeTimers() <= 2);
        QVERIFY(h.scheduler.activeTimers() >= 1);
    }
};

QTEST_GUILESS_MAIN(CarouselTest)
#include "tst_carousel.moc"
