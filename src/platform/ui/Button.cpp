#include "platform/ui/Button.h"

namespace otthon {

QJsonObject Button::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("image", image_);
    d.insert("text", title_);
    return d;
}

void Button::setImage(const QString& resourceName) {
    if (image_ == resourceName)
        return;
    image_ = resourceName;
    emit imageChanged();
}

void Button::setTitle(const QString& title) {
    if (title_ == title)
        return;
    title_ = title;
    emit titleChanged();
}

bool Button::tap() {
    if (!acceptsGestures())
        return false;
    emit tapped();
    return true;
}

} // namespace otthon
