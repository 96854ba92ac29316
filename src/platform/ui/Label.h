#pragma once

#include "platform/ui/ViewElement.h"

namespace otthon {

// A text. A disabled label draws its text greyed.
class Label : public ViewElement {
    Q_OBJECT
    Q_PROPERTY(QString text READ text NOTIFY textChanged)

public:
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("label"); }
    QJsonObject describe() const override;

    QString text() const { return text_; }
    void setText(const QString& text);

signals:
    void textChanged();

private:
    QString text_;
};

} // namespace otthon
