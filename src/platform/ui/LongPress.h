#pragma once

#include "platform/Scheduler.h"

#include <QObject>
#include <QPointF>
#include <QtQml/qqmlregistration.h>

namespace otthon {

class ViewElement;

// A long-press gesture recogniser attached to one view element, which owns it. The finger must stay down for
// minimumDuration seconds without moving farther than allowableMovement points from where it went down; the
// gesture then begins, and ends when the finger lifts. A press that moves too far or lifts too early fails.
//
// States reported through stateChanged(): Began, Changed (the finger moved after Began), Ended, Cancelled and
// Failed. A finished gesture (Ended, Cancelled, Failed) keeps its state until the next touchDown(); touches
// of a press that has failed are ignored until the finger lifts.
//
// The view must accept gestures when the finger goes down. If it stops accepting them while the finger is
// down (disabled, hidden, interaction off), the gesture stops at once: Failed before Began, Cancelled after.
class LongPress : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A long press belongs to its view element")
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    // A finger is down on a press that has not failed: what a view shows as the hold filling up.
    Q_PROPERTY(bool holding READ isHolding NOTIFY holdingChanged)
    // Set before the view shows.
    Q_PROPERTY(double minimumDuration READ minimumDuration CONSTANT)

public:
    enum State { Possible, Began, Changed, Ended, Cancelled, Failed };
    Q_ENUM(State)

    LongPress(ViewElement& view, Scheduler& scheduler);
    ~LongPress() override;

    // The element the recogniser is attached to; null only while that element is being destroyed.
    ViewElement* view() const { return view_; }
    State state() const { return state_; }
    bool isHolding() const { return fingerDown_ && state_ != Failed; }
    // Seconds; 0.5 unless set.
    double minimumDuration() const { return minimumDuration_; }
    void setMinimumDuration(double seconds) { minimumDuration_ = seconds; }
    // Points; 10 unless set.
    double allowableMovement() const { return allowableMovement_; }
    void setAllowableMovement(double points) { allowableMovement_ = points; }

    // Touches, in the view's coordinates. touchDown() returns false when the press is ignored (the view does
    // not accept gestures, or a finger is already down); touchUp() returns true when it ends a recognised
    // press.
    Q_INVOKABLE bool touchDown(QPointF point);
    Q_INVOKABLE void touchMove(QPointF point);
    Q_INVOKABLE bool touchUp();
    Q_INVOKABLE void touchCancel();

signals:
    void stateChanged(otthon::LongPress::State state);
    void holdingChanged();

private:
    friend class ViewElement;
    void recognize();
    void finish(State state);
    void viewGateChanged();

    ViewElement* view_;
    Scheduler& scheduler_;
    double minimumDuration_ = 0.5;
    double allowableMovement_ = 10;
    State state_ = Possible;
    bool fingerDown_ = false;
    QPointF start_;
    ScopedTimer timer_;
};

} // namespace otthon
