#pragma once

// What the schedule benchmarks share: the process-wide state and services of the pages without a network or
// alerts, on virtual time, and the clock.
#include "Documents.h"

#include "app/ChoiceLists.h"
#include "pages/PageContext.h"
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
#include <vector>

namespace otthon::bench {

class NoTransport final : public HttpTransport {
public:
    void get(const QUrl&, double, HttpHandlers) override {}
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

} // namespace otthon::bench
