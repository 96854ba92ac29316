#pragma once

#include "platform/ui/ViewElement.h"

namespace otthon {

// A push button showing an image (a resource name, for the normal state) and/or a title.
class Button : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(QString image READ image NOTIFY imageChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)

public:
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("button"); }
    QJsonObject describe() const override;

    QString image() const { return image_; }
    void setImage(const QString& resourceName);
    QString title() const { return title_; }
    void setTitle(const QString& title);

    // The user tapped the button (touched down and lifted inside it).
    Q_INVOKABLE bool tap();

signals:
    void imageChanged();
    void titleChanged();
    void tapped();

private:
    QString image_;
    QString title_;
};

} // namespace otthon
