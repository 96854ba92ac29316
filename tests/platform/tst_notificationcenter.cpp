#include "platform/ui/NotificationCenter.h"

#include <QTest>

#include <memory>

using namespace otthon;

namespace {
const QString Refresh = QStringLiteral("MedenceTableRefresh");
const QString Other = QStringLiteral("OntozoTableRefresh");
} // namespace

class TestNotificationCenter : public QObject {
    Q_OBJECT

private slots:
    void deliversToObserversOfTheNameInOrder() {
        NotificationCenter center;
        QObject list;
        QObject summary;
        QObject sender;
        QStringList heard;
        center.addObserver(&list, Refresh, [&](const QString& name, QObject* from) {
            QCOMPARE(from, &sender);
            heard << "list " + name;
        });
        center.addObserver(&summary, Other,
                           [&](const QString& name, QObject*) { heard << "summary " + name; });
        center.addObserver(&summary, Refresh,
                           [&](const QString& name, QObject*) { heard << "summary " + name; });

        center.post(Refresh, &sender);
        QCOMPARE(heard, (QStringList{"list " + Refresh, "summary " + Refresh}));
        heard.clear();
        center.post("Ismeretlen", &sender);
        QVERIFY(heard.isEmpty());
    }

    void anObserverGoesWithItsOwner() {
        NotificationCenter center;
        int heard = 0;
        auto owner = std::make_unique<QObject>();
        center.addObserver(owner.get(), Refresh, [&](const QString&, QObject*) { ++heard; });
        owner.reset();
        QCOMPARE(center.observerCount(), 0);
        center.post(Refresh, nullptr);
        QCOMPARE(heard, 0);
    }

    void removeObserverByOwnerAndName() {
        NotificationCenter center;
        QObject owner;
        QStringList heard;
        center.addObserver(&owner, Refresh, [&](const QString& name, QObject*) { heard << name; });
        center.addObserver(&owner, Other, [&](const QString& name, QObject*) { heard << name; });
        // The list screen's way of registering: remove, then add again, so that it hears the name once.
        center.removeObserver(&owner, Refresh);
        center.addObserver(&owner, Refresh, [&](const QString& name, QObject*) { heard << name; });
        center.post(Refresh, nullptr);
        center.post(Other, nullptr);
        QCOMPARE(heard, (QStringList{Refresh, Other}));
        center.removeObserver(&owner);
        center.post(Refresh, nullptr);
        QCOMPARE(heard.size(), 2);
    }

    void removalDuringDeliveryIsSafe() {
        NotificationCenter center;
        QObject first;
        auto second = std::make_unique<QObject>();
        QObject third;
        QStringList heard;
        center.addObserver(&first, Refresh, [&](const QString&, QObject*) {
            heard << "first";
            center.removeObserver(&first); // itself
            second.reset();                // and a later one, by destroying its owner
        });
        center.addObserver(second.get(), Refresh, [&](const QString&, QObject*) { heard << "second"; });
        center.addObserver(&third, Refresh, [&](const QString&, QObject*) {
            heard << "third";
            center.addObserver(&third, Refresh, [&](const QString&, QObject*) { heard << "added"; });
        });

        center.post(Refresh, nullptr);
        QCOMPARE(heard, (QStringList{"first", "third"}));
        heard.clear();
        center.post(Refresh, nullptr);
        QCOMPARE(heard, (QStringList{"third", "added"}));
    }
};

QTEST_GUILESS_MAIN(TestNotificationCenter)
#include "tst_notificationcenter.moc"
