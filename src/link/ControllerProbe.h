#pragma once

#include "platform/HttpTransport.h"
#include "platform/Scheduler.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace otthon {

// One status poll to an address that is not the link's own, to see whether a controller answers there. It
// touches nothing of the model. The result comes once, through the callback, never within start(); the same
// time and size bounds hold as for the link's own exchanges.
class ControllerProbe {
public:
    enum class Outcome { Works, Refused, HostNotFound, TimedOut, NotAController, Failed };
    struct Result {
        Outcome outcome = Outcome::Failed;
        QString detail; // in the HTTP client's own words, when it failed
    };

    ControllerProbe(HttpTransport& transport, Scheduler& scheduler)
        : transport_(transport), scheduler_(scheduler) {}
    ~ControllerProbe() { cancel(); }
    ControllerProbe(const ControllerProbe&) = delete;
    ControllerProbe& operator=(const ControllerProbe&) = delete;

    // Polls `baseUrl`; a probe under way is cancelled first and never reports.
    void start(const QString& baseUrl, std::function<void(const Result&)> done);
    void cancel();
    bool isRunning() const { return bool(done_); }

private:
    void finish(Result result);

    HttpTransport& transport_;
    Scheduler& scheduler_;
    std::function<void(const Result&)> done_;
    std::optional<ExchangeId> exchange_;
    ScopedTimer deadline_;
    QByteArray body_;
};

} // namespace otthon
