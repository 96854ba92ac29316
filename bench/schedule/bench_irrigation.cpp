// The irrigation schedule screens with 1,000 slots, in C++, run by hand: bench_irrigation [rounds].
//
// The overlap summary (screen made and loaded) for ordinary slots (durations up to 1,199 minutes, starts over
// the whole day, so most slots clash) and for durations and start hours near 2^31; the list's rebuild after
// the editor changed one slot and after a reply that changed every slot.
#include "ScheduleBench.h"

#include "pages/irrigation/OntozoOsszefoglalas.h"
#include "pages/irrigation/OntozoTable.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

using namespace otthon;
using namespace otthon::bench;

namespace {

// A reply whose 1,000 irrigation slots start at random and run a random number of minutes from `shortest` to
// `longest`; with `hugeHours`, the start hours are near 2^31 too.
QJsonArray irrigationReply(qint64 shortest, qint64 longest, bool hugeHours = false) {
    QRandomGenerator random(1);
    QJsonArray rows;
    for (int i = 0; i < 1000; ++i) {
        const qint64 hour = hugeHours ? 2147483647 - random.bounded(1000) : random.bounded(24);
        rows.append(
            QJsonArray{QStringLiteral("Z%1").arg(random.bounded(1, 7)),
                       QStringLiteral("%1:%2").arg(hour).arg(random.bounded(60)),
                       QString::number(shortest + qint64(random.bounded(double(longest - shortest))))});
    }
    QJsonArray document = Harness::reply(0);
    document.replace(1, rows);
    return document;
}

double summary(Harness& h, int rounds, const QJsonArray& document) {
    h.use(document);
    return microseconds(rounds, 20, [&](int) {
        OntozoOsszefoglalas screen(h.context);
        screen.loadViewIfNeeded();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    Harness h;
    const double ordinary = summary(h, rounds, irrigationReply(1, 1199));
    const double huge = summary(h, rounds, irrigationReply(2147483000, 2147483647));
    const double hugeHours = summary(h, rounds, irrigationReply(2147483000, 2147483647, true));

    h.use(Harness::reply(1000));
    OntozoTable list(h.context);
    list.loadViewIfNeeded();
    // A reply that changed every slot's zone and duration.
    QJsonArray changed = Harness::reply(1000);
    QJsonArray rows = changed.at(1).toArray();
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows.replace(i, QJsonArray{QStringLiteral("Z%1").arg((i + 1) % 6 + 1), rows.at(i).toArray().at(1),
                                   QString::number((i + 1) % 60)});
    changed.replace(1, rows);
    const auto [oneChanged, allChanged] = rebuildTimes(h, IrrigationSchedule, changed, rounds);

    std::printf("1,000 irrigation slots, median of %d rounds\n", rounds);
    std::printf("overlap summary (goal: under 2000 us)\n");
    std::printf("  durations 1 to 1,199 minutes         %8.1f us\n", ordinary);
    std::printf("  durations near 2^31                  %8.1f us\n", huge);
    std::printf("  durations and start hours near 2^31  %8.1f us\n", hugeHours);
    std::printf("list rebuild (goal: under 1000 us)\n");
    std::printf("  one slot changed                     %8.1f us\n", oneChanged);
    std::printf("  every slot changed                   %8.1f us\n", allChanged);
    return 0;
}
