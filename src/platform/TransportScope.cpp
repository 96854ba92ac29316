#include "platform/TransportScope.h"

namespace otthon {

ExchangeId TransportScope::get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) {
    if (ended_)
        return 0;
    auto held = std::make_shared<HttpHandlers>(std::move(handlers));
    const std::weak_ptr<HttpHandlers> weak = held;
    // Handlers are never called within get(), so the id is known before the first call.
    auto id = std::make_shared<ExchangeId>(0);
    // Each call goes through a copy of the handler: it may cancel its own exchange, which drops the original.
    HttpHandlers forward;
    forward.response = [weak] {
        if (const auto h = weak.lock(); h && h->response)
            std::function<void()>(h->response)();
    };
    forward.data = [weak](const QByteArray& bytes) {
        if (const auto h = weak.lock(); h && h->data)
            std::function<void(const QByteArray&)>(h->data)(bytes);
    };
    forward.finished = [this, weak, id] {
        if (const auto h = weak.lock()) {
            pending_.erase(*id);
            if (h->finished)
                h->finished();
        }
    };
    forward.failed = [this, weak, id](const HttpFailure& failure) {
        if (const auto h = weak.lock()) {
            pending_.erase(*id);
            if (h->failed)
                h->failed(failure);
        }
    };
    *id = inner_.get(url, timeoutSeconds, std::move(forward));
    pending_.emplace(*id, std::move(held));
    return *id;
}

void TransportScope::cancel(ExchangeId exchange) {
    inner_.cancel(exchange);
    pending_.erase(exchange);
}

void TransportScope::end() {
    ended_ = true;
    // The handlers, and whatever they hold, go when this returns: after the real transport let go of them.
    const auto pending = std::exchange(pending_, {});
    for (const auto& [exchange, handlers] : pending)
        inner_.cancel(exchange);
}

} // namespace otthon
