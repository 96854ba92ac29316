#pragma once

#include "platform/HttpTransport.h"

#include <QStringList>

namespace otthon {

// Passes every request on and remembers the command it carried (the text after the base URL; "" for a poll),
// in the order sent. The automation protocol's "sent" reads it.
class RecordingTransport final : public HttpTransport {
public:
    RecordingTransport(HttpTransport& inner, QString baseUrl) : inner_(inner), baseUrl_(std::move(baseUrl)) {}

    ExchangeId get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) override {
        QString text = url.toString(QUrl::FullyEncoded);
        if (text.startsWith(baseUrl_))
            text = text.mid(baseUrl_.size());
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
