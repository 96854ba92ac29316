#include "PageHarness.h"
#include "SceneView.h"
#include "link/JsonHttp.h"
#include "pages/home/Kulso.h"
#include "support/SampleReply.h"

using namespace otthon;
using namespace otthon::testing;

class FeedbackScenesTest : public QObject {
    Q_OBJECT

    // A status poll, answered with the sample reply or refused, and the next redraw.
    static void poll(PageHarness& h, bool answered) {
        JsonHttp::send(h.context.link, QString());
        const int last = h.transport.count() - 1;
        answered ? h.transport.reply(last, sampleReplyBytes()) : h.transport.fail(last);
        h.scheduler.advance(StatusModel::PageRefreshInterval);
    }

private slots:
    // While the no-connection picture shows, the values are dimmed and the picture says when the last reply
    // came; the next good reply takes both away.
    void staleValuesAreMarkedUntilTheNextGoodReply() {
        PageHarness h;
        auto page = h.load<Kulso>();
        SceneView scene(*page);
        QQuickItem* value = scene.control(page->KulsoTmpLabel);
        QQuickItem* badge = scene.control(page->ConnectionImage);
        const auto marked = [&] { return badge->isVisible() && value->opacity() < 0.5; };
        poll(h, true);
        QVERIFY(!marked() && value->opacity() == 1.0);
        poll(h, false);
        QVERIFY(marked());
        QCOMPARE(badge->findChild<QQuickItem*>(QStringLiteral("caption"))->property("text").toString(),
                 "Utolsó adat: " + h.model().LastReply.toString(QStringLiteral("HH:mm")));
        poll(h, true);
        QVERIFY(!badge->isVisible() && value->opacity() == 1.0);
    }

    // A tap too short to open a gate says how long to hold and sends nothing; Space held for the hold opens
    // the gate as a finger does.
    void aShortTapOnAGateShowsHowLongToHold() {
        PageHarness h;
        h.model().Connected = true;
        auto page = h.load<Kulso>();
        SceneView scene(*page);
        scene.view.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&scene.view));
        QQuickItem* gate = scene.control(page->Kapu1);
        QQuickItem* hint = scene.control(page->KapuTipp);
        QVERIFY(!hint->isVisible());
        scene.clickCentre(gate);
        QVERIFY(hint->isVisible());
        QCOMPARE(h.sent(), QStringList());
        gate->forceActiveFocus();
        QTest::keyPress(&scene.view, Qt::Key_Space);
        h.scheduler.advance(Kulso::KapuPressDuration);
        QVERIFY(!hint->isVisible());
        QTest::keyRelease(&scene.view, Qt::Key_Space);
        QCOMPARE(h.sent(), QStringList{"?dt=kapu:K1"});
    }
};

QTEST_MAIN(FeedbackScenesTest)
#include "tst_feedbackscenes.moc"
