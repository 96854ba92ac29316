#include "platform/ui/AlertCenter.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace otthon {

AlertCenter::AlertCenter(QObject* parent) : QObject(parent) {}

AlertId AlertCenter::show(AlertSpec alert) {
    const AlertId id = nextId_++;
    alerts_.push_back({id, std::move(alert)});
    emit changed();
    return id;
}

void AlertCenter::dismiss(AlertId id, int) {
    auto it = std::find_if(alerts_.begin(), alerts_.end(), [id](const Open& open) { return open.id == id; });
    if (it == alerts_.end())
        return;
    alerts_.erase(it);
    emit changed();
}

bool AlertCenter::press(int buttonIndex) {
    const AlertSpec* content = top();
    if (!content || buttonIndex < 0 || buttonIndex >= content->buttons.size())
        return false;
    std::function<void(int)> handler = std::move(alerts_.back().content.onButton);
    alerts_.pop_back();
    emit changed();
    if (handler)
        handler(buttonIndex);
    return true;
}

AlertId AlertCenter::topId() const {
    return alerts_.empty() ? 0 : alerts_.back().id;
}

QString AlertCenter::title() const {
    return top() ? top()->title : QString();
}

QString AlertCenter::message() const {
    return top() ? top()->message : QString();
}

QStringList AlertCenter::buttons() const {
    return top() ? top()->buttons : QStringList();
}

QJsonValue AlertCenter::describeTop() const {
    const AlertSpec* content = top();
    if (!content)
        return QJsonValue::Null;
    return QJsonObject{{"title", content->title},
                       {"message", content->message},
                       {"buttons", QJsonArray::fromStringList(content->buttons)}};
}

} // namespace otthon
