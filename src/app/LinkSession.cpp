#include "app/LinkSession.h"

#include "app/AppLog.h"
#include "pages/PageRegistry.h"

namespace otthon {

LinkSession::LinkSession(const QString& baseUrl, Scheduler& scheduler, HttpTransport& transport,
                         AlertPort& alerts, bool recording)
    : scheduler_(scheduler), exchanges_(transport), alerts_(alerts), navigation_(scheduler_), state_(baseUrl),
      // The link's requests go through the record when there is one.
      context_{
          state_,
          Link{state_.model,
               recording ? static_cast<HttpTransport&>(recorder_.emplace(exchanges_, baseUrl)) : exchanges_,
               alerts_, scheduler_, events_},
          notifications_, navigation_},
      root_(context_) {
    registerPages(navigation_, context_);
}

LinkSession::~LinkSession() {
    end();
}

void LinkSession::start() {
    qCInfo(lcApp).noquote() << "controller at" << baseUrl();
    root_.viewDidLoad();
}

void LinkSession::end() {
    scheduler_.end();
    exchanges_.end();
    alerts_.end();
}

} // namespace otthon
