#include "app/StartChoice.h"

#include <QProcess>
#include <QtTest>

using otthon::StartChoice;

// The built app run as a user runs it, with no display at all: help, version and a wrong command line are
// answered without one, and a wrong command line ends with exit code 2 before any window could open. Then the
// choice of controller that the command line and the saved address make.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // standard output, then standard error
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--controller <url>";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "otthon " OTTHON_VERSION;
        QTest::newRow("unknown option")
            << QStringList{"--colour"} << 2 << "Unknown option 'colour'.\nTry 'otthon --help'";
        QTest::newRow("not http") << QStringList{"--controller=ftp://192.168.1.100/x", "--demo"} << 2
                                  << "--controller needs an http URL";
        QTest::newRow("size too small")
            << QStringList{"--size", "844x39"} << 2 << "The size '844x39' is not <width>x<height>";
    }
    void answersWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess app;
        app.setProcessEnvironment(environment);
        app.start(QStringLiteral(OTTHON_APP_BINARY), arguments);
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), exitCode);
        const QString said = QString::fromLocal8Bit(app.readAllStandardOutput() + app.readAllStandardError());
        QVERIFY2(said.contains(output), qPrintable(said));
    }

    // `options`: c (--controller), d (--demo), u (--demo-unless-saved); `saved`: the saved address.
    void choosesTheController_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<bool>("ask");
        QTest::addColumn<bool>("readsSaved");
        const auto row = [](const char* name, const char* options, const char* saved, const char* url,
                            bool demo, bool ask, bool readsSaved) {
            QTest::newRow(name) << QString(options) << QString(saved) << QString(url) << demo << ask
                                << readsSaved;
        };
        row("--controller wins over all", "cdu", "http://saved", "http://given", false, false, false);
        row("--demo leaves the saved address alone", "du", "http://saved", "", true, false, false);
        row("the saved address", "", "http://saved", "http://saved", false, false, true);
        row("the menu entry with an address saved", "u", "http://saved", "http://saved", false, false, true);
        row("the menu entry with none saved", "u", "", "", true, false, true);
        row("none saved: the default, and ask", "", "", "http://default", false, true, true);
    }
    void choosesTheController() {
        QFETCH(QString, options);
        QFETCH(QString, saved);
        QFETCH(bool, readsSaved);
        bool read = false;
        const StartChoice choice = otthon::chooseStart(
            options.contains(u'c') ? std::optional(QStringLiteral("http://given")) : std::nullopt,
            options.contains(u'd'), options.contains(u'u'),
            [&] {
                read = true;
                return saved;
            },
            QStringLiteral("http://default"));
        QTEST(choice.baseUrl, "url");
        QTEST(choice.demo, "demo");
        QTEST(choice.askForAddress, "ask");
        QCOMPARE(read, readsSaved);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
