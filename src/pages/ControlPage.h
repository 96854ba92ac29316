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

// The blocks every control page is built from: the background, the display half (INIT on a 3 s refresh
// timer), the apply half (beallitas, SET, updateActivityIndicator: send, lock the controls for a 3 s hold)
// and the busy and connection indication. A page states only its own values and controls.
class ControlPage : public Screen {
    Q_OBJECT
    Q_PROPERTY(otthon::ImageView* ConnectionImage READ connectionImage CONSTANT)

public:
    static constexpr double HoldInterval = 3.0;
    static constexpr char NoConnectionImage[] = "nincs_kapcsolat.png";
    // Head labels sit on the platform's dark grey at 0.8 alpha.
    static QColor headBackground() { return QColor::fromRgbF(1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0, 0.8); }
    // The caption under the no-connection picture: when the last reply came ("Utolsó adat: 14:05").
    static QString lastReplyText(const QDateTime& lastReply, const QDateTime& now);

    // A page without the connection indication has no ConnectionImage (null).
    enum class Connection { Shown, NotShown };
    ControlPage(PageContext& context, const QString& restorationIdentifier, QObject* parent = nullptr,
                Connection connection = Connection::Shown);

    ImageView* connectionImage() const { return ConnectionImage; }
    ImageView* const ConnectionImage;

    // Redraws the page from the status model.
    virtual void INIT() = 0;
    // One refresh tick: INIT, unless the page waits while a command is settling.
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
    void viewWillDisappear() override { refTimer.stop(); }

protected:
    StatusModel& model() const { return context_.model(); }
    PageContext& context() const { return context_; }

    // Setup steps shared by the pages: the refresh timer and the background.
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
    virtual bool refreshWaitsForCommand() const { return true; }
    // The end of a hold clears CommandInFlight, unless the page leaves that to others.
    virtual bool holdEndClearsCommand() const { return true; }
    virtual bool* readyFlag() { return nullptr; }
    // Controls whose enabled state SET sets, in order; then those whose touch it locks instead.
    virtual QList<ViewElement*> gatedControls() const { return {}; }
    virtual QList<ViewElement*> touchLockedControls() const { return {}; }
    // Reads the controls and forms the command text; then writes the optimistic values into the model.
    virtual QString formCommand() { return {}; }
    virtual void writeOptimistic() {}

    // The hold: spinner on, ready flag down, controls locked, and a 3 s timer that ends it. The timer still
    // does its process-wide part (ready flag, CommandInFlight) when the page is gone by then.
    void startHold();
    // The radio page redraws at the end of its hold.
    virtual void afterHold() {}

    QString Hatterkep;
    TimerId timer = 0;

private:
    void startHoldTimer();

    PageContext& context_;
    ActivityIndicator* spinner_ = nullptr;
    ScopedTimer refTimer;
};

} // namespace otthon
