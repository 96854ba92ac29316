#pragma once

#include "platform/HttpTransport.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace otthon::testing {

// Records every GET and lets the test play the server: heads, chunks, finish and failure, to any request in
// any order. A request drops its handlers (and whatever they hold) once its last callback has run or it was
// cancelled; later deliveries to it do nothing, as with a real connection that is over. A request's
// ExchangeId is its number.
class FakeHttpTransport final : public HttpTransport {
public:
    ExchangeId get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) override {
        requests_.push_back(Request{url, timeoutSeconds, std::move(handlers)});
        return ExchangeId(requests_.size() - 1);
    }
    void cancel(ExchangeId exchange) override {
        if (exchange >= requests_.size() || requests_[exchange].over)
            return;
        requests_[exchange].cancelled = true;
        end(int(exchange));
    }

    int count() const { return int(requests_.size()); }
    QUrl url(int request) const { return requests_.at(std::size_t(request)).url; }
    double timeout(int request) const { return requests_.at(std::size_t(request)).timeout; }
    // Has not yet had its finish or failure, nor been cancelled.
    bool isPending(int request) const { return !requests_.at(std::size_t(request)).over; }
    bool isCancelled(int request) const { return requests_.at(std::size_t(request)).cancelled; }
    int pendingCount() const {
        return int(
            std::count_if(requests_.begin(), requests_.end(), [](const Request& r) { return !r.over; }));
    }

    // Each handler is called through a copy: it may start a new request, which can move the vector.
    void respond(int request) {
        if (auto handler = at(request).handlers.response)
            handler();
    }
    void deliver(int request, const QByteArray& chunk) {
        if (auto handler = at(request).handlers.data)
            handler(chunk);
    }
    void finish(int request) {
        if (const HttpHandlers last = end(request); last.finished)
            last.finished();
    }
    void fail(int request, HttpFailure::Kind kind = HttpFailure::Refused) {
        if (const HttpHandlers last = end(request); last.failed)
            last.failed({kind, QStringLiteral("failed by the test")});
    }
    // A whole reply: head, body in one chunk, finish.
    void reply(int request, const QByteArray& body) {
        respond(request);
        deliver(request, body);
        finish(request);
    }

private:
    struct Request {
        QUrl url;
        double timeout;
        HttpHandlers handlers;
        bool over = false;
        bool cancelled = false;
    };
    Request& at(int request) { return requests_.at(std::size_t(request)); }
    // Marks the request over and hands back its handlers: none once it was over already.
    HttpHandlers end(int request) {
        at(request).over = true;
        return std::exchange(at(request).handlers, HttpHandlers());
    }

    std::vector<Request> requests_;
};

} // namespace otthon::testing
