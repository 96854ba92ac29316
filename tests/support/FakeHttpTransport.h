#pragma once

#include "platform/HttpTransport.h"

#include <vector>

namespace otthon::testing {

// Records every GET and lets the test play the server: heads, chunks, finish, failure and timeout, to any
// request in any order. A request drops its handlers (and whatever they hold) once its last callback has run
// or it was cancelled; later deliveries to it do nothing, as with a real connection that is over. A request's
// ExchangeId is its number.
class FakeHttpTransport final : public HttpTransport {
public:
    ExchangeId get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) override;
    void cancel(ExchangeId exchange) override;

    int count() const { return int(requests_.size()); }
    QUrl url(int request) const { return requests_.at(std::size_t(request)).url; }
    double timeout(int request) const { return requests_.at(std::size_t(request)).timeoutSeconds; }
    // Has not yet had its finish or failure, nor been cancelled.
    bool isPending(int request) const { return !requests_.at(std::size_t(request)).over; }
    bool isCancelled(int request) const { return requests_.at(std::size_t(request)).cancelled; }
    int pendingCount() const;

    void respond(int request);
    void deliver(int request, const QByteArray& chunk);
    void finish(int request);
    void fail(int request, HttpFailure::Kind kind = HttpFailure::Refused);
    // What the real transport reports when no reply came in time.
    void timeOut(int request) { fail(request, HttpFailure::TimedOut); }
    // A whole reply: head, body in one chunk, finish.
    void reply(int request, const QByteArray& body);

private:
    struct Request {
        QUrl url;
        double timeoutSeconds;
        HttpHandlers handlers;
        bool over = false;
        bool cancelled = false;
    };
    Request& at(int request) { return requests_.at(std::size_t(request)); }
    void end(int request, bool finished, HttpFailure::Kind kind = HttpFailure::Other);

    std::vector<Request> requests_;
};

} // namespace otthon::testing
