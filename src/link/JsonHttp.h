#pragma once

#include "link/Link.h"
#include "platform/HttpTransport.h"
#include "platform/Scheduler.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace otthon {

// One exchange with the controller: GET BaseUrl + command, then the reply replaces StatusDocument, marks the
// link up and is copied into the model (Feltoltes). A sender makes one, calls CommonMethod and drops it; the
// pending exchange keeps it alive until its last callback.
//
// An exchange that has not ended Timeout after it began, however steadily its bytes come, or whose reply
// grows past MaxReplyBytes, is cancelled there and then and counts as failed; what it had received is let go.
class JsonHttp : public std::enable_shared_from_this<JsonHttp> {
public:
    static constexpr double Timeout = 10.0;
    // No status document comes near this (the largest are tens of KiB).
    static constexpr qsizetype MaxReplyBytes = 4 * 1024 * 1024;

    explicit JsonHttp(Link link) : link_(link) {}

    // Make, send, drop: what every sender does.
    static void send(Link link, const QString& command);

    void CommonMethod(const QString& command);

private:
    void AsyncTovren(const QString& command);
    void didReceiveResponse();
    void didReceiveData(const QByteArray& bytes);
    void didFinishLoading();
    void didFail(const QString& reason);
    void Feltoltes();
    // Ends the exchange before the transport does: the connection is let go and the link counts as down.
    void giveUp(const QString& reason);

    Link link_;
    QString command_;
    QByteArray responseData_;
    ExchangeId exchange_ = 0;
    ScopedTimer deadline_;
};

} // namespace otthon
