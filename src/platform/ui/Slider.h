#pragma once

#include "platform/ui/ViewElement.h"

namespace otthon {

// A slider of single-precision values, always kept within [minimum, maximum] (0 to 1 unless set). Changes
// made from code never raise valueChangedByUser(); a slide by the user does, when it moves the value.
class Slider : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(float value READ value NOTIFY valueChanged)
    Q_PROPERTY(float minimum READ minimum NOTIFY rangeChanged)
    Q_PROPERTY(float maximum READ maximum NOTIFY rangeChanged)

public:
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("slider"); }
    QJsonObject describe() const override;

    float value() const { return value_; }
    void setValue(float value);
    float minimum() const { return minimum_; }
    float maximum() const { return maximum_; }
    // Moves the value into the new range. A minimum above the maximum raises the maximum to it, and the other
    // way round.
    void setMinimum(float minimum);
    void setMaximum(float maximum);
    void setRange(float minimum, float maximum);

    // The user dragged the thumb to `value`; it is clamped into the range. Returns false when the gesture is
    // ignored (gate closed, or a value that is not a number).
    Q_INVOKABLE bool slide(double value);

signals:
    void valueChanged();
    void rangeChanged();
    void valueChangedByUser();

private:
    float clamped(float value) const;

    float value_ = 0;
    float minimum_ = 0;
    float maximum_ = 1;
};

} // namespace otthon
