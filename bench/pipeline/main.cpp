// Measures what one controller reply costs on the main thread, from the received bytes to the filled model,
// against the bare JSON parse that it cannot avoid. Run a Release build: bench_pipeline [rounds]
#include "Bench.h"

#include "link/LinkEvents.h"
#include "link/ModelCopy.h"
#include "link/StatusModel.h"
#include "platform/VirtualScheduler.h"
#include "platform/ui/AlertCenter.h"
#include "support/FakeHttpTransport.h"

#include <QCoreApplication>

#include <cstdio>

using namespace otthon;
using namespace otthon::bench;

namespace {

void measure(const char* name, const QByteArray& bytes, int rounds, int iterations) {
    StatusModel model(QStringLiteral("http://192.168.1.100:670/LomaViro/Lomaviro.php"));
    testing::FakeHttpTransport transport;
    AlertCenter alerts;
    VirtualScheduler scheduler;
    LinkEvents events;
    const Link link{model, transport, alerts, scheduler, events};
    volatile qsizetype sink = 0;
    const auto bare = [&](int) { sink = sink + QJsonDocument::fromJson(bytes).array().size(); };
    // What the channel does with a finished body: decode, keep, mark the link up, copy (Feltoltes).
    const auto pipeline = [&](int) {
        model.StatusDocument = StatusTree::fromJson(bytes);
        model.Connected = true;
        applyReply(link);
        sink = sink + model.RadioAdoLista.size();
    };
    microseconds(3, 1, {bare, pipeline}); // warm
    const auto f = microseconds(rounds, iterations, {bare, pipeline});
    std::printf("%s, %lld bytes, %d x %d calls each\n", name, static_cast<long long>(bytes.size()), rounds,
                iterations);
    std::printf("  %-34s %10s %10s %8s\n", "", "best us", "median us", "ratio");
    const char* labels[] = {"bare QJsonDocument::fromJson", "pipeline (decode, keep, Feltoltes)"};
    for (std::size_t c = 0; c < f.size(); ++c)
        std::printf("  %-34s %10.2f %10.2f %8.3f\n", labels[c], f[c].best, f[c].median,
                    f[c].best / f[0].best);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 41;
    std::printf("ratio = best time / best bare parse; goal: pipeline within 1.5\n");
    measure("typical reply (2 slots per schedule, 10 stations)", replyBytes(2), rounds, 2000);
    measure("1,000 rows in each schedule", replyBytes(1000), rounds, 20);
    return 0;
}
