#include "PageHarness.h"
#include "pages/ControlPage.h"
#include "platform/ui/Button.h"
#include "platform/ui/Slider.h"

#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

// The smallest page with both halves: a button that sends, a slider whose touch the hold locks.
class TestPage : public ControlPage {
public:
    explicit TestPage(PageContext& context) : ControlPage(context, QStringLiteral("Test")) {
        setSpinner(spinner_);
        addOutlet(QStringLiteral("Send"), send_);
        addOutlet(QStringLiteral("Level"), level_);
        addOutlet(QStringLiteral("Spinner"), spinner_);
        level_->setRange(0, 100);
    }

    void viewDidLoad() override {
        INIT();
        startRefreshTimer();
        drawBackground();
    }
    void INIT() override {
        Hatterkep = QStringLiteral("Test.png");
        ++redraws;
        showConnection();
        send_->setEnabled(model().Connected);
        level_->setInteractive(model().Connected);
    }

    Button* send_ = new Button(this);
    Slider* level_ = new Slider(this);
    ActivityIndicator* spinner_ = new ActivityIndicator(this);
    int redraws = 0;

protected:
    bool* readyFlag() override { return &context().state.MedenceReady; }
    QList<ViewElement*> gatedControls() const override { return {send_}; }
    QList<ViewElement*> touchLockedControls() const override { return {level_}; }
    QString formCommand() override { return QStringLiteral("?dt=test:%1").arg(int(level_->value())); }
    void writeOptimistic() override { model().RadioHangero = qint64(level_->value()); }
};

} // namespace

class ControlPageTest : public QObject {
    Q_OBJECT

private slots:
    void applySendsShowsAndHolds() {
        PageHarness h;
        h.model().Connected = true;
        auto page = h.load<TestPage>();
        page->level_->slide(42);
        page->beallitas();
        QCOMPARE(h.sent(), QStringList{"?dt=test:42"});
        QCOMPARE(h.model().RadioHangero, 42);
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(!h.state.MedenceReady);
        QVERIFY(page->spinner_->isAnimating());
        QVERIFY(!page->send_->isEnabled());
        QVERIFY(!page->level_->isInteractive());
        h.scheduler.advance(2.99);
        QVERIFY(h.model().CommandInFlight);
        h.scheduler.advance(0.01);
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(h.state.MedenceReady);
        QVERIFY(!page->spinner_->isAnimating());
        QVERIFY(page->send_->isEnabled());
        QVERIFY(page->level_->isInteractive());
    }

    void aSecondApplyIsEndedByTheFirstHoldTimer() {
        PageHarness h;
        h.model().Connected = true;
        auto page = h.load<TestPage>();
        page->beallitas();
        h.scheduler.advance(1.0);
        page->beallitas();
        h.scheduler.advance(2.0); // the first hold timer fires at 3 s and stops the second
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(!h.scheduler.isValid(page->holdTimer()));
        h.model().CommandInFlight = true;
        h.scheduler.advance(1.5); // past the second timer's 4 s: nothing clears the flag
        QVERIFY(h.model().CommandInFlight);
        QCOMPARE(h.sent().size(), 2);
    }

    void holdEndsEnabledBeforeTheTick() {
        PageHarness h;
        h.model().Connected = true;
        auto page = h.load<TestPage>();
        h.scheduler.advance(1.0);
        page->beallitas(); // hold ends at 4, tick at 6
        h.model().Connected = false;
        h.scheduler.advance(3.0);
        QVERIFY(page->send_->isEnabled());
        h.scheduler.advance(2.0);
        QVERIFY(!page->send_->isEnabled());
    }

    void pageLoadedDisconnectedShowsTheLinkDown() {
        PageHarness h;
        auto page = h.load<TestPage>();
        QVERIFY(!page->ConnectionImage->isHidden());
        QVERIFY(!page->send_->isEnabled());
        QVERIFY(!page->send_->tap());
        QCOMPARE(page->background(), QStringLiteral("Test.png"));
    }

    void refreshTicksEveryThreeSecondsAndStopsWhenDiscarded() {
        PageHarness h;
        auto page = h.load<TestPage>();
        QCOMPARE(page->redraws, 1);
        h.scheduler.advance(2.99);
        QCOMPARE(page->redraws, 1);
        h.scheduler.advance(0.01);
        QCOMPARE(page->redraws, 2);
        page->viewWillDisappear();
        h.scheduler.advance(9.0);
        QCOMPARE(page->redraws, 2);
        QCOMPARE(h.scheduler.activeTimers(), 0);
    }

    void holdTimerOutlivesItsPage() {
        PageHarness h;
        h.model().Connected = true;
        auto page = h.load<TestPage>();
        page->beallitas();
        page->viewWillDisappear();
        page.reset();
        h.scheduler.advance(3.0);
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(h.state.MedenceReady);
    }
};

QTEST_GUILESS_MAIN(ControlPageTest)
#include "tst_controlpage.moc"
