// The running app offscreen, run by hand. `bench_startup app` and `bench_startup reference [FILE.qml]`
// print the milliseconds from main to the first frame, the resident KiB then and the processor milliseconds
// spent by then, and exit (bench/run-startup.sh compares them); `bench_startup swipes` prints resident
// memory and live timers after 10 and after 1,000 swipes.
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

// Swipes back and forth, five steps to the last page and five back, until `done` swipes are done: every
// page is made and discarded over and over. The resident memory and the live timers after.
std::pair<long, int> swipeUntil(otthon::Application& app, int& done, int until) {
    for (; done < until; ++done) {
        app.root().swipe((done / 5) % 2 == 0 ? 1 : -1);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return {residentKiB(), app.scheduler().activeTimers()};
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
    } else if (mode == "app" || mode == "swipes") {
        // Nothing listens there: polls fail at once and the app keeps running as it would with the link down.
        app =
            std::make_unique<otthon::Application>(QStringLiteral("http://127.0.0.1:9/LomaViro/Lomaviro.php"));
        if (app->start())
            window = app->window();
    }
    if (!window) {
        QTextStream(stderr) << "usage: bench_startup app | swipes | reference [FILE.qml]\n";
        return 1;
    }
    if (mode == "swipes") {
        int done = 0;
        const auto [after10, timers10] = swipeUntil(*app, done, 10);
        const auto [after1000, timers1000] = swipeUntil(*app, done, 1000);
        QTextStream(stdout) << "resident after 10 swipes:    " << after10 << " KiB (" << timers10
                            << " timers)\n"
                            << "resident after 1000 swipes:  " << after1000 << " KiB (" << timers1000
                            << " timers)\ngrowth: " << (after1000 - after10)
                            << " KiB (goal: under 1024 KiB); timers alive: " << timers1000
                            << " (goal: 2, the poll and the shown page's refresh)\n";
        return 0;
    }
    QObject::connect(window, &QQuickWindow::frameSwapped, &qtApp, [&] {
        const double milliseconds = double(clock.nsecsElapsed()) / 1e6;
        QTextStream(stdout) << milliseconds << " " << residentKiB() << " " << cpuMilliseconds() << "\n";
        QCoreApplication::exit(0);
    });
    return QGuiApplication::exec();
}
