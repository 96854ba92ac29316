#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

namespace otthon {

// Why an exchange ended without a usable reply.
struct HttpFailure {
    enum Kind { Refused, HostNotFound, TimedOut, Other };
    Kind kind = Other;
    QString detail; // in the HTTP client's own words, for the log
};

// What one GET exchange reports, in order: zero or more response heads and data chunks, then exactly one of
// finished or failed. The transport drops the handlers after that last call, so whatever they capture lives
// exactly as long as the exchange.
struct HttpHandlers {
    std::function<void()> response;              // a response head arrived (status and headers not examined)
    std::function<void(const QByteArray&)> data; // a chunk of the body
    std::function<void()> finished;              // the body is complete (also for an HTTP error status)
    std::function<void(const HttpFailure&)>
        failed; // no usable reply: unreachable, refused, broken, timed out
};

// Names one exchange of a transport, for cancel().
using ExchangeId = quint64;

// The HTTP client port. The real one runs over QNetworkAccessManager; tests use a fake that records requests
// and lets them deliver heads, data, finish, failure and timeout in any order.
class HttpTransport {
public:
    virtual ~HttpTransport() = default;
    // Starts a GET of `url` that is never answered from a local cache; it fails when nothing arrives for
    // `timeoutSeconds`. Handlers are called on the main thread, never from within get() itself.
    virtual ExchangeId get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) = 0;
    // Ends an exchange at once: its connection is let go, and its handlers are dropped without another call.
    // Harmless for an exchange that is over.
    virtual void cancel(ExchangeId exchange) = 0;
};

} // namespace otthon
