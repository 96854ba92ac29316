#include "platform/VirtualScheduler.h"
#include "platform/ui/AlertCenter.h"
#include "platform/ui/Navigation.h"
#include "platform/ui/NotificationCenter.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace otthon;

namespace {
// Writes down what it goes through.
class Editor : public Screen {
    Q_OBJECT
public:
    explicit Editor(QStringList& events) : Screen("MedenceBeallitas"), events_(events) {}
    void viewDidLoad() override { events_ << "loaded"; }
    void viewWillDisappear() override { events_ << "leaving"; }

private:
    QStringList& events_;
};

AlertSpec confirmation(const QString& message, std::function<void(int)> onButton) {
    return {"Figyelem!", message, {"Mégsem", "Rendben"}, std::move(onButton)};
}
} // namespace

// What screens get from their context: navigation between them, alerts, and notifications.
class TestScreenServices : public QObject {
    Q_OBJECT

private slots:
    // Push and back happen after the current handler; a screen that leaves is told, then deleted.
    void navigationActsLaterAndNotOnceItIsGone() {
        VirtualScheduler scheduler;
        QStringList events;
        {
            Navigation navigation(scheduler);
            navigation.registerScreen("medence", [&events] { return std::make_unique<Editor>(events); });
            navigation.perform("medence");
            navigation.perform("medence");
            scheduler.runDue();
            QPointer<Screen> top = navigation.top();
            navigation.back();
            QCOMPARE(navigation.top(), top.data());
            scheduler.runDue();
            QCOMPARE(navigation.depth(), 1);
            QVERIFY(top.isNull());
            navigation.back();
            navigation.back(); // finds the stack empty when its turn comes
            scheduler.runDue();
            QVERIFY(!navigation.top());
            navigation.perform("medence"); // still pending when the navigator goes
        }
        scheduler.runDue();
        QCOMPARE(events, (QStringList{"loaded", "loaded", "leaving", "leaving"}));
    }

    // A press needs an open alert and one of its buttons; it closes the top alert, then calls its handler.
    void alertsQueueAndPress() {
        AlertCenter alerts;
        QVERIFY(!alerts.press(0));
        QList<int> first;
        QList<int> second; // the button, then how many alerts were open during the handler
        const AlertId a = alerts.show(confirmation("első", [&](int index) { first << index; }));
        alerts.show(confirmation("második", [&](int index) { second << index << alerts.count(); }));
        QVERIFY(!alerts.press(2));
        QVERIFY(!alerts.press(-1));
        QSignalSpy changed(&alerts, &AlertCenter::changed);
        QVERIFY(alerts.press(1));
        QCOMPARE(second, (QList<int>{1, 1}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(alerts.topId(), a);

        // Dismissing one below the top leaves the top in place, and runs no handler.
        const AlertId c = alerts.show({"Sikertelen Nappali beállitas!", {}, {}, {}});
        QVERIFY(!alerts.press(0)); // the top alert has no buttons
        alerts.dismiss(a, 0);
        QCOMPARE(alerts.count(), 1);
        QCOMPARE(alerts.topId(), c);
        QVERIFY(first.isEmpty());
        alerts.dismiss(a, 0); // already gone
        alerts.dismiss(0, 0);
        QCOMPARE(changed.count(), 3);
    }

    void deliversToObserversOfTheNameInOrderUntilRemoved() {
        const QString refresh = QStringLiteral("MedenceTableRefresh");
        const QString other = QStringLiteral("OntozoTableRefresh");
        NotificationCenter center;
        QStringList heard; // "who name"
        const auto listen = [&](QObject* owner, const QString& name, const QString& who) {
            center.addObserver(owner, name,
                               [&heard, who](const QString& n, QObject*) { heard << who + ' ' + n; });
        };
        QObject list;
        auto summary = std::make_unique<QObject>();
        listen(&list, refresh, "list");
        listen(summary.get(), other, "summary");
        listen(summary.get(), refresh, "summary");
        center.post(refresh, nullptr);
        center.post("Ismeretlen", nullptr);
        QCOMPARE(heard, (QStringList{"list " + refresh, "summary " + refresh}));

        // The list screen's way of registering: remove, then add again, so that it hears the name once.
        heard.clear();
        center.removeObserver(&list, refresh);
        listen(&list, refresh, "list");
        center.removeObserver(summary.get(), refresh);
        center.post(refresh, nullptr);
        center.post(other, nullptr);
        QCOMPARE(heard, (QStringList{"list " + refresh, "summary " + other}));
        summary.reset(); // an owner takes its observers along
        QCOMPARE(center.observerCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestScreenServices)
#include "tst_screenservices.moc"
