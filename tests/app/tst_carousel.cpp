#include "app/RootViewController.h"
#include "platform/ui/Screen.h"
#include "support/PageHarness.h"

#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

// The root screen, loaded, on virtual time and a fake transport.
struct Carousel {
    PageHarness h;
    RootViewController root{h.context};
    Carousel() { root.viewDidLoad(); }
};

class CarouselTest : public QObject {
    Q_OBJECT

private slots:
    void visitsEveryPageWithoutWrapping() {
        Carousel c;
        QStringList seen{c.root.currentPage()->restorationIdentifier()};
        while (c.root.swipe(1))
            seen.append(c.root.currentPage()->restorationIdentifier());
        QCOMPARE(seen, (QStringList{"Külső", "Nappali", "Háló", "Medence", "Öntöző", "Rádió"}));
        QCOMPARE(seen.size(), c.root.presentationCountForPageViewController());
        QCOMPARE(c.root.currentIndex(), 5);
    }

    // The first poll leaves at start, then one every 3 s; none while a command settles (a draft holds none),
    // and one at once when the command's hold ends.
    void pollsAtStartEveryThreeSecondsAndWhenAHoldEnds() {
        Carousel c;
        QCOMPARE(c.h.sent(), QStringList{""});
        c.h.scheduler.advance(2.99);
        QCOMPARE(c.h.transport.count(), 1);
        c.h.scheduler.advance(0.01);
        QCOMPARE(c.h.transport.count(), 2);
        beginSettling(c.h.model());
        c.h.scheduler.advance(6.0);
        QCOMPARE(c.h.transport.count(), 2);
        c.h.model().Draft = true;
        endSettling(c.h.context.link);
        QCOMPARE(c.h.transport.count(), 3);
        c.h.scheduler.advance(3.0);
        QCOMPARE(c.h.sent(), (QStringList{"", "", "", ""}));
    }

    // A flick followed at once by another: each drag begins before the last one settled, on the page that one
    // reached. The carousel goes on from there, and every page it made and does not show goes, timer and all.
    // Each neighbour handed out ends the wait for a command's reply.
    void pagesNotShownAreLetGo() {
        Carousel c;
        c.h.transport.fail(0); // the first poll, and its deadline, are over
        beginSettling(c.h.model());
        c.h.model().Draft = true;
        c.root.beginSwipe();
        QVERIFY(!c.h.model().CommandInFlight());
        for (int shown : {1, 2, 7, 3, 2, 3}) // 7: not a page it made; the carousel stays where it is
            c.root.beginSwipe(shown);
        c.root.endSwipe(4);
        QCOMPARE(c.root.currentIndex(), 4);
        for (int i = 0; i < 100; ++i) {
            c.root.swipe(i % 10 < 5 ? 1 : -1);
            c.root.beginSwipe(); // and an abandoned one
            c.root.endSwipe(c.root.currentIndex());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(c.root.findChildren<Screen*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
        // The poll and, when the shown page redraws itself, its refresh timer.
        QVERIFY(c.h.scheduler.activeTimers() <= 2);
        QVERIFY(c.h.scheduler.activeTimers() >= 1);
    }
};

QTEST_GUILESS_MAIN(CarouselTest)
#include "tst_carousel.moc"
