#include "platform/VirtualScheduler.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Navigation.h"

#include <QPointer>
#include <QTest>

using namespace otthon;

namespace {

// The slot index that the list stores and the editor reads on load, and what the editors went through.
struct Shared {
    int slotIndex = -1;
    QStringList events;
};

class Editor : public Screen {
    Q_OBJECT
public:
    explicit Editor(Shared& shared) : Screen("MedenceBeallitas"), shared_(shared) {}
    void viewDidLoad() override { shared_.events << QString("loaded %1").arg(shared_.slotIndex); }
    void viewWillDisappear() override { shared_.events << "leaving"; }

private:
    Shared& shared_;
};

void registerEditor(Navigation& navigation, Shared& shared) {
    navigation.registerScreen("medence", [&shared] { return std::make_unique<Editor>(shared); });
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

    VirtualScheduler scheduler;
    Shared shared;

private slots:
    void init() { shared = {}; }

    void backPopsAndDeletesTheTopLater() {
        Navigation navigation(scheduler);
        registerEditor(navigation, shared);
        navigation.perform("medence");
        navigation.perform("medence");
        scheduler.runDue();
        QPointer<Screen> top = navigation.top();
        navigation.back();
        QCOMPARE(navigation.top(), top.data());
        scheduler.runDue();
        QCOMPARE(navigation.depth(), 1);
        QVERIFY(top.isNull());
        QCOMPARE(shared.events, (QStringList{"loaded -1", "loaded -1", "leaving"}));

        navigation.back();
        navigation.back(); // finds the stack empty when its turn comes
        scheduler.runDue();
        QVERIFY(!navigation.top());
    }

    void aPendingTransitionDiesWithTheNavigator() {
        {
            Navigation navigation(scheduler);
            registerEditor(navigation, shared);
            navigation.perform("medence");
        }
        scheduler.runDue();
        QVERIFY(shared.events.isEmpty());
    }

    void screenFilesItsOutlets() {
        Editor screen(shared);
        screen.makeOutlet<Button>("Kapu1");
        QPointer<Label> head = new Label;
        screen.addOutlet("KulsoHead", head);
        QCOMPARE(head->parent(), &screen);
        QCOMPARE(screen.elementAs<Button>("KulsoHead"), nullptr);
        screen.addOutlet("KulsoHead", new Label); // the one filed before goes
        QVERIFY(head.isNull());
        QCOMPARE(screen.outletNames(), (QStringList{"Kapu1", "KulsoHead"}));
    }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
