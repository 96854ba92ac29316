#pragma once

#include "platform/HttpTransport.h"

#include <QHash>
#include <QNetworkAccessManager>
#include <QObject>

#include <memory>

class QNetworkReply;

namespace otthon {

// HttpTransport over one QNetworkAccessManager. Never answers from a cache and stores nothing in one;
// callbacks arrive through the event loop of the thread that made the transport.
//
// At most MaxPending exchanges are under way at once: a new one lets the oldest go at once, and the oldest
// reports failed on a later turn of the event loop. Qt opens six connections to a host and queues what comes
// beyond them, so replies that never end could otherwise hold every connection and keep even a good reply
// from getting through.
class QtHttpTransport final : public QObject, public HttpTransport {
    Q_OBJECT
public:
    static constexpr int MaxPending = 4;

    explicit QtHttpTransport(QObject* parent = nullptr);

    ExchangeId get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) override;
    void cancel(ExchangeId exchange) override;

private:
    // Lets the oldest exchange go and reports it failed, on a later turn of the event loop.
    void failOldest();

    struct Pending {
        QNetworkReply* reply;
        std::shared_ptr<HttpHandlers> handlers;
    };
    // Declared before the manager, so that it outlives the replies the manager deletes.
    QHash<ExchangeId, Pending> pending_;
    ExchangeId nextId_ = 1;
    QNetworkAccessManager manager_;
};

} // namespace otthon
