#include "app/Application.h"
#include "app/Automation.h"
#include "link/BaseUrl.h"
#include "sim/Server.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QQuickStyle>
#include <QTextStream>

#include <memory>

int main(int argc, char* argv[]) {
    QGuiApplication qtApp(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("otthon"));
    QGuiApplication::setApplicationVersion(QStringLiteral(OTTHON_VERSION));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Remote control for the household controller."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption controller(QStringLiteral("controller"),
                                        QStringLiteral("Use the controller script at <url> instead of the "
                                                       "household's own (the whole base URL)."),
                                        QStringLiteral("url"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Start the substitute controller in-process on a free loopback "
                       "port and use it."));
    const QCommandLineOption automation(
        QStringLiteral("automation"),
        QStringLiteral("Take JSON requests on standard input, one per line, and "
                       "answer each with one JSON line (docs/automation.md)."));
    parser.addOptions({controller, demo, automation});
    parser.process(qtApp);

    std::unique_ptr<otthon::sim::Server> substitute;
    QString baseUrl = otthon::defaultBaseUrl();
    if (parser.isSet(demo)) {
        substitute = std::make_unique<otthon::sim::Server>();
        const int port = substitute->start("127.0.0.1", 0);
        if (port <= 0) {
            QTextStream(stderr) << "otthon: the substitute controller could not start\n";
            return 1;
        }
        baseUrl = QStringLiteral("http://127.0.0.1:%1/LomaViro/Lomaviro.php").arg(port);
        QTextStream(stderr) << "otthon: demo controller at " << baseUrl << "\n";
    }
    if (parser.isSet(controller))
        baseUrl = parser.value(controller);

    otthon::Application app(baseUrl);
    if (!app.start())
        return 1;
    std::unique_ptr<otthon::Automation> driver;
    if (parser.isSet(automation))
        driver = std::make_unique<otthon::Automation>(app);
    const int result = QGuiApplication::exec();
    if (substitute)
        substitute->stop();
    return result;
}
