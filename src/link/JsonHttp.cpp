#include "link/JsonHttp.h"

#include "link/ExchangeLimits.h"
#include "link/LinkEvents.h"
#include "link/LinkLog.h"
#include "link/ModelCopy.h"
#include "link/StatusModel.h"
#include "platform/HttpTransport.h"
#include "platform/Scheduler.h"

namespace otthon {

void JsonHttp::send(Link link, const QString& command, Ended ended) {
    const auto exchange = std::make_shared<JsonHttp>(link);
    exchange->ended_ = std::move(ended);
    exchange->CommonMethod(command);
}

void JsonHttp::CommonMethod(const QString& command) {
    AsyncTovren(command);
}

void JsonHttp::AsyncTovren(const QString& command) {
    // Each handler holds this exchange, so it lives until the transport has made its last call.
    auto self = shared_from_this();
    command_ = command;
    number_ = link_.model.Exchanges.begin(!command.isEmpty());
    const QUrl url = requestUrl(link_.model.BaseUrl + command);
    if (!url.isValid()) {
        // Nothing can be sent; report it like a failed exchange, but never within the sender's own call.
        link_.scheduler.after(0, [self] { self->didFail(invalidUrlReason()); });
        return;
    }
    HttpHandlers handlers;
    handlers.response = [self] { self->didReceiveResponse(); };
    handlers.data = [self](const QByteArray& bytes) { self->didReceiveData(bytes); };
    handlers.finished = [self] { self->didFinishLoading(); };
    handlers.failed = [self](const HttpFailure& failure) { self->didFail(failure.detail); };
    exchange_ = link_.transport.get(url, ExchangeDeadline, std::move(handlers));
    // The deadline does not keep the exchange alive: it is over once the transport has let it go.
    const std::weak_ptr<JsonHttp> exchange = self;
    deadline_ = ScopedTimer(link_.scheduler, link_.scheduler.after(ExchangeDeadline, [exchange] {
        if (const auto self = exchange.lock())
            self->giveUp(pastDeadlineReason());
    }));
}

void JsonHttp::didReceiveResponse() {
    responseData_ = QByteArray();
}

void JsonHttp::didReceiveData(const QByteArray& bytes) {
    if (!appendWithinCap(responseData_, bytes))
        giveUp(tooLongReason());
}

void JsonHttp::giveUp(const QString& reason) {
    // Cancelling drops the handlers, which hold this exchange.
    const auto self = shared_from_this();
    link_.transport.cancel(exchange_);
    responseData_ = QByteArray();
    didFail(reason);
}

void JsonHttp::didFinishLoading() {
    deadline_.stop();
    StatusTree reply = StatusTree::fromJson(responseData_);
    responseData_ = QByteArray();
    // A body that is not a status document is no reply at all: the link counts as down, and the last good
    // document and the values on screen stay as they were.
    if (!reply.isPresent()) {
        didFail(QStringLiteral("the reply is not a status document"));
        return;
    }
    StatusModel& model = link_.model;
    if (model.Exchanges.decides(number_)) {
        if (!model.LinkFailure.isEmpty()) {
            qCInfo(lcLink) << "the controller answers again";
            model.LinkFailure.clear();
        }
        model.Connected = true;
    }
    // A reply that an exchange sent later has overtaken says nothing new: what it holds is older.
    if (model.Exchanges.takes(number_, command_.isEmpty())) {
        model.Exchanges.take(number_);
        model.StatusDocument = std::move(reply);
        model.LastReply = link_.scheduler.wallClock();
        Feltoltes();
    }
    end(true);
}

void JsonHttp::didFail(const QString& reason) {
    deadline_.stop();
    StatusModel& model = link_.model;
    // Every failed command is logged; a failed poll when the reason is news, not every 3 s.
    if (!command_.isEmpty() || reason != model.LinkFailure)
        qCInfo(lcLink).noquote() << (command_.isEmpty() ? QStringLiteral("status poll")
                                                        : QStringLiteral("command ") + command_)
                                 << "failed:" << reason;
    // A late failure of an older exchange does not mark the link down once a newer one has answered.
    if (model.Exchanges.decides(number_)) {
        model.Connected = false;
        model.LinkFailure = reason;
    }
    // Failing polls show as the no-connection picture; a command the user gave is told at once.
    if (!command_.isEmpty())
        showBriefly(link_.alerts, link_.scheduler, QString::fromUtf16(UndeliveredText));
    end(false);
}

void JsonHttp::end(bool answered) {
    if (const Ended ended = std::exchange(ended_, Ended()))
        ended(answered);
    emit link_.events.exchangeEnded();
}

void JsonHttp::Feltoltes() {
    applyReply(link_);
}

} // namespace otthon
