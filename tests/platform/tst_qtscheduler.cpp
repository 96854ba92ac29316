#include "platform/QtScheduler.h"

#include <QTimer>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace otthon;

class QtSchedulerTest : public QObject {
    Q_OBJECT

private slots:
    // A QTimer counts int milliseconds. A longer time waits as long as a QTimer can, and a negative or NaN
    // time fires at once: none becomes a timer that never fires.
    void outOfRangeTimesAreClamped_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("milliseconds");
        constexpr int longest = std::numeric_limits<int>::max();
        QTest::newRow("2.5 s") << 2.5 << 2500;
        QTest::newRow("past 2^31 ms") << 2147484.0 << longest;
        QTest::newRow("1e300 s") << 1e300 << longest;
        QTest::newRow("negative") << -5.0 << 0;
        QTest::newRow("NaN") << std::nan("") << 0;
    }
    void outOfRangeTimesAreClamped() {
        QFETCH(double, seconds);
        QFETCH(int, milliseconds);
        QtScheduler scheduler;
        scheduler.start(seconds, true, [] {});
        const auto* timer = scheduler.findChild<QTimer*>();
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), milliseconds);
    }
};

QTEST_GUILESS_MAIN(QtSchedulerTest)
#include "tst_qtscheduler.moc"
