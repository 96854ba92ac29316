#include "app/AppLog.h"
#include "app/Application.h"
#include "app/Automation.h"
#include "link/BaseUrl.h"
#include "sim/Server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickStyle>
#include <QTextStream>
#include <QUrl>

#include <memory>

namespace {

// Longer than any controller address; a longer value is refused.
constexpr qsizetype MaxUrlLength = 2000;

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Why `value` cannot serve as the controller's base URL; empty when it can. Commands are appended to it as
// they are, so it carries no query and no fragment of its own.
QString controllerUrlError(const QString& value) {
    const QUrl url(value, QUrl::StrictMode);
    if (value.size() > MaxUrlLength || !url.isValid() || url.scheme() != QLatin1String("http") ||
        url.host().isEmpty() || url.hasQuery() || url.hasFragment())
        return QStringLiteral("--controller needs an http URL such as "
                              "http://192.168.1.100:670/LomaViro/Lomaviro.php, not '%1'")
            .arg(value.left(100));
    return {};
}

int usageError(const QString& message) {
    QTextStream(stderr) << "otthon: " << message << "\nTry 'otthon --help' for more information.\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("otthon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OTTHON_VERSION));

    // The command line is read before the application object exists, so that help, version and a bad
    // option are answered without a display. It holds only these options: Qt's own settings come from its
    // environment variables (QT_QPA_PLATFORM and the like).
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Remote control for the household controller."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
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
    if (!parser.parse(argumentsOf(argc, argv)))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    if (parser.isSet(help) || parser.isSet(version)) {
        // Only the text needs an application object, and no display: Qt prints it and ends the process.
        QCoreApplication textOnly(argc, argv);
        parser.isSet(help) ? parser.showHelp(0) : parser.showVersion();
    }
    if (parser.isSet(controller))
        if (const QString error = controllerUrlError(parser.value(controller)); !error.isEmpty())
            return usageError(error);

    QGuiApplication qtApp(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    std::unique_ptr<otthon::sim::Server> substitute;
    QString baseUrl = otthon::defaultBaseUrl();
    if (parser.isSet(demo)) {
        substitute = std::make_unique<otthon::sim::Server>();
        const int port = substitute->start("127.0.0.1", 0);
        if (port <= 0) {
            qCCritical(otthon::lcApp) << "the substitute controller could not start";
            return 1;
        }
        baseUrl = QStringLiteral("http://127.0.0.1:%1/LomaViro/Lomaviro.php").arg(port);
        qCInfo(otthon::lcApp).noquote() << "demo: the substitute controller answers at" << baseUrl;
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
