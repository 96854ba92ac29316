#pragma once

#include "platform/ui/ViewElement.h"

namespace otthon {

// A picture, by resource name, with an optional one-line caption under it.
class ImageView : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(QString image READ image NOTIFY imageChanged)
    Q_PROPERTY(QString caption READ caption NOTIFY captionChanged)

public:
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("image"); }
    QJsonObject describe() const override;

    QString image() const { return image_; }
    void setImage(const QString& resourceName);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

signals:
    void imageChanged();
    void captionChanged();

private:
    QString image_;
    QString caption_;
};

} // namespace otthon
