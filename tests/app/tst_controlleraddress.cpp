// The controller's address: typed, kept through QSettings, tried with one status poll; and the link that
// restarts on a new address without another word to the old one.
#include "app/ControllerSettings.h"
#include "app/LinkSession.h"
#include "app/RecordingTransport.h"
#include "platform/VirtualScheduler.h"
#include "platform/ui/AlertCenter.h"
#include "support/FakeHttpTransport.h"
#include "support/SampleReply.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace otthon;
using namespace otthon::testing;

namespace {
const QString kOld = QStringLiteral("http://10.0.0.1:670/LomaViro/Lomaviro.php");
const QString kNew = QStringLiteral("http://10.0.0.2:670/LomaViro/Lomaviro.php");
enum class Answer { Status, Page, Refused, NoHost, Silence };
} // namespace

class ControllerAddressTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    VirtualScheduler scheduler;
    FakeHttpTransport transport;
    AlertCenter alerts;
    QStringList restarts;

    QString settingsFile() const { return dir.filePath(QStringLiteral("otthon.conf")); }
    std::unique_ptr<ControllerSettings> sheet() {
        return std::make_unique<ControllerSettings>(settingsFile(), transport, scheduler, alerts,
                                                    [this](const QString& url) { restarts.append(url); });
    }

