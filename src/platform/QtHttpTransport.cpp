#include "platform/QtHttpTransport.h"

#include "platform/Scheduler.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <memory>

namespace otthon {

namespace {

// Enough for a status document in a few reads; more waits in the socket until these are taken.
constexpr qint64 ReadBufferBytes = 256 * 1024;

bool hasHttpStatus(const QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

// A reply the server completed, whatever its HTTP status. Errors below 100 are those of the connection itself
// (refused, closed early, timed out, cancelled); an HTTP error status maps to one of the higher codes.
bool answeredInFull(const QNetworkReply* reply) {
    const QNetworkReply::NetworkError error = reply->error();
    const bool connectionBroke =
        error > QNetworkReply::NoError && error <= QNetworkReply::UnknownNetworkError;
    return hasHttpStatus(reply) && !connectionBroke && error != QNetworkReply::ProtocolFailure;
}

HttpFailure failureOf(const QNetworkReply* reply) {
    HttpFailure failure;
    switch (reply->error()) {
    case QNetworkReply::ConnectionRefusedError:
        failure.kind = HttpFailure::Refused;
        break;
    case QNetworkReply::HostNotFoundError:
        failure.kind = HttpFailure::HostNotFound;
        break;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer timeout aborts the reply
        failure.kind = HttpFailure::TimedOut;
        break;
    default:
        break;
    }
    failure.detail = reply->error() == QNetworkReply::NoError ? QStringLiteral("the reply has no HTTP status")
                                                              : reply->errorString();
    return failure;
}

} // namespace

QtHttpTransport::QtHttpTransport(QObject* parent) : QObject(parent), manager_(this) {}

ExchangeId QtHttpTransport::get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(std::max(timerMilliseconds(timeoutSeconds), 1)); // 0 would mean none

    while (pending_.size() >= MaxPending)
        failOldest();
    QNetworkReply* reply = manager_.get(request);
    // Qt keeps no more of the body than this before the handlers have taken it, however fast it comes.
    reply->setReadBufferSize(ReadBufferBytes);
    const ExchangeId id = nextId_++;
    // The reply's connections own the handlers; the last callback takes them out, so whatever they hold is
    // released as soon as the exchange is over, not when the reply is finally deleted.
    auto pending = std::make_shared<HttpHandlers>(std::move(handlers));
    pending_.insert(id, Pending{reply, pending});

    // Each handler is called through a copy: it may cancel its own exchange, which drops the originals.
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, pending] {
        if (auto response = pending->response; response && hasHttpStatus(reply))
            response();
    });
    connect(reply, &QNetworkReply::readyRead, reply, [reply, pending] {
        const QByteArray bytes = reply->readAll();
        if (auto data = pending->data; data && !bytes.isEmpty())
            data(bytes);
    });
    const auto finish = [this, id, reply, pending] {
        if (pending->finished == nullptr && pending->failed == nullptr)
            return; // reported already, or cancelled
        // An aborted reply (timed out) is closed already and has nothing left to read.
        const QByteArray rest = reply->isReadable() ? reply->readAll() : QByteArray();
        if (auto data = pending->data; data && !rest.isEmpty())
            data(rest);
        if (pending->finished == nullptr && pending->failed == nullptr)
            return; // the data handler cancelled the exchange
        HttpHandlers last = std::move(*pending);
        *pending = HttpHandlers();
        pending_.remove(id);
        reply->deleteLater();
        if (answeredInFull(reply)) {
            if (last.finished)
                last.finished();
        } else if (last.failed) {
            last.failed(failureOf(reply));
        }
    };
    connect(reply, &QNetworkReply::finished, reply, finish);
    // A request refused at once (say, an unknown scheme) may be over before anyone could listen.
    if (reply->isFinished())
        QMetaObject::invokeMethod(reply, finish, Qt::QueuedConnection);
    return id;
}

void QtHttpTransport::failOldest() {
    const ExchangeId oldest = *std::min_element(pending_.keyBegin(), pending_.keyEnd());
    const auto failed = pending_.value(oldest).handlers->failed;
    cancel(oldest);
    if (failed)
        QMetaObject::invokeMethod(
            this,
            [failed] {
                failed({HttpFailure::Other,
                        QStringLiteral("given up for a newer exchange: more than %1 were pending")
                            .arg(MaxPending)});
            },
            Qt::QueuedConnection);
}

void QtHttpTransport::cancel(ExchangeId exchange) {
    const auto found = pending_.find(exchange);
    if (found == pending_.end())
        return;
    const Pending pending = found.value();
    pending_.erase(found);
    // Dropped first, so that the reply's own end calls nothing.
    *pending.handlers = HttpHandlers();
    pending.reply->abort();
    pending.reply->deleteLater();
}

} // namespace otthon
