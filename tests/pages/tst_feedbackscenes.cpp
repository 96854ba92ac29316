#include "PageHarness.h"
#include "SceneView.h"
#include "link/JsonHttp.h"
#include "pages/home/Kulso.h"
#include "support/SampleReply.h"

#include <QAccessible>

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

    // Whatever a finger can use, a key reaches (it takes the Tab focus, or sits in something that does), and
    // a screen reader can name.
    void everyControlHasANameAndAKey_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<int>("controls");
        const std::pair<const char*, int> screens[] = {{"Külső", 2},        {"Nappali", 5}, {"Háló", 5},
                                                       {"Medence", 3},      {"Öntöző", 3},  {"Rádió", 6},
                                                       {"MedenceTabla", 3}, {"medence", 4}, {"OntozoKiBe", 8},
                                                       {"OntozoTable", 3},  {"ontozo", 5}};
        for (auto [id, controls] : screens)
            QTest::newRow(id) << QString::fromUtf8(id) << controls;
    }
    void everyControlHasANameAndAKey() {
        QFETCH(QString, identifier);
        QFETCH(int, controls);
        PageHarness h;
        poll(h, true);
        std::unique_ptr<Screen> page = h.navigation.instantiate(identifier);
        page->loadViewIfNeeded();
        SceneView scene(*page);
        QVERIFY(QTest::qWaitForWindowExposed(&scene.view));
        QVERIFY(QQuickTest::qWaitForPolish(&scene.view));
        int named = 0;
        QList<QQuickItem*> pending{scene.view.rootObject()};
        while (!pending.isEmpty()) {
            QQuickItem* item = pending.takeFirst();
            if (!item->isVisible())
                continue;
            pending.append(item->childItems());
            const QByteArray what = item->metaObject()->className();
            if (item->activeFocusOnTab()) {
                QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(item);
                QVERIFY2(spoken && !spoken->text(QAccessible::Name).trimmed().isEmpty(), what);
                ++named;
            } else if (item->inherits("QQuickMouseArea") && item->isEnabled()) {
                QQuickItem* up = item;
                while (up && !up->activeFocusOnTab())
                    up = up->parentItem();
                QVERIFY2(up, what + " under no control that takes the focus");
            }
        }
        QVERIFY2(named >= controls, qPrintable(QString::number(named)));
    }
};

QTEST_MAIN(FeedbackScenesTest)
#include "tst_feedbackscenes.moc"