private slots:
    void init() {
        QFile::remove(settingsFile());
        while (alerts.isOpen())
            alerts.dismiss(alerts.topId(), 0);
        transport = FakeHttpTransport();
        scheduler = VirtualScheduler();
        restarts.clear();
    }

    // A host, host:port or whole URL is saved as the base URL and read back by the next run; what is not an
    // address is refused with its reason, and nothing is saved. A saved value that is no usable base URL
    // reads as none.
    void typedAddressIsSavedAndReadBack_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char* name, const QString& typed, const QString& saved,
                            const char* refusal) {
            QTest::newRow(name) << typed << saved << QString(refusal);
        };
        row("host", "192.168.1.7", "http://192.168.1.7:670/LomaViro/Lomaviro.php", "");
        row("host and port", " vezerlo.local:8080 ", "http://vezerlo.local:8080/LomaViro/Lomaviro.php", "");
        row("whole URL", "http://10.0.0.2/x/y.php", "http://10.0.0.2/x/y.php", "");
        row("URL that ends at the host", "http://10.0.0.2/", kNew, "");
        row("empty", "  ", "", "Nincs megadva cím.");
        row("other scheme", "https://10.0.0.2", "", "Csak http:// kezdetű cím lehet.");
        row("query", "10.0.0.2/a.php?dt=x", "", "A cím nem tartalmazhat ? vagy # jelet.");
        row("space inside", "10.0.0 .2", "", "Ez nem érvényes cím.");
        row("too long", QString(2001, u'a'), "", "A cím túl hosszú.");
    }
    void typedAddressIsSavedAndReadBack() {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QFETCH(QString, refusal);
        const auto settingsSheet = sheet();
        settingsSheet->show();
        QCOMPARE(settingsSheet->save(typed), refusal.isEmpty());
        QVERIFY(!alerts.isOpen()); // nothing tried: nothing to ask
        QCOMPARE(settingsSheet->status(), refusal);
        QCOMPARE(settingsSheet->isOpen(), !refusal.isEmpty());
        QCOMPARE(restarts, refusal.isEmpty() ? QStringList{saved} : QStringList());
        QSettings nextRun(settingsFile(), QSettings::IniFormat);
        QCOMPARE(ControllerSettings::saved(nextRun), saved);
        if (!refusal.isEmpty()) {
            nextRun.setValue(QStringLiteral("controller/baseUrl"), typed);
            QCOMPARE(ControllerSettings::saved(nextRun), QString());
        }
        QCOMPARE(transport.count(), 0);
    }

    // Trying an address is one status poll there, bound in time like every exchange, with a plain answer.
    // Saving an address whose try failed asks first, and saves only on the confirm button; another address,
    // or one that worked, is saved at once.
    void tryingAnAddressTellsWhetherItWorks_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("status");
        QTest::newRow("status document") << Answer::Status << "Működik: a vezérlő válaszolt.";
        QTest::newRow("some web page") << Answer::Page << "Nem működik: válaszolt valami, de nem a vezérlő.";
        QTest::newRow("refused") << Answer::Refused << "Nem működik: a gép elutasította a kapcsolatot.";
        QTest::newRow("no such host") << Answer::NoHost << "Nem működik: nincs ilyen gép.";
        QTest::newRow("no answer") << Answer::Silence << "Nem működik: 10 másodperc alatt nem jött válasz.";
    }
    void tryingAnAddressTellsWhetherItWorks() {
        QFETCH(Answer, answer);
        QFETCH(QString, status);
        const auto settingsSheet = sheet();
        settingsSheet->show();
        settingsSheet->test(QStringLiteral("10.0.0.2"));
        QVERIFY(settingsSheet->isTesting());
        QCOMPARE(transport.count(), 1);
        QCOMPARE(transport.url(0).toString(), kNew);
        if (answer == Answer::Status || answer == Answer::Page)
            transport.reply(0, answer == Answer::Status ? sampleReplyBytes()
                                                        : QByteArray("<html><body>It works!</body></html>"));
        else if (answer != Answer::Silence)
            transport.fail(0, answer == Answer::Refused ? HttpFailure::Refused : HttpFailure::HostNotFound);
        else {
            scheduler.advance(9.99); // the probe waits as long as the link's own exchanges, no less
            QVERIFY(settingsSheet->isTesting());
            scheduler.advance(0.01);
        }
        QVERIFY(!settingsSheet->isTesting());
        QVERIFY(answer != Answer::Silence || transport.isCancelled(0));
        QCOMPARE(settingsSheet->status(), status);
        QCOMPARE(settingsSheet->works(), answer == Answer::Status);
        QCOMPARE(restarts, QStringList()); // nothing saved

        const bool asks = answer != Answer::Status;
        QCOMPARE(settingsSheet->save(QStringLiteral("http://10.0.0.2")), !asks);
        if (asks) {
            QCOMPARE(alerts.title() + u'|' + alerts.message() + u'|' + alerts.buttons().join(u','),
                     QStringLiteral("Figyelem!|A cím kipróbálása nem sikerült. Biztos hogy elmenti?|"
                                    "Mégsem,Rendben"));
            QVERIFY(alerts.press(0));
            QVERIFY(settingsSheet->isOpen());
            QCOMPARE(restarts, QStringList());
            QVERIFY(!settingsSheet->save(QStringLiteral("10.0.0.2")));
            QVERIFY(alerts.press(1));
        }
        QVERIFY(!alerts.isOpen());
        QCOMPARE(restarts, QStringList{kNew});
        QVERIFY(!settingsSheet->isOpen());
        QCOMPARE(ControllerSettings::saved(QSettings(settingsFile(), QSettings::IniFormat)), kNew);
        if (asks) { // neither another address nor one whose later try worked is asked about
            for (const bool again : {false, true}) {
                settingsSheet->show();
                settingsSheet->test(QStringLiteral("10.0.0.3"));
                transport.fail(transport.count() - 1, HttpFailure::Refused);
                if (again) {
                    settingsSheet->test(QStringLiteral("10.0.0.3"));
                    transport.reply(transport.count() - 1, sampleReplyBytes());
                }
                QVERIFY(settingsSheet->save(QString(again ? "10.0.0.3" : "10.0.0.1")));
                QVERIFY(!alerts.isOpen());
            }
        }
    }

    // Under automation a session records its requests, each as the text after the base URL, also when the
    // base URL was written in capitals, and keeps the last 1,000; without automation it records none.
    void requestRecord_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<bool>("recording");
        QTest::newRow("automation") << kOld << true;
        QTest::newRow("automation, base URL in capitals")
            << "HTTP://VEZERLO.LOCAL:670/LomaViro/Lomaviro.php" << true;
        QTest::newRow("no automation") << kOld << false;
    }
    void requestRecord() {
        QFETCH(QString, base);
        QFETCH(bool, recording);
        LinkSession session(base, scheduler, transport, alerts, recording);
        session.start();
        for (int poll = 0; poll < 3; ++poll) {
            scheduler.advance(3.0);
            transport.reply(transport.count() - 1, sampleReplyBytes());
        }
        QCOMPARE(transport.count(), 4); // the first poll leaves at start
        QCOMPARE(session.sent(), recording ? QStringList(4, QString()) : QStringList());
        RecordingTransport record(transport, base);
        for (int i = 0; i <= 1000; ++i)
            record.get(QUrl(base + "?dt=kapu:K" + QString::number(i), QUrl::StrictMode), 10.0, {});
        QCOMPARE(record.sent().size(), 1000);
        QCOMPARE(record.sent().first(), QStringLiteral("?dt=kapu:K1"));
        QCOMPARE(record.sent().last(), QStringLiteral("?dt=kapu:K1000"));
    }

    // A link restarted on a new address lets go of everything under way on the old one (a poll, a gate
    // command and its hold): a late reply from there changes nothing, and from then on every request goes to
    // the new address.
    void restartSendsNothingMoreToTheOldAddress() {
        auto old = std::make_unique<LinkSession>(kOld, scheduler, transport, alerts, true);
        old->start(); // the first poll leaves at once
        transport.reply(0, sampleReplyBytes());
        scheduler.advance(3.0); // the next poll goes out, and the page takes the reply: its gates work
        ViewElement* gate = old->root().currentPage()->element(QStringLiteral("Kapu1"));
        gate->touchDown(QPointF(10, 10));
        scheduler.advance(2.5);
        QVERIFY(gate->touchUp());
        const int sentToOld = transport.count();
        QCOMPARE(old->sent(), (QStringList{"", "", "?dt=kapu:K1"}));
        QCOMPARE(transport.pendingCount(), 2);

        auto next = std::make_unique<LinkSession>(kNew, scheduler, transport, alerts, true);
        next->start();
        old->end();
        QCOMPARE(transport.pendingCount(), 1); // the new link's first poll
        QVERIFY(transport.isPending(sentToOld));
        transport.reply(1, sampleReplyBytes());
        QCOMPARE(next->state().model.Connected, false);

        scheduler.advance(30.0);
        old.reset();
        scheduler.advance(30.0);
        QCOMPARE(transport.count() - sentToOld, 21);
        for (int i = sentToOld; i < transport.count(); ++i)
            QCOMPARE(transport.url(i).toString(), kNew);
        QCOMPARE(next->sent(), QStringList(21, QString()));
    }
};

QTEST_MAIN(ControllerAddressTest)
#include "tst_controlleraddress.moc"
