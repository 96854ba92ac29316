#include "platform/ui/ActivityIndicator.h"

namespace otthon {

QJsonObject ActivityIndicator::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("animating", animating_);
    return d;
}

void ActivityIndicator::setAnimating(bool animating) {
    if (animating_ == animating)
        return;
    animating_ = animating;
    emit animatingChanged();
}

} // namespace otthon
