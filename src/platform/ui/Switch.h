#pragma once

#include "platform/ui/ViewElement.h"

namespace otthon {

// An on/off switch. Setting it from code never raises toggledByUser().
class Switch : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(bool on READ isOn NOTIFY onChanged)

public:
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("switch"); }
    QJsonObject describe() const override;

    bool isOn() const { return on_; }
    void setOn(bool on);

    // The user flipped the switch to `on`. Raises toggledByUser() when the position changes.
    Q_INVOKABLE bool toggle(bool on);

signals:
    void onChanged();
    void toggledByUser();

private:
    bool on_ = false;
};

} // namespace otthon
