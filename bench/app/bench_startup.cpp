// Cold start to first frame: `bench_startup app` starts the whole app, `bench_startup empty` an empty Qt
// Quick window (a QML Window of the same size, loaded by a QML engine); each prints the milliseconds from
// entering main to the first frame and exits. bench/run-startup.sh runs both many times as fresh processes
// and compares the medians.
#include "app/Application.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTextStream>

#include <memory>

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QGuiApplication qtApp(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    const bool empty = argc > 1 && QByteArray(argv[1]) == "empty";

    std::unique_ptr<otthon::Application> app;
    std::unique_ptr<QQmlApplicationEngine> bare;
    QQuickWindow* window = nullptr;
    if (empty) {
        bare = std::make_unique<QQmlApplicationEngine>();
        // A QML file named after "empty" is loaded instead, to see what a scene costs.
        if (argc > 2)
            bare->load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2])));
        else
            bare->loadData(
                "import QtQuick\nWindow { width: 390; height: 844; visible: true; color: \"black\" }\n");
        window = qobject_cast<QQuickWindow*>(bare->rootObjects().value(0));
        if (!window)
            return 1;
    } else {
        app =
            std::make_unique<otthon::Application>(QStringLiteral("http://127.0.0.1:9/LomaViro/Lomaviro.php"));
        if (!app->start())
            return 1;
        window = app->window();
    }
    QObject::connect(window, &QQuickWindow::frameSwapped, &qtApp, [&] {
        QTextStream(stdout) << clock.nsecsElapsed() / 1e6 << "\n";
        QCoreApplication::exit(0);
    });
    return QGuiApplication::exec();
}
