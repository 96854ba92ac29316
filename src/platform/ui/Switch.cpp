#include "platform/ui/Switch.h"

namespace otthon {

QJsonObject Switch::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("on", on_);
    return d;
}

void Switch::setOn(bool on) {
    if (on_ == on)
        return;
    on_ = on;
    emit onChanged();
}

bool Switch::toggle(bool on) {
    if (!acceptsGestures())
        return false;
    if (on_ != on) {
        setOn(on);
        emit toggledByUser();
    }
    return true;
}

} // namespace otthon
