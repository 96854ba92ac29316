#include "platform/ui/Slider.h"

#include <algorithm>
#include <cmath>

namespace otthon {

QJsonObject Slider::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("value", double(value_));
    d.insert("min", double(minimum_));
    d.insert("max", double(maximum_));
    return d;
}

float Slider::clamped(float value) const {
    return std::clamp(value, minimum_, maximum_);
}

void Slider::setValue(float value) {
    if (std::isnan(value))
        return;
    value = clamped(value);
    if (value_ == value)
        return;
    value_ = value;
    emit valueChanged();
}

void Slider::setMinimum(float minimum) {
    setRange(minimum, std::max(minimum, maximum_));
}

void Slider::setMaximum(float maximum) {
    setRange(std::min(minimum_, maximum), maximum);
}

void Slider::setRange(float minimum, float maximum) {
    if (std::isnan(minimum) || std::isnan(maximum))
        return;
    maximum = std::max(minimum, maximum);
    if (minimum_ != minimum || maximum_ != maximum) {
        minimum_ = minimum;
        maximum_ = maximum;
        emit rangeChanged();
    }
    setValue(value_);
}

bool Slider::slide(double value) {
    if (!acceptsGestures() || std::isnan(value))
        return false;
    const float before = value_;
    setValue(float(std::clamp(value, double(minimum_), double(maximum_))));
    if (value_ != before)
        emit valueChangedByUser();
    return true;
}

} // namespace otthon
