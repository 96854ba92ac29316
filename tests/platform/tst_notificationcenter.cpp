#include "platform/ui/NotificationCenter.h"

#include <QTest>

#include <memory>

using namespace otthon;

namespace {
const QString Refresh = QStringLiteral("MedenceTableRefresh");
const QString Other = QStringLiteral("OntozoTableRefresh");

// A notification centre that writes down who heard which name ("who name"), and the last sender.
struct Listeners {
    NotificationCenter center;
    QStringList heard;
    QObject* lastSender = nullptr;

    void listen(QObject* owner, const QString& name, const QString& who) {
        center.addObserver(owner, name, [this, who](const QString& n, QObject* sender) {
            heard << who + ' ' + n;
            lastSender = sender;
        });
    }
};
} // namespace

class TestNotificationCenter : public QObject {
    Q_OBJECT

private slots:
    void deliversToObserversOfTheNameInOrderUntilRemoved() {
        Listeners l;
        QObject list;
        QObject summary;
        l.listen(&list, Refresh, "list");
        l.listen(&summary, Other, "summary");
        l.listen(&summary, Refresh, "summary");
        l.center.post(Refresh, this);
        l.center.post("Ismeretlen", nullptr);
        QCOMPARE(l.heard, (QStringList{"list " + Refresh, "summary " + Refresh}));
        QCOMPARE(l.lastSender, this);

        // The list screen's way of registering: remove, then add again, so that it hears the name once.
        l.heard.clear();
        l.center.removeObserver(&list, Refresh);
        l.listen(&list, Refresh, "list");
        l.center.removeObserver(&summary, Refresh);
        l.center.post(Refresh, nullptr);
        l.center.post(Other, nullptr);
        QCOMPARE(l.heard, (QStringList{"list " + Refresh, "summary " + Other}));
        l.center.removeObserver(&summary);
        l.center.post(Other, nullptr);
        QCOMPARE(l.heard.size(), 2);
    }

    void removalDuringDeliveryIsSafe() {
        Listeners l;
        QObject first;
        auto second = std::make_unique<QObject>();
        QObject third;
        l.center.addObserver(&first, Refresh, [&](const QString&, QObject*) {
            l.heard << "first";
            l.center.removeObserver(&first); // itself
            second.reset();                  // and a later one, by destroying its owner
        });
        l.listen(second.get(), Refresh, "second");
        l.center.addObserver(&third, Refresh, [&](const QString&, QObject*) {
            l.heard << "third";
            l.listen(&third, Refresh, "added");
        });
        l.center.post(Refresh, nullptr);
        QCOMPARE(l.heard, (QStringList{"first", "third"}));
        QCOMPARE(l.center.observerCount(), 2); // the removed ones leave nothing behind
        l.heard.clear();
        l.center.post(Refresh, nullptr);
        QCOMPARE(l.heard, (QStringList{"third", "added " + Refresh}));
    }
};

QTEST_GUILESS_MAIN(TestNotificationCenter)
#include "tst_notificationcenter.moc"
