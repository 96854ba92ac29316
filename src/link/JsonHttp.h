#pragma once

#include "link/Link.h"
#include "platform/HttpTransport.h"
#include "platform/Scheduler.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace otthon {

// One exchange with the controller: GET BaseUrl + command, then the reply replaces StatusDocument and is
// copied into the model (Feltoltes). A sender makes one, calls CommonMethod and drops it; the pending
// exchange keeps it alive until its last callback.
//
// Exchanges are numbered as they leave. A reply is taken only when it is newer than every reply taken before
// and, for a poll, when no command left after the poll; the newest exchange to end says whether the link is
// up. A command that cannot be delivered is told with a short alert; its optimistic values give way to the
// controller's at the next reply. Every ending is told through the link's events.
//
// An exchange that has not ended ExchangeDeadline after it began, or whose reply grows past MaxReplyBytes
// (ExchangeLimits.h), is cancelled there and then and counts as failed; what it had received is let go.
class JsonHttp : public std::enable_shared_from_this<JsonHttp> {
public:
    // Told once, when the exchange has ended: whether the controller answered with a status document.
    using Ended = std::function<void(bool answered)>;
    // What an undelivered command's alert says.
    static constexpr char16_t UndeliveredText[] = u"A parancsot nem sikerült elküldeni!";

    explicit JsonHttp(Link link) : link_(link) {}

    // Make, send, drop: what every sender does.
    static void send(Link link, const QString& command, Ended ended = {});

    void CommonMethod(const QString& command);

private:
    void AsyncTovren(const QString& command);
    void didReceiveResponse();
    void didReceiveData(const QByteArray& bytes);
    void didFinishLoading();
    void didFail(const QString& reason);
    void Feltoltes();
    // Tells the sender and the screens, once.
    void end(bool answered);
    // Ends the exchange before the transport does: the connection is let go and the link counts as down.
    void giveUp(const QString& reason);

    Link link_;
    QString command_;
    quint64 number_ = 0;
    Ended ended_;
    QByteArray responseData_;
    ExchangeId exchange_ = 0;
    ScopedTimer deadline_;
};

} // namespace otthon
