#include "platform/ui/ViewElement.h"

#include "platform/ui/LongPress.h"

#include <QPointer>

#include <utility>

namespace otthon {

namespace {
// A page's handler, run from a recogniser, may destroy other recognisers of the same element: visit a guarded
// copy of the list.
QList<QPointer<LongPress>> guarded(const QList<LongPress*>& recognizers) {
    QList<QPointer<LongPress>> copy;
    for (LongPress* recognizer : recognizers)
        copy.append(recognizer);
    return copy;
}
} // namespace

ViewElement::ViewElement(QObject* parent) : QObject(parent) {}

ViewElement::~ViewElement() {
    // The recognisers are children and go after this destructor; they must not call back into it.
    for (LongPress* recognizer : std::exchange(recognizers_, {}))
        recognizer->view_ = nullptr;
}

QJsonObject ViewElement::describe() const {
    return {{"kind", kind()}, {"enabled", enabled_}, {"hidden", hidden_}, {"interactive", interactive_}};
}

template <class Apply> void ViewElement::changeGate(Apply apply) {
    const bool before = acceptsGestures();
    apply();
    if (acceptsGestures() != before)
        emit acceptsGesturesChanged();
}

void ViewElement::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    changeGate([&] {
        enabled_ = enabled;
        emit enabledChanged();
    });
}

void ViewElement::setHidden(bool hidden) {
    if (hidden_ == hidden)
        return;
    changeGate([&] {
        hidden_ = hidden;
        emit hiddenChanged();
    });
}

void ViewElement::setInteractive(bool interactive) {
    if (interactive_ == interactive)
        return;
    changeGate([&] {
        interactive_ = interactive;
        emit interactiveChanged();
    });
}

void ViewElement::setTag(int tag) {
    if (tag_ == tag)
        return;
    tag_ = tag;
    emit tagChanged();
}

void ViewElement::setRotation(double degrees) {
    if (rotation_ == degrees)
        return;
    rotation_ = degrees;
    emit rotationChanged();
}

void ViewElement::setBackgroundColor(const QColor& color) {
    if (backgroundColor_ == color)
        return;
    backgroundColor_ = color;
    emit backgroundColorChanged();
}

void ViewElement::setCornerRadius(double radius) {
    if (cornerRadius_ == radius)
        return;
    cornerRadius_ = radius;
    emit cornerRadiusChanged();
}

void ViewElement::touchDown(QPointF point) {
    for (const QPointer<LongPress>& recognizer : guarded(recognizers_))
        if (recognizer)
            recognizer->touchDown(point);
}

void ViewElement::touchMove(QPointF point) {
    for (const QPointer<LongPress>& recognizer : guarded(recognizers_))
        if (recognizer)
            recognizer->touchMove(point);
}

bool ViewElement::touchUp() {
    bool recognized = false;
    for (const QPointer<LongPress>& recognizer : guarded(recognizers_))
        if (recognizer)
            recognized = recognizer->touchUp() || recognized;
    return recognized;
}

void ViewElement::touchCancel() {
    for (const QPointer<LongPress>& recognizer : guarded(recognizers_))
        if (recognizer)
            recognizer->touchCancel();
}

void ViewElement::attach(LongPress* recognizer) {
    recognizers_.append(recognizer);
}

void ViewElement::detach(LongPress* recognizer) {
    recognizers_.removeAll(recognizer);
}

} // namespace otthon
