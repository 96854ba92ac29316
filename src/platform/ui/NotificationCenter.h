#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <vector>

namespace otthon {

// Named notifications within the process. Observers register for a name and hear it from any sender; they are
// called synchronously by post(), in the order they registered. An observer belongs to an owner and goes away
// with it.
class NotificationCenter : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(const QString& name, QObject* sender)>;

    explicit NotificationCenter(QObject* parent = nullptr);

    // Registers `handler` for `name` on behalf of `owner` (not null). Registering twice delivers twice.
    void addObserver(QObject* owner, const QString& name, Handler handler);
    // Removes every observer of `owner`, or only those for `name`.
    void removeObserver(QObject* owner);
    void removeObserver(QObject* owner, const QString& name);

    // Delivers to every observer of `name` registered before the call and still registered when its turn
    // comes: an observer removed by an earlier one during the delivery is skipped, one added is not called
    // this time.
    void post(const QString& name, QObject* sender);

    int observerCount() const { return int(observers_.size()); }

private:
    struct Observer {
        quint64 id;
        QObject* owner;
        QString name;
        Handler handler;
    };
    template <class Match> void removeIf(Match match);
    void watch(QObject* owner);

    std::vector<Observer> observers_;
    std::map<QObject*, QMetaObject::Connection> owners_;
    quint64 nextId_ = 1;
};

} // namespace otthon
