#include "platform/VirtualScheduler.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Navigation.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace otthon;

namespace {

// What the screens of this test share: the slot index that the list stores and the editor reads on load.
struct Shared {
    int slotIndex = -1;
    QStringList events;
};

class Editor : public Screen {
    Q_OBJECT
public:
    explicit Editor(Shared& shared) : Screen("MedenceBeallitas"), shared_(shared) {}
    void viewDidLoad() override {
        loadedWithIndex = shared_.slotIndex;
        shared_.events << "editor loaded";
    }
    void viewWillDisappear() override { shared_.events << "editor leaving"; }
    int loadedWithIndex = -1;

private:
    Shared& shared_;
};

struct Fixture {
    VirtualScheduler scheduler;
    Shared shared;
    Navigation navigation{scheduler};

    Fixture() {
        navigation.registerScreen("medence", [this] { return std::make_unique<Editor>(shared); });
    }
};

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void aTransitionRunsAfterTheHandlerHasReturned() {
        Fixture f;
        QSignalSpy stack(&f.navigation, &Navigation::stackChanged);
        // The list's row handler: transition first, then store the index the editor reads.
        QVERIFY(f.navigation.perform("medence"));
        f.shared.slotIndex = 2;
        QCOMPARE(f.navigation.depth(), 0);
        QVERIFY(f.shared.events.isEmpty());

        f.scheduler.runDue();
        QCOMPARE(f.navigation.depth(), 1);
        QCOMPARE(stack.count(), 1);
        auto* editor = qobject_cast<Editor*>(f.navigation.top());
        QVERIFY(editor);
        QCOMPARE(editor->loadedWithIndex, 2);
        QVERIFY(editor->isViewLoaded());
        QCOMPARE(editor->navigation(), &f.navigation);
    }

    void anUnknownTransitionDoesNothing() {
        Fixture f;
        QVERIFY(!f.navigation.perform("ontozo"));
        QCOMPARE(f.scheduler.activeTimers(), 0);
        QVERIFY(!f.navigation.instantiate("ontozo"));
    }

    void backPopsAndDeletesTheTopLater() {
        Fixture f;
        f.navigation.perform("medence");
        f.navigation.perform("medence");
        f.scheduler.runDue();
        QCOMPARE(f.navigation.depth(), 2);
        QPointer<Screen> top = f.navigation.top();

        f.navigation.back();
        QCOMPARE(f.navigation.top(), top.data());
        f.scheduler.runDue();
        QCOMPARE(f.navigation.depth(), 1);
        QVERIFY(top.isNull());
        QCOMPARE(f.shared.events, (QStringList{"editor loaded", "editor loaded", "editor leaving"}));

        f.navigation.back();
        f.navigation.back(); // finds the stack empty when its turn comes
        f.scheduler.runDue();
        QCOMPARE(f.navigation.depth(), 0);
        QVERIFY(!f.navigation.top());
    }

    void aPendingTransitionDiesWithTheNavigator() {
        VirtualScheduler scheduler;
        Shared shared;
        {
            Navigation navigation(scheduler);
            navigation.registerScreen("medence", [&shared] { return std::make_unique<Editor>(shared); });
            navigation.perform("medence");
        }
        scheduler.runDue();
        QVERIFY(shared.events.isEmpty());
    }

    void screenFilesItsOutletsInOrder() {
        Fixture f;
        Editor screen(f.shared);
        QCOMPARE(screen.className(), QString("Editor"));
        auto* kapu = screen.makeOutlet<Button>("Kapu1");
        auto* head = new Label;
        screen.addOutlet("KulsoHead", head);
        QCOMPARE(head->parent(), &screen);
        QCOMPARE(screen.outletNames(), (QStringList{"Kapu1", "KulsoHead"}));
        QCOMPARE(screen.element("Kapu1"), kapu);
        QCOMPARE(screen.outlet("KulsoHead"), head);
        QCOMPARE(screen.elementAs<Button>("KulsoHead"), nullptr);
        QVERIFY(!screen.element("Kapu2"));

        QPointer<Label> old = head;
        screen.addOutlet("KulsoHead", new Label);
        QVERIFY(old.isNull());
        QCOMPARE(screen.outletNames(), (QStringList{"Kapu1", "KulsoHead"}));
        const QJsonObject d = screen.describe();
        QCOMPARE(d.value("restorationIdentifier").toString(), QString("MedenceBeallitas"));
        QCOMPARE(d.value("outlets").toObject().value("Kapu1").toObject().value("kind").toString(),
                 QString("button"));
    }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
