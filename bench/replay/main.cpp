// The slowest redraw of any screen from any reply of a corpus (the fuzzer's by default), best of `rounds`,
// against a 60 Hz frame; without files named, also the longest texts the size cap allows, and a visit to the
// radio page with them (bench/README.md). Release build, offscreen: bench_replay [rounds] [file or folder...]
#include "LongTexts.h"
#include "ReplyPath.h"
#include "pages/PageRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQuickStyle>

#include <algorithm>
#include <cstdio>
#include <map>

using namespace otthon;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QLoggingCategory::setFilterRules(QStringLiteral("otthon.*.info=false"));
    QStringList args = app.arguments().mid(1);
    const int rounds = args.isEmpty() ? 5 : std::max(1, args.takeFirst().toInt());
    const bool longTexts = args.isEmpty();
    if (args.isEmpty())
        args.append(QStringLiteral(OTTHON_CORPUS));
    QStringList files;
    for (const QString& arg : args) {
        const QDir dir(arg);
        if (!dir.exists())
            files.append(arg);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            files.append(dir.filePath(name));
    }

    struct Slowest {
        qint64 nanoseconds = 0;
        QString file, screen;
    } slowest;
    const auto replay = [&](const QByteArray& reply, const QString& name) {
        std::map<QString, qint64> best;
        for (int round = 0; round < rounds; ++round)
            testing::runReply(reply, [&best](const QString& screen, qint64 nanoseconds) {
                const auto [at, added] = best.emplace(screen, nanoseconds);
                at->second = std::min(at->second, nanoseconds);
            });
        for (const auto& [screen, nanoseconds] : best)
            if (nanoseconds > slowest.nanoseconds)
                slowest = {nanoseconds, name, screen};
    };
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        replay(file.readAll(), QFileInfo(path).fileName());
    }
    const std::vector<bench::NamedReply> generated =
        longTexts ? bench::longTextReplies() : decltype(generated){};
    for (const auto& [name, reply] : generated)
        replay(reply, name);
    std::printf("%lld replies x %zu screens, best of %d rounds each\n",
                static_cast<long long>(files.size() + generated.size()), everyScreen().size(), rounds);
    std::printf("slowest redraw: %.3f ms (%s, %s); one frame at 60 Hz: 16.667 ms\n",
                double(slowest.nanoseconds) / 1e6, qPrintable(slowest.screen), qPrintable(slowest.file));
    const qint64 worst =
        std::max(slowest.nanoseconds, generated.empty() ? 0 : bench::visitRadio(generated, rounds));
    return worst > 16'666'667 ? 2 : 0;
}
