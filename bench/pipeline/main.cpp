// Measures what one controller reply costs on the main thread, from the received bytes to the filled model,
// against the bare JSON parse that it cannot avoid. Run a Release build: bench_pipeline [rounds]
#include "Documents.h"

#include "link/JsonHttp.h"
#include "link/ModelCopy.h"
#include "link/StatusModel.h"
#include "platform/AlertPort.h"
#include "platform/HttpTransport.h"
#include "platform/VirtualScheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace otthon;

namespace {

// Keeps the pending exchange; the bench plays the server.
class HeldTransport final : public HttpTransport {
public:
    ExchangeId get(const QUrl&, double, HttpHandlers handlers) override {
        held = std::move(handlers);
        return 1;
    }
    void cancel(ExchangeId) override { held = HttpHandlers(); }
    HttpHandlers held;
};

class SilentAlerts final : public AlertPort {
public:
    AlertId show(AlertSpec) override { return 0; }
    void dismiss(AlertId, int) override {}
};

// Microseconds per call of one round of `iterations` calls.
double microsecondsPerCall(int iterations, const std::function<void()>& call) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < iterations; ++i)
        call();
    return double(clock.nsecsElapsed()) / 1000.0 / iterations;
}

// Rounds of each candidate, interleaved so that a busy machine slows them alike; best and median per
// candidate.
struct Figures {
    double best;
    double median;
};
std::vector<Figures> compare(int rounds, int iterations,
                             const std::vector<std::function<void()>>& candidates) {
    std::vector<std::vector<double>> times(candidates.size());
    for (int r = 0; r < rounds; ++r)
        for (std::size_t c = 0; c < candidates.size(); ++c)
            times[c].push_back(microsecondsPerCall(iterations, candidates[c]));
    std::vector<Figures> figures;
    for (auto& t : times) {
        std::sort(t.begin(), t.end());
        figures.push_back(Figures{t.front(), t[t.size() / 2]});
    }
    return figures;
}

void measure(const char* name, const QByteArray& bytes, int rounds, int iterations) {
    StatusModel model(QStringLiteral("http://192.168.1.100:670/LomaViro/Lomaviro.php"));
    HeldTransport transport;
    SilentAlerts alerts;
    VirtualScheduler scheduler;
    const Link link{model, transport, alerts, scheduler};
    volatile qsizetype sink = 0;

    const auto bare = [&] { sink = sink + QJsonDocument::fromJson(bytes).array().size(); };
    // What the channel does with a finished body: decode, keep, mark the link up, copy (Feltoltes).
    const auto pipeline = [&] {
        StatusTree reply = StatusTree::fromJson(bytes);
        model.StatusDocument = std::move(reply);
        model.Connected = true;
        applyReply(link);
        sink = sink + model.RadioAdoLista.size();
    };
    // The whole exchange as a sender starts it: request object, URL, handlers, then head, body and finish.
    const auto exchange = [&] {
        JsonHttp::send(link, QString());
        HttpHandlers handlers = std::move(transport.held);
        handlers.response();
        handlers.data(bytes);
        handlers.finished();
        sink = sink + model.RadioAdoLista.size();
    };

    for (int warm = 0; warm < 3; ++warm) {
        bare();
        pipeline();
        exchange();
    }
    const auto f = compare(rounds, iterations, {bare, pipeline, exchange});
    std::printf("%s, %lld bytes, %d x %d calls each\n", name, static_cast<long long>(bytes.size()), rounds,
                iterations);
    std::printf("  %-34s %10s %10s %8s\n", "", "best us", "median us", "ratio");
    const char* labels[] = {"bare QJsonDocument::fromJson", "pipeline (decode, keep, Feltoltes)",
                            "whole exchange through JsonHttp"};
    for (std::size_t c = 0; c < f.size(); ++c)
        std::printf("  %-34s %10.2f %10.2f %8.3f\n", labels[c], f[c].best, f[c].median,
                    f[c].best / f[0].best);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 41;
    std::printf("ratio = best time / best bare parse; goal: pipeline within 1.5\n");
    measure("typical reply (2 slots per schedule, 10 stations)", bench::replyBytes(2), rounds, 2000);
    measure("1,000 rows in each schedule", bench::replyBytes(1000), rounds, 20);
    return 0;
}
