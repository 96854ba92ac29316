#include "platform/ui/NotificationCenter.h"

#include <algorithm>

namespace otthon {

NotificationCenter::NotificationCenter(QObject* parent) : QObject(parent) {}

void NotificationCenter::addObserver(QObject* owner, const QString& name, Handler handler) {
    if (!owner || !handler)
        return;
    watch(owner);
    observers_.push_back({nextId_++, owner, name, std::move(handler)});
}

void NotificationCenter::watch(QObject* owner) {
    if (owners_.count(owner))
        return;
    owners_[owner] = connect(owner, &QObject::destroyed, this, [this, owner] { removeObserver(owner); });
}

template <class Match> void NotificationCenter::removeIf(Match match) {
    std::erase_if(observers_, match);
    for (auto it = owners_.begin(); it != owners_.end();) {
        QObject* owner = it->first;
        const bool observes = std::any_of(observers_.begin(), observers_.end(),
                                          [owner](const Observer& o) { return o.owner == owner; });
        if (observes) {
            ++it;
        } else {
            disconnect(it->second);
            it = owners_.erase(it);
        }
    }
}

void NotificationCenter::removeObserver(QObject* owner) {
    removeIf([owner](const Observer& o) { return o.owner == owner; });
}

void NotificationCenter::removeObserver(QObject* owner, const QString& name) {
    removeIf([owner, name](const Observer& o) { return o.owner == owner && o.name == name; });
}

void NotificationCenter::post(const QString& name, QObject* sender) {
    std::vector<quint64> due;
    for (const Observer& o : observers_)
        if (o.name == name)
            due.push_back(o.id);
    for (quint64 id : due) {
        auto it = std::find_if(observers_.begin(), observers_.end(),
                               [id](const Observer& o) { return o.id == id; });
        if (it == observers_.end())
            continue;
        // The handler may remove its own observer: keep a copy alive for the call.
        Handler handler = it->handler;
        handler(name, sender);
    }
}

} // namespace otthon
