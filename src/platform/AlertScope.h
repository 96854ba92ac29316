#pragma once

#include "platform/AlertPort.h"

#include <memory>
#include <set>

namespace otthon {

// Alerts for one part of the app, shown through the real alert port. end() (and destruction) dismisses those
// still open without calling their handlers: an alert never answers into a part of the app that is gone. An
// alert asked for after it is not shown (its id is 0).
class AlertScope final : public AlertPort {
public:
    explicit AlertScope(AlertPort& inner) : inner_(inner) {}
    ~AlertScope() override { end(); }
    AlertScope(const AlertScope&) = delete;
    AlertScope& operator=(const AlertScope&) = delete;

    AlertId show(AlertSpec alert) override;
    void dismiss(AlertId id, int buttonIndex) override;

    void end();

private:
    AlertPort& inner_;
    // Shared with the handlers of the open alerts, which take their own id out when a button closes them.
    std::shared_ptr<std::set<AlertId>> open_ = std::make_shared<std::set<AlertId>>();
    bool ended_ = false;
};

} // namespace otthon
