#pragma once

#include "platform/HttpTransport.h"

#include <map>
#include <memory>

namespace otthon {

// An HTTP transport for one part of the app that passes every exchange on to the real one and keeps the
// handlers of those still under way. end() (and destruction) cancels them all and lets their handlers go at
// once: nothing begun through the scope reports after it, even a report the real transport had queued
// already. An exchange begun after it is never sent and never reports (its id is 0).
class TransportScope final : public HttpTransport {
public:
    explicit TransportScope(HttpTransport& inner) : inner_(inner) {}
    ~TransportScope() override { end(); }
    TransportScope(const TransportScope&) = delete;
    TransportScope& operator=(const TransportScope&) = delete;

    ExchangeId get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) override;
    void cancel(ExchangeId exchange) override;

    void end();

private:
    HttpTransport& inner_;
    // The only strong references to the handlers: the real transport's copies reach them through weak ones.
    std::map<ExchangeId, std::shared_ptr<HttpHandlers>> pending_;
    bool ended_ = false;
};

} // namespace otthon
