#include "support/FakeHttpTransport.h"

#include <algorithm>
#include <utility>

namespace otthon::testing {

ExchangeId FakeHttpTransport::get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) {
    requests_.push_back(Request{url, timeoutSeconds, std::move(handlers)});
    return ExchangeId(requests_.size() - 1);
}

void FakeHttpTransport::cancel(ExchangeId exchange) {
    if (exchange >= requests_.size() || requests_[exchange].over)
        return;
    Request& r = requests_[exchange];
    r.over = true;
    r.cancelled = true;
    r.handlers = HttpHandlers();
}

int FakeHttpTransport::pendingCount() const {
    return int(std::count_if(requests_.begin(), requests_.end(), [](const Request& r) { return !r.over; }));
}

void FakeHttpTransport::respond(int request) {
    // Copy the handler: it may start a new request, which can move the vector.
    if (auto handler = at(request).handlers.response)
        handler();
}

void FakeHttpTransport::deliver(int request, const QByteArray& chunk) {
    if (auto handler = at(request).handlers.data)
        handler(chunk);
}

void FakeHttpTransport::finish(int request) {
    end(request, true);
}

void FakeHttpTransport::fail(int request, HttpFailure::Kind kind) {
    end(request, false, kind);
}

void FakeHttpTransport::reply(int request, const QByteArray& body) {
    respond(request);
    deliver(request, body);
    finish(request);
}

void FakeHttpTransport::end(int request, bool finished, HttpFailure::Kind kind) {
    Request& r = at(request);
    if (r.over)
        return;
    r.over = true;
    const HttpHandlers last = std::exchange(r.handlers, HttpHandlers());
    if (finished && last.finished)
        last.finished();
    else if (!finished && last.failed)
        last.failed({kind, QStringLiteral("failed by the test")});
}

} // namespace otthon::testing
