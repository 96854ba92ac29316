#include <QProcess>
#include <QtTest>

// The built app run as a user runs it, with no display at all: help, version and a wrong command line are
// answered without one, and a wrong command line ends with exit code 2 before any window could open.
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
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
