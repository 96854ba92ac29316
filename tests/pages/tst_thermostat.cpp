#include "PageHarness.h"
#include "pages/home/HaloViewController.h"
#include "pages/home/Nappali.h"

#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

// Every test runs for both rooms: the row names the room.
class ThermostatTest : public QObject {
    Q_OBJECT

    static void addRooms() {
        QTest::addColumn<QString>("room");
        QTest::newRow("Nappali") << QStringLiteral("Nappali");
        QTest::newRow("Halo") << QStringLiteral("Halo");
    }

    static std::unique_ptr<Thermostat> load(PageHarness& h) {
        QFETCH(QString, room);
        if (room == QLatin1String("Nappali"))
            return h.load<Nappali>();
        return h.load<HaloViewController>();
    }

    // A connected page whose model setpoint is `setpoint`, with the heating flag `heating`.
    static std::unique_ptr<Thermostat> connectedPage(PageHarness& h, qint64 setpoint = 22,
                                                     bool heating = true) {
        h.model().Connected = true;
        h.model().NappaliSetTmp = h.model().HaloSetTmp = setpoint;
        h.model().NappaliFutesBe = h.model().HaloFutesBe = heating;
        return load(h);
    }

    static qint64 setpoint(PageHarness& h, const Thermostat& page) { return h.model().*page.twin().setTmp; }
    static bool heating(PageHarness& h, const Thermostat& page) { return h.model().*page.twin().futesBe; }
    static bool ready(PageHarness& h, const Thermostat& page) { return h.state.*page.twin().ready; }

private slots:
    void namesFollowTheRoom_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QStringList>("outlets");
        QTest::newRow("Nappali") << "Nappali"
                                 << "Nappali"
                                 << "Nappali"
                                 << "Nappali.png"
                                 << QStringList{"ConnectionImage", "NappaliTmpDB",     "NappaliParaDB",
                                                "NappaliTmpTxt",   "NappaliSlider",    "NappaliTmpBtn",
                                                "NappaliPluszBtn", "NappaliMinuszBtn", "Futes",
                                                "NappaliSpiner",   "NappaliHead"};
        QTest::newRow("Halo") << "Halo"
                              << "HaloViewController"
                              << "Háló"
                              << "Halo.png"
                              << QStringList{"ConnectionImage", "HaloTmpDB",  "HaloParaDB",   "HaloTmpTxt",
                                             "HaloSlider",      "HaloTmpBtn", "HaloPluszBtn", "HaloMinuszBtn",
                                             "HaloFutes",       "HaloSpiner", "HaloHead"};
    }
    void namesFollowTheRoom() {
        PageHarness h;
        auto page = load(h);
        QTEST(page->className(), "className");
        QTEST(page->restorationIdentifier(), "identifier");
        QTEST(page->background(), "background");
        QTEST(page->outletNames(), "outlets");
        QCOMPARE(page->Head->backgroundColor(), ControlPage::headBackground());
        QCOMPARE(page->Futes->rotation(), 90.0);
        QCOMPARE(page->Futes->backgroundColor(), QColor(Qt::blue));
        QCOMPARE(page->Futes->cornerRadius(), 16.0);
    }

    void beforeTheFirstReply_data() { addRooms(); }
    void beforeTheFirstReply() {
        PageHarness h;
        auto page = load(h);
        QCOMPARE(page->TmpTxt->text(), QStringLiteral(" 0 °C "));
        QCOMPARE(page->TmpDB->text(), QStringLiteral(" Hőmérséklet 0.0 °C "));
        QCOMPARE(page->ParaDB->text(), QStringLiteral(" Páratartalom 0.0 % "));
        QVERIFY(page->ParaDB->isHidden());
        QVERIFY(page->Futes->isOn());
        QVERIFY(!page->connectionImage()->isHidden());
        for (ViewElement* control : QList<ViewElement*>{page->TmpBtn, page->TmpSlider, page->TmpTxt,
                                                        page->MinuszBtn, page->PluszBtn, page->Futes})
            QVERIFY(!control->isEnabled());
        QVERIFY(!page->PluszBtn->tap());
        QVERIFY(!h.model().CommandInFlight);
    }

    void redrawsFromTheModel_data() { addRooms(); }
    void redrawsFromTheModel() {
        PageHarness h;
        auto page = load(h);
        StatusModel& m = h.model();
        m.Connected = true;
        m.*page->twin().tmp = QJsonValue("21.4");
        m.*page->twin().hum = QJsonValue("48");
        m.*page->twin().setTmp = 23;
        m.*page->twin().futesBe = false;
        h.scheduler.advance(3.0);
        QCOMPARE(page->TmpTxt->text(), QStringLiteral(" 23 °C "));
        QCOMPARE(page->TmpDB->text(), QStringLiteral(" Hőmérséklet 21.4 °C "));
        QCOMPARE(page->ParaDB->text(), QStringLiteral(" Páratartalom 48 % "));
        QCOMPARE(page->TmpSlider->value(), 23.0f);
        QVERIFY(!page->Futes->isOn());
        QVERIFY(page->connectionImage()->isHidden());
        QVERIFY(page->Futes->isEnabled());
        QVERIFY(page->TmpBtn->isEnabled());
        QVERIFY(page->PluszBtn->isEnabled());
        QVERIFY(!h.model().CommandInFlight);
    }

    void stepAtTheBound_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<qint64>("model");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<QString>("label");
        QTest::addColumn<qint64>("stored");
        for (const char* room : {"Nappali", "Halo"}) {
            const QString r = QString::fromLatin1(room);
            QTest::addRow("%s plus below max", room)
                << r << qint64(34) << true << true << " 35 °C " << qint64(35);
            QTest::addRow("%s plus at max", room)
                << r << qint64(35) << true << false << " 35 °C " << qint64(35);
            QTest::addRow("%s minus above min", room)
                << r << qint64(6) << false << true << " 5 °C " << qint64(5);
            QTest::addRow("%s minus at min", room)
                << r << qint64(5) << false << false << " 5 °C " << qint64(5);
        }
    }
    void stepAtTheBound() {
        QFETCH(qint64, model);
        QFETCH(bool, plus);
        QFETCH(bool, changes);
        PageHarness h;
        auto page = connectedPage(h, model);
        QVERIFY((plus ? page->PluszBtn : page->MinuszBtn)->tap());
        QCOMPARE(h.model().CommandInFlight, changes);
        QTEST(page->TmpTxt->text(), "label");
        QTEST(setpoint(h, *page), "stored");
        QVERIFY(h.sent().isEmpty());
    }

    void applySendsRoundedStoresTruncated_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<double>("dragged");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        QTest::addColumn<qint64>("stored");
        for (const char* room : {"Nappali", "Halo"}) {
            const QString r = QString::fromLatin1(room);
            QTest::addRow("%s 21.6", room) << r << 21.6 << " 22 °C "
                                           << "22" << qint64(21);
            QTest::addRow("%s 22.5 tie to even", room) << r << 22.5 << " 22 °C "
                                                       << "22" << qint64(22);
            QTest::addRow("%s 21.5 tie to even", room) << r << 21.5 << " 22 °C "
                                                       << "22" << qint64(21);
            QTest::addRow("%s 34.9", room) << r << 34.9 << " 35 °C "
                                           << "35" << qint64(34);
        }
    }
    void applySendsRoundedStoresTruncated() {
        QFETCH(QString, room);
        QFETCH(double, dragged);
        QFETCH(QString, field);
        QFETCH(qint64, stored);
        PageHarness h;
        auto page = connectedPage(h, 30, false);
        QVERIFY(page->TmpSlider->slide(dragged));
        QVERIFY(h.model().CommandInFlight);
        QTEST(page->TmpTxt->text(), "label");
        QCOMPARE(setpoint(h, *page), 30);
        QVERIFY(page->TmpBtn->tap());
        QCOMPARE(h.sent(), QStringList{"?dt=temp:" + room + ':' + field + ":0:0"});
        QCOMPARE(setpoint(h, *page), stored);
        QVERIFY(!heating(h, *page));
        QVERIFY(!ready(h, *page));
        QVERIFY(page->Spiner->isAnimating());
        QVERIFY(!page->TmpBtn->isEnabled());
        QVERIFY(!page->Futes->isEnabled());
        h.scheduler.advance(3.0); // the hold ends; the refresh tick due at the same time still waited
        QVERIFY(ready(h, *page));
        QVERIFY(!h.model().CommandInFlight);
        QVERIFY(page->TmpBtn->isEnabled());
        QVERIFY(!page->Spiner->isAnimating());
        h.scheduler.advance(3.0);
        QCOMPARE(page->TmpTxt->text(), " " + QString::number(stored) + " °C ");
    }

    void modeAnswer_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        for (const char* room : {"Nappali", "Halo"}) {
            const QString r = QString::fromLatin1(room);
            const QString heating = QStringLiteral("Biztos hogy átkapcsol  fűtésre?");
            const QString cooling = QStringLiteral("Biztos hogy átkapcsol  hűtésre?");
            QTest::addRow("%s to heating, Rendben", room) << r << true << 1 << heating;
            QTest::addRow("%s to cooling, Rendben", room) << r << false << 1 << cooling;
            QTest::addRow("%s to heating, Mégsem", room) << r << true << 0 << heating;
            QTest::addRow("%s to cooling, Mégsem", room) << r << false << 0 << cooling;
        }
    }
    void modeAnswer() {
        QFETCH(QString, room);
        QFETCH(bool, on);
        QFETCH(int, answer);
        PageHarness h;
        auto page = connectedPage(h, 24, !on);
        QVERIFY(page->Futes->toggle(on));
        QVERIFY(h.model().CommandInFlight);
        QVERIFY(h.sent().isEmpty());
        QCOMPARE(h.alerts.title(), QStringLiteral("Figyelem!"));
        QTEST(h.alerts.message(), "message");
        QCOMPARE(h.alerts.buttons(), (QStringList{"Mégsem", "Rendben"}));
        QVERIFY(h.alerts.press(answer));
        // Either answer clears the flag at once.
        QVERIFY(!h.model().CommandInFlight);
        if (answer == 0) {
            QCOMPARE(page->Futes->isOn(), !on);
            QCOMPARE(heating(h, *page), !on);
            h.scheduler.advance(10.0);
            QVERIFY(h.sent().isEmpty());
            QVERIFY(page->Futes->isEnabled());
            return;
        }
        QCOMPARE(h.sent(), QStringList{"?dt=temp:" + room + ":24:0:" + (on ? "1" : "0")});
        QCOMPARE(heating(h, *page), on);
        QCOMPARE(setpoint(h, *page), 24);
        // The hold keeps the ready flag down until it ends.
        QVERIFY(!ready(h, *page));
        QVERIFY(!page->Futes->isEnabled());
        h.scheduler.advance(2.99);
        QVERIFY(!ready(h, *page));
        h.scheduler.advance(0.01);
        QVERIFY(ready(h, *page));
        QVERIFY(page->Futes->isEnabled());
        QCOMPARE(page->Futes->isOn(), on);
    }

    void answerAfterThePageIsGoneOnlyEndsTheLock_data() { addRooms(); }
    void answerAfterThePageIsGoneOnlyEndsTheLock() {
        PageHarness h;
        auto page = connectedPage(h, 24, false);
        QVERIFY(page->Futes->toggle(true));
        page->viewWillDisappear();
        page.reset();
        QVERIFY(h.alerts.press(1));
        QVERIFY(h.sent().isEmpty());
        QVERIFY(!h.model().CommandInFlight);
    }
};

QTEST_GUILESS_MAIN(ThermostatTest)
#include "tst_thermostat.moc"
