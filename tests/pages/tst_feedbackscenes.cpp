#include "link/JsonHttp.h"
#include "pages/outside/Kulso.h"
#include "platform/ui/Switch.h"
#include "support/PageHarness.h"
#include "support/SampleReply.h"
#include "support/SceneView.h"

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
    // On and off tell apart at a glance by the switch's track; the heating and cooling switch is warm when it
    // heats (on) and cool when it cools.
    void switchTracksTellOnFromOff_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("outlet");
        QTest::addColumn<bool>("warmWhenOn");
        const auto row = [](const char* name, const char* screen, const char* outlet, bool warm) {
            QTest::newRow(name) << QString(screen) << QString(outlet) << warm;
        };
        row("heating or cooling", "Nappali", "Futes", true);
        row("edit switch", "MedenceTabla", "MedenceEdit", false);
    }
    void switchTracksTellOnFromOff() {
        QFETCH(QString, screen);
        QFETCH(QString, outlet);
        QFETCH(bool, warmWhenOn);
        PageHarness h(true);
        std::unique_ptr<Screen> page = h.navigation.instantiate(screen);
        page->loadViewIfNeeded();
        SceneView scene(*page);
        auto* element = page->elementAs<Switch>(outlet);
        QQuickItem* track = scene.control(element)->findChild<QQuickItem*>(QStringLiteral("track"));
        QColor colour[2];
        for (bool on : {true, false}) {
            element->setOn(on);
            colour[on] = track->property("color").value<QColor>();
        }
        const int apart = qAbs(colour[1].red() - colour[0].red()) +
                          qAbs(colour[1].green() - colour[0].green()) +
                          qAbs(colour[1].blue() - colour[0].blue());
        QVERIFY2(apart > 150, qPrintable(colour[1].name() + u'/' + colour[0].name()));
        if (warmWhenOn)
            QVERIFY(colour[1].red() > colour[1].blue() && colour[0].blue() > colour[0].red());
    }

    // While the no-connection picture shows, the values are dimmed and the picture says when the last reply
    // came (with its date once that is not today); the next good reply takes both away.
    void staleValuesAreMarkedUntilTheNextGoodReply() {
        PageHarness h;
        h.scheduler.setWallClock(QDateTime(QDate(2026, 12, 7), QTime(23, 58, 30)));
        auto page = h.load<Kulso>();
        SceneView scene(*page);
        QQuickItem* value = scene.control(page->KulsoTmpLabel);
        QQuickItem* badge = scene.control(page->ConnectionImage);
        const auto marked = [&] { return badge->isVisible() && value->opacity() < 1; };
        const auto caption = [&] {
            return badge->findChild<QQuickItem*>(QStringLiteral("caption"))->property("text").toString();
        };
        poll(h, true);
        QVERIFY(!marked() && value->opacity() == 1.0);
        poll(h, false);
        QVERIFY(marked());
        QCOMPARE(caption(), QStringLiteral("Utolsó adat: 23:58"));
        h.scheduler.advance(120); // past midnight
        poll(h, false);
        QCOMPARE(caption(), QStringLiteral("Utolsó adat: 12.07. 23:58"));
        poll(h, true);
        QVERIFY(!badge->isVisible() && value->opacity() == 1.0);
    }

    // Space or Enter held for the hold opens the gate as a finger does, though the key's repeats come as
    // releases and presses that are not marked as repeats (as X11 delivers some); let go early, it says how
    // long to hold, as after a tap of the mouse.
    void aHeldKeyOpensAGateThroughItsRepeats_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("held");
        QTest::newRow("Space") << int(Qt::Key_Space) << Kulso::KapuPressDuration;
        QTest::newRow("Enter") << int(Qt::Key_Return) << Kulso::KapuPressDuration;
        QTest::newRow("Space let go early") << int(Qt::Key_Space) << Kulso::KapuPressDuration - 0.25;
        QTest::newRow("mouse tap") << 0 << 0.0;
    }
    void aHeldKeyOpensAGateThroughItsRepeats() {
        QFETCH(int, key);
        QFETCH(double, held);
        PageHarness h(true);
        auto page = h.load<Kulso>();
        SceneView scene(*page);
        scene.view.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&scene.view));
        QQuickItem* hint = scene.control(page->KapuTipp);
        QQuickItem* gate = scene.control(page->Kapu1);
        const QObject* release = gate->findChild<QObject*>(QStringLiteral("pendingRelease"));
        QVERIFY(release);
        QVERIFY(!hint->isVisible());
        gate->forceActiveFocus();
        if (key) {
            QTest::keyPress(&scene.view, Qt::Key(key));
            for (double down = 0; down < held; down += 0.25) {
                h.scheduler.advance(0.25);
                QTest::keyRelease(&scene.view, Qt::Key(key));
                QTest::keyPress(&scene.view, Qt::Key(key));
                QVERIFY(!hint->isVisible() && !release->property("running").toBool()); // no release waits
            }
            QTest::keyRelease(&scene.view, Qt::Key(key));
        } else {
            scene.clickCentre(gate);
        }
        const bool opens = held >= Kulso::KapuPressDuration;
        QTRY_VERIFY(hint->isVisible() || !h.sent().isEmpty());
        QCOMPARE(h.sent(), opens ? QStringList{"?dt=kapu:K1"} : QStringList());
        QCOMPARE(hint->isVisible(), !opens);
    }
};

QTEST_MAIN(FeedbackScenesTest)
#include "tst_feedbackscenes.moc"
