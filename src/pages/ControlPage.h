#pragma once

#include "pages/PageContext.h"
#include "platform/Scheduler.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"

#include <QColor>
#include <QList>

namespace otthon {

class ViewElement;

// The blocks every control page is built from: the background, the display half (INIT whenever an exchange
// with the controller has ended, and on a 3 s refresh timer), the apply half (beallitas, SET,
// updateActivityIndicator: send, lock the controls for a 3 s hold) and the busy and connection indication. A
// page states only its own values and controls.
//
// A redraw during a hold shows the newest values and keeps the hold's lock. While a draft is on screen (the
// user adjusts a value without sending it), a page redraws everything but the controls of the draft.
class ControlPage : public otthon::Screen {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    Q_PROPERTY(otthon::ImageView* ConnectionImage READ connectionImage CONSTANT)

public:
    static constexpr double HoldInterval = 3.0;
    // Head labels sit on the platform's dark grey at 0.8 alpha.
    static QColor headBackground() { return QColor::fromRgbF(1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0, 0.8); }

    ControlPage(PageContext& context, const QString& restorationIdentifier, QObject* parent = nullptr);

    ImageView* connectionImage() const { return ConnectionImage; }
    ImageView* const ConnectionImage;

    // Redraws the page from the status model.
    virtual void INIT() = 0;
    // One redraw: INIT, and during a hold the controls stay locked.
    void rtimer();
    // Sends the page's command and starts the hold.
    virtual void beallitas();
    // Enables (or unlocks) the page's controls from its ready flag; a page whose controls also follow other
    // state gates them itself.
    virtual void SET();
    // End of the hold.
    virtual void updateActivityIndicator();

    TimerId holdTimer() const { return timer; }
    // A page the carousel lets go stops redrawing; hold timers still run out.
    void viewWillDisappear() override {
        refTimer.stop();
        redraws_ = false;
    }

protected:
    StatusModel& model() const { return context_.model(); }
    PageContext& context() const { return context_; }

    // Setup steps shared by the pages: the redraws (on every exchange's end and the refresh timer) and the
    // background. A page without them keeps only its ConnectionImage current.
    void startRefreshTimer();
    void drawBackground() { setBackground(Hatterkep); }
    // Head labels and similar decoration.
    void setSpinner(ActivityIndicator* spinner) { spinner_ = spinner; }
    ActivityIndicator* spinner() const { return spinner_; }
    // ConnectionImage hidden exactly when connected. While it shows, it tells when the last reply came and
    // the page's values are marked stale.
    void showConnection();
    // Labels that show values from the controller.
    virtual QList<Label*> valueLabels() const { return {}; }

    // What a page with the apply half tells the blocks.
    // Whether a redraw during the hold locks the controls again (the pool page's lets them be).
    virtual bool redrawKeepsHold() const { return true; }
    virtual bool* readyFlag() { return nullptr; }
    // Controls whose enabled state SET sets, in order; then those whose touch it locks instead.
    virtual QList<ViewElement*> gatedControls() const { return {}; }
    virtual QList<ViewElement*> touchLockedControls() const { return {}; }
    // Reads the controls and forms the command text; then writes the optimistic values into the model.
    virtual QString formCommand() { return {}; }
    virtual void writeOptimistic() {}

    // The hold: spinner on, ready flag down, controls locked, and a 3 s timer that ends it. The timer still
    // does its process-wide part (ready flag, the settling command, the poll) when the page is gone by then.
    void startHold();
    bool isHolding() const { return timer != 0; }
    // The radio page redraws at the end of its hold.
    virtual void afterHold() {}

    QString Hatterkep;
    TimerId timer = 0;

private:
    void startHoldTimer();
    void linkChanged();

    PageContext& context_;
    ActivityIndicator* spinner_ = nullptr;
    ScopedTimer refTimer;
    bool redraws_ = false;
};

} // namespace otthon
