#pragma once

#include "app/AppDelegate.h"
#include "app/ControllerSettings.h"
#include "app/LinkSession.h"
#include "platform/QtHttpTransport.h"
#include "platform/QtScheduler.h"
#include "platform/ui/AlertCenter.h"

#include <QQmlApplicationEngine>

#include <memory>

class QQuickWindow;

namespace otthon {

class ArtImageProvider;

// The running app: the platform services, the link session on the controller's address, the window, and the
// controller's address settings. One per process; main makes it, and so do the tests that run the whole app.
class Application {
public:
    struct Options {
        // The link's controller is the built-in substitute one.
        bool demo = false;
        // Open the address settings at once: no address is saved and none was given.
        bool askForAddress = false;
        // Where the address is kept (an INI file); the user's own settings when empty.
        QString settingsFile;
        // Keep a record of the last requests for the automation protocol's "sent".
        bool recordRequests = false;
    };

    explicit Application(const QString& baseUrl) : Application(baseUrl, Options{}) {}
    Application(const QString& baseUrl, Options options);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the start-up sequence and opens the window; false when the QML scene did not load.
    bool start();
    // Ends the link session and starts a new one on `baseUrl`, pages and all. The window shows the new one at
    // once; nothing of the old one runs any more.
    void restartLink(const QString& baseUrl);

    AppState& state() { return session_->state(); }
    RootViewController& root() { return session_->root(); }
    AlertCenter& alerts() { return alerts_; }
    Navigation& navigation() { return session_->navigation(); }
    Scheduler& scheduler() { return scheduler_; }
    QStringList sent() const { return session_->sent(); }
    // The link runs on the built-in substitute controller.
    bool isDemo() const { return settingsSheet_.isDemo(); }
    QQuickWindow* window() const;
    // The screen on top: a pushed sub-screen, or else the carousel's current page.
    Screen* topScreen();

private:
    QtScheduler scheduler_;
    QtHttpTransport http_;
    // Tries of an address have a client of their own: the link's bound on exchanges under way, which a dead
    // controller fills, must not cut them short.
    QtHttpTransport probeHttp_;
    AlertCenter alerts_;
    AppDelegate delegate_;
    ControllerSettings settingsSheet_;
    std::unique_ptr<LinkSession> session_;
    const Options options_;
    QQmlApplicationEngine engine_;
    ArtImageProvider* art_ = nullptr; // owned by the engine
};

} // namespace otthon
