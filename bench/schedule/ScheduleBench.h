#pragma once

// What the schedule benchmarks share: the process-wide state and services of the pages without a network or
// alerts, on virtual time, and the clock.
#include "Documents.h"

#include "app/ChoiceLists.h"
#include "pages/PageContext.h"
#include "pages/schedule/Slot.h"
#include "platform/AlertPort.h"
#include "platform/HttpTransport.h"
#include "platform/VirtualScheduler.h"
#include "platform/ui/Navigation.h"
#include "platform/ui/NotificationCenter.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace otthon::bench {

class NoTransport final : public HttpTransport {
public:
    ExchangeId get(const QUrl&, double, HttpHandlers) override { return 0; }
    void cancel(ExchangeId) override {}
};

class NoAlerts final : public AlertPort {
public:
    AlertId show(AlertSpec) override { return 0; }
    void dismiss(AlertId, int) override {}
};

struct Harness {
    VirtualScheduler scheduler;
    NoTransport transport;
    NoAlerts alerts;
    NotificationCenter notifications;
    Navigation navigation{scheduler};
    AppState state{QStringLiteral("http://127.0.0.1:9/LomaViro/Lomaviro.php")};
    PageContext context{state, Link{state.model, transport, alerts, scheduler}, notifications, navigation};

    Harness() { buildChoiceLists(state.model); }
    // A reply with `slotCount` slots in each schedule.
    static QJsonArray reply(int slotCount) { return QJsonDocument::fromJson(replyBytes(slotCount)).array(); }
    void use(const QJsonArray& document) {
        state.model.StatusDocument = StatusTree(document);
        state.model.Connected = true;
    }
};

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Microseconds per call, median over rounds of `iterations` calls.
inline double microseconds(int rounds, int iterations, const std::function<void(int)>& call) {
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < iterations; ++i)
            call(i);
        times.push_back(double(clock.nsecsElapsed()) / 1000.0 / iterations);
    }
    return median(times);
}

// Microseconds a schedule list (loaded on `h`'s document, 1,000 slots) takes to rebuild and reload: after its
// editor changed one slot, and after a reply that changed every slot (`changed`).
inline std::pair<double, double> rebuildTimes(Harness& h, const ScheduleElement& schedule,
                                              const QJsonArray& changed, int rounds) {
    const QString refresh = schedule.refreshNotification.toString();
    const double one = microseconds(rounds, 50, [&](int i) {
        h.state.model.StatusDocument.set(schedule.element, 7, schedule.columns.duration,
                                         QString::number(i % 60));
        h.notifications.post(refresh, nullptr);
    });
    const StatusTree other(changed);
    const StatusTree original = h.state.model.StatusDocument;
    const double all = microseconds(rounds, 50, [&](int i) {
        h.state.model.StatusDocument = i % 2 ? original : other;
        h.notifications.post(refresh, nullptr);
    });
    return {one, all};
}

} // namespace otthon::bench
