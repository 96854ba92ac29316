#pragma once

#include "app/AppDelegate.h"
#include "app/RecordingTransport.h"
#include "app/RootViewController.h"
#include "pages/AppState.h"
#include "pages/PageContext.h"
#include "platform/QtHttpTransport.h"
#include "platform/QtScheduler.h"
#include "platform/ui/AlertCenter.h"
#include "platform/ui/Navigation.h"
#include "platform/ui/NotificationCenter.h"

#include <QQmlApplicationEngine>

class QQuickWindow;

namespace otthon {

class ArtImageProvider;

// The running app: the process-wide state, the platform services, the root screen and the window. One per
// process; main makes it, and so do the tests that run the whole app.
class Application {
public:
    explicit Application(const QString& baseUrl);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the start-up sequence and opens the window; false when the QML scene did not load.
    bool start();

    AppState& state() { return state_; }
    RootViewController& root() { return root_; }
    AlertCenter& alerts() { return alerts_; }
    Navigation& navigation() { return navigation_; }
    Scheduler& scheduler() { return scheduler_; }
    const QStringList& sent() const { return transport_.sent(); }
    QQuickWindow* window() const;
    // The screen on top: a pushed sub-screen, or else the carousel's current page.
    Screen* topScreen();

private:
    QtScheduler scheduler_;
    QtHttpTransport http_;
    RecordingTransport transport_;
    AlertCenter alerts_;
    NotificationCenter notifications_;
    Navigation navigation_;
    AppState state_;
    PageContext context_;
    AppDelegate delegate_;
    RootViewController root_;
    QQmlApplicationEngine engine_;
    ArtImageProvider* art_ = nullptr; // owned by the engine
};

} // namespace otthon
