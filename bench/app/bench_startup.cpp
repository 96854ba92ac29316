// Cold start to first frame. `bench_startup app` starts the whole app, `bench_startup reference` the
// reference window (Reference.qml: a Quick Controls window with a six-page SwipeView and a PageIndicator,
// compiled the same way as the app's scenes); `bench_startup reference FILE.qml` loads another QML file in
// its place, to see what a scene costs. Each prints the milliseconds from entering main to the first frame,
// the resident memory at that frame in KiB and the processor time spent by then (all threads, in ms), then
// exits. bench/run-startup.sh runs both in turns as fresh processes and compares the medians.
#include "app/Application.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTextStream>

#include <memory>

#include <sys/resource.h>

namespace {

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// User and system time of the whole process (every thread) so far.
double cpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QGuiApplication qtApp(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("app");

    std::unique_ptr<otthon::Application> app;
    std::unique_ptr<QQmlApplicationEngine> bare;
    QQuickWindow* window = nullptr;
    if (mode == "reference") {
        bare = std::make_unique<QQmlApplicationEngine>();
        bare->addImportPath(QStringLiteral("qrc:/qt/qml"));
        bare->load(argc > 2 ? QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2]))
                            : QUrl(QStringLiteral("qrc:/qt/qml/BenchStartup/Reference.qml")));
        window = qobject_cast<QQuickWindow*>(bare->rootObjects().value(0));
    } else if (mode == "app") {
        // Nothing listens there; the first poll would come long after the first frame anyway.
        app =
            std::make_unique<otthon::Application>(QStringLiteral("http://127.0.0.1:9/LomaViro/Lomaviro.php"));
        if (app->start())
            window = app->window();
    }
    if (!window) {
        QTextStream(stderr) << "usage: bench_startup app | reference [FILE.qml]\n";
        return 1;
    }
    QObject::connect(window, &QQuickWindow::frameSwapped, &qtApp, [&] {
        const double milliseconds = double(clock.nsecsElapsed()) / 1e6;
        QTextStream(stdout) << milliseconds << " " << residentKiB() << " " << cpuMilliseconds() << "\n";
        QCoreApplication::exit(0);
    });
    return QGuiApplication::exec();
}
