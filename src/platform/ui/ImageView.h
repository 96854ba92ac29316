#pragma once

#include "platform/ui/ViewElement.h"

namespace otthon {

// A picture, by resource name.
class ImageView : public ViewElement {
    Q_OBJECT
    Q_PROPERTY(QString image READ image NOTIFY imageChanged)

public:
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("image"); }
    QJsonObject describe() const override;

    QString image() const { return image_; }
    void setImage(const QString& resourceName);

signals:
    void imageChanged();

private:
    QString image_;
};

} // namespace otthon
