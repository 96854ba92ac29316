// The schedule screens with 1,000 slots, run by hand offscreen: bench_schedule [rounds]. In C++: each list's
// rebuild, the circulation summary, and the overlap summary for ordinary slots (most clash) and for durations
// and start hours near 2^31, and the irrigation day timeline's bars for the ordinary slots. Then the pool
// list screen's first frame (screen made, scene loaded, first frame drawn) with 10 and with 1,000 slots, and
// how many rows the scene made.
#include "Bench.h"

#include "pages/irrigation/OntozoOsszefoglalas.h"
#include "pages/irrigation/OntozoTable.h"
#include "pages/irrigation/Overlaps.h"
#include "pages/pool/MedenceOsszefoglalas.h"
#include "pages/pool/MedenceTabla.h"
#include "support/PageHarness.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickView>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>

using namespace otthon;
using namespace otthon::bench;
using otthon::testing::PageHarness;

namespace {

// `document` as the last reply, with the link up.
void use(PageHarness& h, const QJsonArray& document) {
    h.model().StatusDocument = StatusTree(document);
    h.model().Connected = true;
}

QJsonArray reply(int slotCount, int variant = 0) {
    return QJsonDocument::fromJson(replyBytes(slotCount, variant)).array();
}

// Median microseconds per call.
double perCall(int rounds, int iterations, const std::function<void(int)>& call) {
    return microseconds(rounds, iterations, {call}).front().median;
}

// Microseconds a list on screen takes to rebuild and reload: after its editor changed one slot, and after a
// reply that changed every slot.
std::pair<double, double> rebuildTimes(PageHarness& h, const ScheduleElement& schedule, int rounds) {
    use(h, reply(1000));
    const QString refresh = schedule.refreshNotification.toString();
    const double one = perCall(rounds, 50, [&](int i) {
        h.model().StatusDocument.set(schedule.element, 7, schedule.columns.duration, QString::number(i % 60));
        h.notifications.post(refresh, nullptr);
    });
    const StatusTree trees[] = {h.model().StatusDocument, StatusTree(reply(1000, 1))};
    const double all = perCall(rounds, 50, [&](int i) {
        h.model().StatusDocument = trees[i % 2];
        h.notifications.post(refresh, nullptr);
    });
    return {one, all};
}

// The irrigation overlap summary (screen made and loaded) over 1,000 slots that start at random and run a
// random number of minutes from `shortest` to `longest`; with `hugeHours`, the start hours are near 2^31 too.
// The slots stay in `h`'s model.
double overlapSummary(PageHarness& h, int rounds, qint64 shortest, qint64 longest, bool hugeHours = false) {
    QRandomGenerator random(1);
    QJsonArray document = reply(0);
    QJsonArray rows;
    for (int i = 0; i < 1000; ++i) {
        const qint64 hour = hugeHours ? 2147483647 - random.bounded(1000) : random.bounded(24);
        rows.append(
            QJsonArray{QStringLiteral("Z%1").arg(random.bounded(1, 7)),
                       QStringLiteral("%1:%2").arg(hour).arg(random.bounded(60)),
                       QString::number(shortest + qint64(random.bounded(double(longest - shortest))))});
    }
    document.replace(1, rows);
    use(h, document);
    return perCall(rounds, 20, [&](int) { OntozoOsszefoglalas(h.context).loadViewIfNeeded(); });
}

// Milliseconds from making the pool list screen to its first frame, and the rows its scene made.
std::pair<double, int> firstFrame(PageHarness& h) {
    QElapsedTimer clock;
    clock.start();
    MedenceTabla page(h.context);
    page.loadViewIfNeeded();
    QQuickView view;
    view.engine()->addImportPath(QStringLiteral("qrc:/qt/qml"));
    view.setInitialProperties({{QStringLiteral("page"), QVariant::fromValue(static_cast<QObject*>(&page))}});
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(390, 844);
    view.setSource(QUrl(QStringLiteral("qrc:/qt/qml/Otthon/qml/SceneLoader.qml")));
    QEventLoop loop;
    QObject::connect(&view, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    view.show();
    loop.exec();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    int rows = 0;
    QList<QQuickItem*> pending{view.rootObject()};
    while (!pending.isEmpty()) {
        QQuickItem* item = pending.takeLast();
        rows += item->property("style").isValid() && item->property("index").isValid();
        pending.append(item->childItems());
    }
    return {ms, rows};
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    PageHarness h;
    use(h, reply(1000));
    MedenceTabla poolList(h.context);
    OntozoTable irrigationList(h.context);
    poolList.loadViewIfNeeded();
    irrigationList.loadViewIfNeeded();
    std::printf("1,000 slots, median of %d rounds (goal: each under 1000 us, overlap summary 2000 us)\n",
                rounds);
    const auto row = [](const QString& what, double us) {
        std::printf("  %-56s %8.1f us\n", qPrintable(what), us);
    };
    for (const auto& [name, schedule] :
         {std::pair{"pool", PoolSchedule}, {"irrigation", IrrigationSchedule}}) {
        const auto [one, all] = rebuildTimes(h, schedule, rounds);
        row(QStringLiteral("%1 list rebuild, one slot changed").arg(name), one);
        row(QStringLiteral("%1 list rebuild, every slot changed").arg(name), all);
    }
    row("pool circulation summary",
        perCall(rounds, 50, [&](int) { MedenceOsszefoglalas(h.context).loadViewIfNeeded(); }));
    row("irrigation overlap summary, durations 1 to 1,199 minutes", overlapSummary(h, rounds, 1, 1199));
    row("irrigation day timeline, the same slots", perCall(rounds, 50, [&](int) {
            const DayTimeline day = DayTimeline::irrigation(h.model(), Overlaps::of(h.model()));
            if (day.bars.size() != 1000)
                std::abort();
        }));
    row("irrigation overlap summary, durations near 2^31", overlapSummary(h, rounds, 2147483000, 2147483647));
    row("irrigation overlap summary, and start hours near 2^31",
        overlapSummary(h, rounds, 2147483000, 2147483647, true));

    PageHarness few;
    use(few, reply(10));
    use(h, reply(1000));
    PageHarness* harnesses[] = {&few, &h};
    firstFrame(few); // warm: the QML types and the background picture
    std::vector<double> times[2];
    int rows[2] = {};
    for (int r = 0; r < rounds; ++r)
        for (int i : {0, 1}) {
            const auto [ms, made] = firstFrame(*harnesses[i]);
            times[i].push_back(ms);
            rows[i] = made;
        }
    const double ten = median(times[0]);
    const double thousand = median(times[1]);
    std::printf("pool list screen's first frame, median of %d (goal: 1,000 slots within 1.5 times 10)\n",
                rounds);
    std::printf("  10 slots    %8.2f ms, %d rows made\n", ten, rows[0]);
    std::printf("  1,000 slots %8.2f ms, %d rows made, ratio %.2f\n", thousand, rows[1], thousand / ten);
    return 0;
}
