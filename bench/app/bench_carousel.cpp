// Swipes the real app (window, scenes and all) back and forth and reports resident memory and live timers
// after 10 and after 1,000 swipes. Run offscreen: QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software.
#include "app/Application.h"

#include <QFile>
#include <QGuiApplication>
#include <QQuickStyle>
#include <QTextStream>

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

void swipe(otthon::Application& app, int count, int& done) {
    for (int i = 0; i < count; ++i, ++done) {
        // Five steps to the last page, five back: every page is made and discarded over and over.
        app.root().swipe((done / 5) % 2 == 0 ? 1 : -1);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication qtApp(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    // Nothing listens there: polls fail at once and the app keeps running as it would with the link down.
    otthon::Application app(QStringLiteral("http://127.0.0.1:9/LomaViro/Lomaviro.php"));
    if (!app.start())
        return 1;
    QTextStream out(stdout);
    int done = 0;
    swipe(app, 10, done);
    const long after10 = residentKiB();
    const int timers10 = app.scheduler().activeTimers();
    swipe(app, 990, done);
    const long after1000 = residentKiB();
    const int timers1000 = app.scheduler().activeTimers();
    out << "resident after 10 swipes:    " << after10 << " KiB (" << timers10 << " timers)\n";
    out << "resident after 1000 swipes:  " << after1000 << " KiB (" << timers1000 << " timers)\n";
    out << "growth: " << (after1000 - after10) << " KiB (goal: under 1024 KiB); timers alive: " << timers1000
        << " (goal: 2, the poll and the shown page's refresh)\n";
    return 0;
}
