#include "LongTexts.h"

#include "link/ExchangeLimits.h"
#include "link/JsonHttp.h"
#include "pages/radio/Radio.h"
#include "support/PageHarness.h"
#include "support/SampleReply.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlEngine>
#include <QQuickView>

#include <cstdio>

namespace otthon::bench {

namespace {

// A name of `length` characters, of words as a station's name has them.
QString name(qsizetype length) {
    const QString words = QStringLiteral("Petőfi Rádió Kossuth ");
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += words;
    text.truncate(length);
    return text;
}

QByteArray withStations(const QJsonArray& stations) {
    return QJsonDocument(testing::sampleWith(4, stations)).toJson(QJsonDocument::Compact);
}

QByteArray oneLongName(qsizetype length) {
    QJsonArray stations = testing::sampleReply().at(4).toArray();
    stations.replace(2, QJsonArray{QStringLiteral("2"), name(length)});
    return withStations(stations);
}

// As many stations named with `length` characters as fit under the cap: each row is counted with a number of
// five digits, which no station of the list reaches.
QByteArray manyNames(qsizetype length) {
    const QByteArray row =
        QJsonDocument(QJsonArray{QJsonValue(QJsonArray{QStringLiteral("99999"), name(length)})})
            .toJson(QJsonDocument::Compact);
    const qsizetype room = MaxReplyBytes - withStations({}).size();
    const qsizetype count = room / (row.size() - 1); // each row and its comma
    QJsonArray stations;
    for (qsizetype i = 0; i < count; ++i)
        stations.append(QJsonArray{QString::number(i), name(length)});
    return withStations(stations);
}

qint64 timed(const std::function<void()>& work) {
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed();
}

// Nanoseconds of each step of one visit.
struct Visit {
    qint64 reply = 0, redraw = 0, firstFrame = 0;
};

Visit visit(const QByteArray& reply) {
    testing::PageHarness h(true);
    auto page = h.load<Radio>();
    Visit steps;
    // The first reply changes the station list; the second, the same again, is what every poll brings.
    for (int poll = 0; poll < 2; ++poll) {
        JsonHttp::send(h.context.link, QString());
        steps.reply =
            std::max(steps.reply, timed([&] { h.transport.reply(h.transport.count() - 1, reply); }));
        steps.redraw = std::max(steps.redraw, timed([&] {
                                    page->INIT();
                                    const int row = page->RadioAdok->selectedRow();
                                    for (int shown = row - 2; shown <= row + 2; ++shown)
                                        page->RadioAdok->title(shown);
                                }));
    }
    QQuickView view;
    view.engine()->addImportPath(QStringLiteral("qrc:/qt/qml"));
    view.setInitialProperties({{QStringLiteral("page"), QVariant::fromValue<QObject*>(page.get())}});
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(390, 844);
    steps.firstFrame = timed([&] {
        view.setSource(QUrl(QStringLiteral("qrc:/qt/qml/Otthon/qml/SceneLoader.qml")));
        QEventLoop loop;
        QObject::connect(&view, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
        view.show();
        loop.exec();
    });
    return steps;
}

} // namespace

std::vector<NamedReply> longTextReplies() {
    return {{QStringLiteral("one name of 1,000,000 characters"), oneLongName(1'000'000)},
            {QStringLiteral("one name of 200,000 characters"), oneLongName(200'000)},
            {QStringLiteral("names of 256 characters up to the cap"), manyNames(256)}};
}

qint64 visitRadio(const std::vector<NamedReply>& replies, int rounds) {
    std::vector<NamedReply> visits{{QStringLiteral("the sample reply"), testing::sampleReplyBytes()}};
    visits.insert(visits.end(), replies.begin(), replies.end());
    visit(visits.front().bytes); // warm: the QML types and the pictures
    std::printf("a visit to the radio page, best of %d rounds (ms):\n  %-40s %8s %8s %12s\n", rounds, "reply",
                "arrival", "redraw", "first frame");
    qint64 worst = 0;
    qint64 sampleFrame = 0;
    for (const auto& [name, reply] : visits) {
        Visit best{INT64_MAX, INT64_MAX, INT64_MAX};
        for (int round = 0; round < rounds; ++round) {
            const Visit steps = visit(reply);
            best = {std::min(best.reply, steps.reply), std::min(best.redraw, steps.redraw),
                    std::min(best.firstFrame, steps.firstFrame)};
        }
        std::printf("  %-40s %8.3f %8.3f %12.3f  (%lld bytes)\n", qPrintable(name), double(best.reply) / 1e6,
                    double(best.redraw) / 1e6, double(best.firstFrame) / 1e6,
                    static_cast<long long>(reply.size()));
        if (sampleFrame == 0)
            sampleFrame = best.firstFrame;
        worst = std::max({worst, best.reply, best.redraw, best.firstFrame - sampleFrame});
    }
    return worst;
}

} // namespace otthon::bench
