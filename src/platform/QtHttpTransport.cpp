#include "platform/QtHttpTransport.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace otthon {

namespace {

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

} // namespace

QtHttpTransport::QtHttpTransport(QObject* parent) : QObject(parent), manager_(this) {}

void QtHttpTransport::get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(int(std::lround(std::max(timeoutSeconds, 0.001) * 1000.0)));

    QNetworkReply* reply = manager_.get(request);
    // The reply's connections own the handlers; the last callback takes them out, so whatever they hold is
    // released as soon as the exchange is over, not when the reply is finally deleted.
    auto pending = std::make_shared<HttpHandlers>(std::move(handlers));

    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, pending] {
        if (hasHttpStatus(reply) && pending->response)
            pending->response();
    });
    connect(reply, &QNetworkReply::readyRead, reply, [reply, pending] {
        const QByteArray bytes = reply->readAll();
        if (!bytes.isEmpty() && pending->data)
            pending->data(bytes);
    });
    const auto finish = [reply, pending] {
        if (pending->finished == nullptr && pending->failed == nullptr)
            return; // reported already
        // An aborted reply (timed out) is closed already and has nothing left to read.
        const QByteArray rest = reply->isReadable() ? reply->readAll() : QByteArray();
        if (!rest.isEmpty() && pending->data)
            pending->data(rest);
        HttpHandlers last = std::move(*pending);
        *pending = HttpHandlers();
        reply->deleteLater();
        if (answeredInFull(reply)) {
            if (last.finished)
                last.finished();
        } else if (last.failed) {
            last.failed();
        }
    };
    connect(reply, &QNetworkReply::finished, reply, finish);
    // A request refused at once (say, an unknown scheme) may be over before anyone could listen.
    if (reply->isFinished())
        QMetaObject::invokeMethod(reply, finish, Qt::QueuedConnection);
}

} // namespace otthon
