#include "platform/ui/ImageView.h"

namespace otthon {

QJsonObject ImageView::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("image", image_);
    if (!caption_.isEmpty())
        d.insert("caption", caption_);
    return d;
}

void ImageView::setImage(const QString& resourceName) {
    if (image_ == resourceName)
        return;
    image_ = resourceName;
    emit imageChanged();
}

void ImageView::setCaption(const QString& caption) {
    if (caption_ == caption)
        return;
    caption_ = caption;
    emit captionChanged();
}

} // namespace otthon
