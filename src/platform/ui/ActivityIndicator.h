#pragma once

#include "platform/ui/ViewElement.h"

namespace otthon {

// A spinner. It shows only while animating.
class ActivityIndicator : public otthon::ViewElement {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("View elements are made by their screen")
    Q_PROPERTY(bool animating READ isAnimating NOTIFY animatingChanged)

public:
    using ViewElement::ViewElement;

    QString kind() const override { return QStringLiteral("spinner"); }
    QJsonObject describe() const override;

    bool isAnimating() const { return animating_; }
    void startAnimating() { setAnimating(true); }
    void stopAnimating() { setAnimating(false); }

signals:
    void animatingChanged();

private:
    void setAnimating(bool animating);

    bool animating_ = false;
};

} // namespace otthon
