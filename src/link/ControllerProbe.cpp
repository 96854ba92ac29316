#include "link/ControllerProbe.h"

#include "link/ExchangeLimits.h"
#include "link/StatusTree.h"

namespace otthon {

namespace {

ControllerProbe::Outcome outcomeOf(HttpFailure::Kind kind) {
    switch (kind) {
    case HttpFailure::Refused:
        return ControllerProbe::Outcome::Refused;
    case HttpFailure::HostNotFound:
        return ControllerProbe::Outcome::HostNotFound;
    case HttpFailure::TimedOut:
        return ControllerProbe::Outcome::TimedOut;
    case HttpFailure::Other:
        break;
    }
    return ControllerProbe::Outcome::Failed;
}

} // namespace

void ControllerProbe::start(const QString& baseUrl, std::function<void(const Result&)> done) {
    cancel();
    done_ = std::move(done);
    // The handlers reach this probe only while the exchange is under way: cancel() drops them.
    deadline_ = ScopedTimer(scheduler_, scheduler_.after(ExchangeDeadline, [this] {
        finish({Outcome::TimedOut, pastDeadlineReason()});
    }));
    const QUrl url = requestUrl(baseUrl);
    if (!url.isValid()) {
        deadline_ = ScopedTimer(scheduler_, scheduler_.after(0, [this] {
            finish({Outcome::Failed, invalidUrlReason()});
        }));
        return;
    }
    HttpHandlers handlers;
    handlers.response = [this] { body_.clear(); };
    handlers.data = [this](const QByteArray& bytes) {
        if (!appendWithinCap(body_, bytes))
            finish({Outcome::NotAController, tooLongReason()});
    };
    handlers.finished = [this] {
        exchange_.reset();
        const bool status = StatusTree::fromJson(body_).isPresent();
        finish({status ? Outcome::Works : Outcome::NotAController, {}});
    };
    handlers.failed = [this](const HttpFailure& failure) {
        exchange_.reset();
        finish({outcomeOf(failure.kind), failure.detail});
    };
    exchange_ = transport_.get(url, ExchangeDeadline, std::move(handlers));
}

void ControllerProbe::cancel() {
    if (const auto exchange = std::exchange(exchange_, std::nullopt))
        transport_.cancel(*exchange);
    deadline_.stop();
    body_.clear();
    done_ = nullptr;
}

void ControllerProbe::finish(Result result) {
    auto done = std::move(done_);
    cancel();
    if (done)
        done(result);
}

} // namespace otthon
