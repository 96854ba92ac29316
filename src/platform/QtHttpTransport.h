#pragma once

#include "platform/HttpTransport.h"

#include <QNetworkAccessManager>
#include <QObject>

namespace otthon {

// HttpTransport over one QNetworkAccessManager. Never answers from a cache and stores nothing in one;
// callbacks arrive through the event loop of the thread that made the transport.
class QtHttpTransport final : public QObject, public HttpTransport {
    Q_OBJECT
public:
    explicit QtHttpTransport(QObject* parent = nullptr);

    void get(const QUrl& url, double timeoutSeconds, HttpHandlers handlers) override;

private:
    QNetworkAccessManager manager_;
};

} // namespace otthon
