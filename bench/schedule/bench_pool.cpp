// The pool's schedule screens with many slots, run by hand: bench_pool [rounds]. Offscreen:
// QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software.
//
// In C++, with 1,000 slots: the list's rebuild (after the editor changed one slot, and after a reply that
// changed every slot) and the circulation summary. Then the list screen's first frame (screen made, scene
// loaded, first frame drawn) with 10 and with 1,000 slots, and how many rows the scene made.
#include "ScheduleBench.h"

#include "pages/pool/MedenceOsszefoglalas.h"
#include "pages/pool/MedenceTabla.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickView>

#include <cstdio>

using namespace otthon;
using namespace otthon::bench;

namespace {

// A reply with `slotCount` slots; `variant` changes every pool slot's duration.
QJsonArray poolReply(int slotCount, int variant = 0) {
    QJsonArray document = Harness::reply(slotCount);
    if (variant) {
        QJsonArray pool = document.at(5).toArray();
        for (qsizetype i = 0; i < pool.size(); ++i)
            pool.replace(i, QJsonArray{pool.at(i).toArray().at(0), QString::number((i + variant) % 60)});
        document.replace(5, pool);
    }
    return document;
}

// Milliseconds from making the list screen to its first frame, and the rows its scene made.
std::pair<double, int> firstFrame(Harness& h) {
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
        if (item->property("style").isValid() && item->property("index").isValid())
            ++rows;
        pending.append(item->childItems());
    }
    return {ms, rows};
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

    Harness h;
    h.use(poolReply(1000));
    MedenceTabla list(h.context);
    list.loadViewIfNeeded();
    const auto [oneChanged, allChanged] = rebuildTimes(h, PoolSchedule, poolReply(1000, 1), rounds);
    const double summary = microseconds(rounds, 50, [&](int) {
        MedenceOsszefoglalas screen(h.context);
        screen.loadViewIfNeeded();
    });
    std::printf("1,000 slots, median of %d rounds (goal: each under 1000 us)\n", rounds);
    std::printf("  list rebuild, one slot changed   %8.1f us\n", oneChanged);
    std::printf("  list rebuild, every slot changed %8.1f us\n", allChanged);
    std::printf("  circulation summary              %8.1f us\n", summary);

    Harness few;
    few.use(poolReply(10));
    firstFrame(few); // warm: the QML types and the background picture
    std::vector<double> tenTimes;
    std::vector<double> thousandTimes;
    int tenRows = 0;
    int thousandRows = 0;
    for (int r = 0; r < rounds; ++r) {
        const auto [tenMs, ten] = firstFrame(few);
        const auto [thousandMs, thousand] = firstFrame(h);
        tenTimes.push_back(tenMs);
        thousandTimes.push_back(thousandMs);
        tenRows = ten;
        thousandRows = thousand;
    }
    const double ten = median(tenTimes);
    const double thousand = median(thousandTimes);
    std::printf("list screen's first frame, median of %d (goal: 1,000 slots within 1.5 times 10)\n", rounds);
    std::printf("  10 slots    %8.2f ms, %d rows made\n", ten, tenRows);
    std::printf("  1,000 slots %8.2f ms, %d rows made, ratio %.2f\n", thousand, thousandRows, thousand / ten);
    return 0;
}
