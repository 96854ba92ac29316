#pragma once

#include "platform/ui/ViewElement.h"

namespace otthon {

// A text. A disabled label draws its text greyed; a stale one (a value the controller has not confirmed
// lately) dimmed.
class Label : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(bool stale READ isStale NOTIFY staleChanged)

public:
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("label"); }
    QJsonObject describe() const override;

    QString text() const { return text_; }
    void setText(const QString& text);
    bool isStale() const { return stale_; }
    void setStale(bool stale);

signals:
    void textChanged();
    void staleChanged();

private:
    QString text_;
    bool stale_ = false;
};

} // namespace otthon
