#include "app/AppLog.h"
#include "app/Application.h"
#include "app/Automation.h"
#include "app/StartChoice.h"
#include "link/BaseUrl.h"
#include "sim/Server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QSize>
#include <QTextStream>
#include <QUrl>

#include <memory>
#include <optional>

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Why `value` cannot serve as the controller's base URL; empty when it can.
QString controllerUrlError(const QString& value) {
    if (!otthon::isUsableBaseUrl(value))
        return QStringLiteral("--controller needs an http URL such as "
                              "http://192.168.1.100:670/LomaViro/Lomaviro.php, not '%1'")
            .arg(value.left(100));
    return {};
}

// A window size written "390x844".
std::optional<QSize> sizeOf(const QString& text) {
    const QStringList parts = text.split(u'x');
    bool wide = false;
    bool high = false;
    const QSize size = parts.size() == 2 ? QSize(parts[0].toInt(&wide), parts[1].toInt(&high)) : QSize();
    const auto fits = [](int pixels) { return pixels >= 100 && pixels <= 10000; };
    if (!wide || !high || !fits(size.width()) || !fits(size.height()))
        return std::nullopt;
    return size;
}

int usageError(const QString& message) {
    QTextStream(stderr) << "otthon: " << message << "\nTry 'otthon --help' for more information.\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setOrganizationName(QStringLiteral("otthon"));
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
    const QCommandLineOption controller(
        QStringLiteral("controller"),
        QStringLiteral("Use the controller script at <url> (the whole base URL) for this run, instead of the "
                       "saved address."),
        QStringLiteral("url"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Start the substitute controller in-process on a free loopback "
                       "port and use it; the saved address is neither read nor changed."));
    const QCommandLineOption demoUnlessSaved(
        QStringLiteral("demo-unless-saved"),
        QStringLiteral("Use the saved address; while none is saved, run as with --demo (the menu entry)."));
    const QCommandLineOption automation(
        QStringLiteral("automation"),
        QStringLiteral("Take JSON requests on standard input, one per line, and "
                       "answer each with one JSON line (docs/automation.md)."));
    const QCommandLineOption size(
        QStringLiteral("size"),
        QStringLiteral(
            "Open the window <width>x<height> pixels large (default 390x844), for example on its side."),
        QStringLiteral("size"));
    parser.addOptions({controller, demo, demoUnlessSaved, automation, size});
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
    const std::optional<QSize> windowSize = parser.isSet(size) ? sizeOf(parser.value(size)) : std::nullopt;
    if (parser.isSet(size) && !windowSize)
        return usageError(QStringLiteral("The size '%1' is not <width>x<height>, each from 100 to 10000.")
                              .arg(parser.value(size)));

    QGuiApplication qtApp(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    const otthon::StartChoice start = otthon::chooseStart(
        parser.isSet(controller) ? std::optional(parser.value(controller)) : std::nullopt, parser.isSet(demo),
        parser.isSet(demoUnlessSaved), [] { return otthon::ControllerSettings::saved(QSettings()); },
        otthon::defaultBaseUrl());
    QString baseUrl = start.baseUrl;
    otthon::Application::Options options;
    options.recordRequests = parser.isSet(automation);
    options.demo = start.demo;
    options.askForAddress = start.askForAddress;
    std::unique_ptr<otthon::sim::Server> substitute;
    if (options.demo) {
        substitute = std::make_unique<otthon::sim::Server>();
        if (substitute->start("127.0.0.1", 0) <= 0) {
            qCCritical(otthon::lcApp) << "the substitute controller could not start";
            return 1;
        }
        baseUrl = QString::fromStdString(substitute->url());
        qCInfo(otthon::lcApp).noquote() << "demo: the substitute controller answers at" << baseUrl;
    }

    otthon::Application app(baseUrl, options);
    if (!app.start())
        return 1;
    if (windowSize)
        app.window()->resize(*windowSize);
    std::unique_ptr<otthon::Automation> driver;
    if (parser.isSet(automation))
        driver = std::make_unique<otthon::Automation>(app);
    const int result = QGuiApplication::exec();
    if (substitute)
        substitute->stop();
    return result;
}
