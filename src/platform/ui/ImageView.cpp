#include "platform/ui/ImageView.h"

namespace otthon {

QJsonObject ImageView::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("image", image_);
    return d;
}

void ImageView::setImage(const QString& resourceName) {
    if (image_ == resourceName)
        return;
    image_ = resourceName;
    emit imageChanged();
}

} // namespace otthon
