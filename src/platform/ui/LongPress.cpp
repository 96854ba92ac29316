#include "platform/ui/LongPress.h"

#include "platform/ui/ViewElement.h"

#include <QLineF>

namespace otthon {

LongPress::LongPress(ViewElement& view, Scheduler& scheduler)
    : QObject(&view), view_(&view), scheduler_(scheduler) {
    view.attach(this);
    connect(&view, &ViewElement::acceptsGesturesChanged, this, &LongPress::viewGateChanged);
}

LongPress::~LongPress() {
    if (view_)
        view_->detach(this);
}

bool LongPress::touchDown(QPointF point) {
    if (fingerDown_ || !view_ || !view_->acceptsGestures())
        return false;
    fingerDown_ = true;
    start_ = point;
    state_ = Possible;
    timer_ = ScopedTimer(scheduler_, scheduler_.after(minimumDuration_, [this] { recognize(); }));
    emit holdingChanged();
    return true;
}

void LongPress::recognize() {
    timer_ = ScopedTimer();
    state_ = Began;
    emit stateChanged(state_);
}

void LongPress::touchMove(QPointF point) {
    if (!fingerDown_)
        return;
    if (state_ == Possible) {
        if (QLineF(start_, point).length() > allowableMovement_)
            finish(Failed);
    } else if (state_ == Began || state_ == Changed) {
        state_ = Changed;
        emit stateChanged(state_);
    }
}

bool LongPress::touchUp() {
    if (!fingerDown_)
        return false;
    fingerDown_ = false;
    if (state_ == Possible) {
        finish(Failed);
        return false;
    }
    if (state_ == Began || state_ == Changed) {
        finish(Ended);
        return true;
    }
    return false;
}

void LongPress::touchCancel() {
    if (!fingerDown_)
        return;
    fingerDown_ = false;
    if (state_ == Possible)
        finish(Failed);
    else if (state_ == Began || state_ == Changed)
        finish(Cancelled);
}

void LongPress::viewGateChanged() {
    if (fingerDown_ && view_ && !view_->acceptsGestures())
        touchCancel();
}

void LongPress::finish(State state) {
    timer_ = ScopedTimer();
    state_ = state;
    emit holdingChanged();
    emit stateChanged(state_);
}

} // namespace otthon
