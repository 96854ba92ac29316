#pragma once

#include "platform/HttpTransport.h"

#include <QStringList>
#include <QUrl>

namespace otthon {

// Passes every request on and remembers the command it carried (the text after the base URL; "" for a poll),
// in the order sent: the last Capacity of them. The automation protocol's "sent" reads it; the app makes one
// only under automation. The base URL is compared as QUrl writes it, as the request's own URL is, so one
// written in capitals ("HTTP://HOST:670/...") still leaves the command alone.
class RecordingTransport final : public HttpTransport {
public:
    static constexpr qsizetype Capacity = 1000;

    RecordingTransport(HttpTransport& inner, const QString& baseUrl)
        : inner_(inner), baseUrl_(QUrl(baseUrl, QUrl::StrictMode).toString(QUrl::FullyEncoded)) {}

    ExchangeId get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) override {
        QString text = url.toString(QUrl::FullyEncoded);
        if (text.startsWith(baseUrl_))
            text.remove(0, baseUrl_.size());
        if (sent_.size() == Capacity)
            sent_.removeFirst();
        sent_.append(text);
        return inner_.get(url, timeoutSeconds, std::move(handlers));
    }
    void cancel(ExchangeId exchange) override { inner_.cancel(exchange); }

    const QStringList& sent() const { return sent_; }

private:
    HttpTransport& inner_;
    QString baseUrl_;
    QStringList sent_;
};

} // namespace otthon
