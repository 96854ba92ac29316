#include "app/RootViewController.h"
#include "link/ModelCopy.h"
#include "link/ModelFields.h"
#include "link/ModelJson.h"
#include "platform/ui/Button.h"
#include "platform/ui/Picker.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "support/PageHarness.h"
#include "support/SampleReply.h"

#include <QtTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

// A connected app whose model holds the sample reply, with `settings` ("Field=number ...") changed before the
// screen `id` loads.
struct Connected {
    Connected(const QString& id, const QString& settings) {
        copyReplyIntoModel(StatusTree(sampleReply()), h.model());
        h.model().StatusDocument = StatusTree(sampleReply());
        for (const QString& setting : settings.split(u' ', Qt::SkipEmptyParts))
            forEachModelField(h.model(), [&](const char* name, auto&& field, auto) {
                using Field = std::remove_reference_t<decltype(field)>;
                if constexpr (std::is_arithmetic_v<Field> && !std::is_const_v<Field>)
                    if (setting.section(u'=', 0, 0) == QLatin1String(name))
                        field = Field(setting.section(u'=', 1).toLongLong());
            });
        if (!id.isEmpty()) {
            owned = h.navigation.instantiate(id);
            owned->loadViewIfNeeded();
            screen = owned.get();
        }
    }

    // A step "verb:element[:argument]" as a finger does it; false when the element refused it. "hold:E:s"
    // keeps a finger down for s seconds ("down:E" and "cancel:E" its two ends apart), "wait:s" lets time
    // pass, "alert:i" answers the alert.
    bool perform(const QString& step) {
        const QStringList f = step.split(u':');
        const QString verb = f.value(0);
        if (verb == "wait")
            return h.scheduler.advance(f.at(1).toDouble()), true;
        if (verb == "alert")
            return h.alerts.press(f.at(1).toInt());
        QObject* element = screen->outlet(f.at(1));
        const QString argument = f.value(2);
        auto* view = qobject_cast<ViewElement*>(element);
        if (verb == "down")
            return view->touchDown(QPointF(10, 10)), true;
        if (verb == "cancel")
            return view->touchCancel(), true;
        if (verb == "hold") {
            view->touchDown(QPointF(10, 10));
            h.scheduler.advance(argument.toDouble());
            view->touchUp();
            return true;
        }
        if (verb == "tap")
            return qobject_cast<Button*>(element)->tap();
        if (verb == "toggle")
            return qobject_cast<Switch*>(element)->toggle(argument == "1");
        if (verb == "segment")
            return qobject_cast<SegmentedControl*>(element)->select(argument.toInt());
        if (verb == "pick")
            return qobject_cast<Picker*>(element)->pick(argument.toInt());
        if (verb == "slide")
            return qobject_cast<Slider*>(element)->slide(argument.toDouble());
        return false;
    }

    // "Field" of the model (a path such as "StatusDocument/5/1/0" into the kept reply) or "@Element.property"
    // of the screen, as text.
    QString read(const QString& name) const {
        if (name.startsWith(u'@'))
            return screen->outlet(name.mid(1).section(u'.', 0, 0))
                ->property(name.section(u'.', 1).toLatin1())
                .toString();
        const QStringList path = name.split(u'/');
        QJsonValue value = modelToJson(h.state.model).value(path.first());
        for (qsizetype i = 1; i < path.size(); ++i)
            value = value.toArray().at(path.at(i).toInt());
        return value.toVariant().toString();
    }

    PageHarness h{true};
    std::unique_ptr<Screen> owned;
    Screen* screen = nullptr;
};

} // namespace

// What a user action sends, what it writes into the model before the controller answers, and when it is
// refused; the gates' press time; what a swipe ends.
class CommandRulesTest : public QObject {
    Q_OBJECT

private slots:
    // Sample reply: Nappali 23 cooling, Háló 20 heating, radio 40 on station 2 of 3, pool on, its slots 6:30
    // 15 and 18:0 60, irrigation Z2 6:30 15 first. A step marked "!" must be refused; `sent` is every
    // command, in order.
    void actions_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("written"); // "name=text ..." read at once after the steps
        const auto row = [](const char* name, const char* screen, const char* settings, const char* steps,
                            const char* sent, const char* written) {
            QTest::newRow(name) << QString::fromUtf8(screen) << QString(settings) << QString(steps)
                                << QString(sent) << QString(written);
        };
        // Optimistic writes: a dragged value goes out rounded and is stored truncated.
        row("living room drag", "Nappali", "", "slide:NappaliSlider:21.6 tap:NappaliTmpBtn",
            "?dt=temp:Nappali:22:0:0", "NappaliSetTmp=21 HaloSetTmp=20 CommandInFlight=true");
        row("bedroom plus", "Háló", "", "tap:HaloPluszBtn tap:HaloTmpBtn", "?dt=temp:Halo:21:0:1",
            "HaloSetTmp=21 NappaliSetTmp=23");
        row("living room heating, Rendben", "Nappali", "", "toggle:Futes:1 alert:1",
            "?dt=temp:Nappali:23:0:1", "NappaliFutesBe=true HaloFutesBe=true");
        row("bedroom cooling, Rendben", "Háló", "", "toggle:HaloFutes:0 alert:1", "?dt=temp:Halo:20:0:0",
            "HaloFutesBe=false NappaliFutesBe=false");
        row("bedroom cooling, Mégsem", "Háló", "", "toggle:HaloFutes:0 alert:0", "",
            "HaloFutesBe=true @HaloFutes.on=true CommandInFlight=false");
        row("radio play", "Rádió", "", "pick:RadioAdok:601 slide:RadioSlider:42.7 tap:RadioPlay",
            "?dt=radio:BE:43:1", "RadioAdo=1 RadioHangero=42 RadioBe=1");
        row("radio play, its hold ends", "Rádió", "",
            "pick:RadioAdok:601 slide:RadioSlider:42.7 tap:RadioPlay wait:3", "?dt=radio:BE:43:1",
            "@RadioSlider.value=42 @RadioAdok.selectedRow=601 CommandInFlight=false");
        row("radio stop", "Rádió", "", "tap:RadioStop", "?dt=radio:KI", "RadioBe=0 RadioHangero=40");
        row("pool off", "Medence", "", "segment:MedenceOnOff:0", "?dt=Allsett:Medence:0",
            "MedenceBe=false CommandInFlight=true");
        row("pool slot changed", "medence", "IdopontIndex=0",
            "pick:IdoOra:608 pick:IdoPerc:604 tap:MedenceSet", "?dt=Poolup:9:5:15:6:30:15",
            "StatusDocument/5/0/0=9:5 StatusDocument/5/0/1=15 StatusDocument/5/1/0=18:0");
        row("irrigation slot changed", "ontozo", "IdopontIndex=0",
            "pick:OntozoZonak:604 pick:OntozoIdotartam:619 tap:OntozoBeallitasSet",
            "?dt=Ontozoup:6:30:20:Z5:6:30:15:Z2",
            "StatusDocument/1/0/0=Z5 StatusDocument/1/0/1=6:30 StatusDocument/1/0/2=20");
        // Refusals: at the slider's ends, while it rains, and while the page's last command settles (3 s).
        row("plus at the maximum", "Háló", "HaloSetTmp=35", "tap:HaloPluszBtn", "",
            "HaloSetTmp=35 CommandInFlight=false");
        row("minus at the minimum", "Nappali", "NappaliSetTmp=5", "tap:NappaliMinuszBtn", "",
            "NappaliSetTmp=5 CommandInFlight=false");
        row("zone switching while it rains", "Öntöző", "Rain=1", "!tap:OntozoBeKi", "",
            "@OntozoBeKi.enabled=false");
        row("zone switching while dry", "Öntöző", "", "tap:OntozoBeKi", "", "@OntozoBeKi.enabled=true");
        row("thermostat holds 3 s", "Nappali", "",
            "tap:NappaliTmpBtn !tap:NappaliPluszBtn wait:2.99 !tap:NappaliTmpBtn wait:0.01 tap:NappaliTmpBtn",
            "?dt=temp:Nappali:23:0:0 ?dt=temp:Nappali:23:0:0", "CommandInFlight=true");
        row("radio holds 3 s", "Rádió", "",
            "tap:RadioPlay !tap:RadioStop !pick:RadioAdok:601 wait:3 tap:RadioStop",
            "?dt=radio:BE:40:2 ?dt=radio:KI", "RadioBe=0");
        row("pool switch holds 3 s", "Medence", "",
            "segment:MedenceOnOff:0 !segment:MedenceOnOff:1 wait:3 segment:MedenceOnOff:1",
            "?dt=Allsett:Medence:0 ?dt=Allsett:Medence:1", "MedenceBe=true");
        row("slot editor holds 3 s", "medence", "IdopontIndex=0",
            "tap:MedenceSet !tap:MedenceSet !pick:IdoOra:610 wait:3 tap:MedenceSet",
            "?dt=Poolup:6:30:15:6:30:15 ?dt=Poolup:6:30:15:6:30:15", "");
        row("zone switching holds 3 s", "OntozoKiBe", "", "toggle:Z1:1 !toggle:Z2:1 wait:3 toggle:Z1:0",
            "?dt=Ontozosett:1:1:1:0:0:0:0:0 ?dt=Ontozosett:1:0:0:0:0:0:0:0", "");
        // The gates take a press of 2 s, then each holds for its own time.
        row("gate 1 let go at 1.9 s", "Külső", "", "hold:Kapu1:1.9", "", "@OKLabel.hidden=true");
        row("gate 1 armed at 2 s", "Külső", "", "down:Kapu1 wait:2", "", "@OKLabel.hidden=false");
        row("gate 2 cancelled once armed", "Külső", "", "down:Kapu2 wait:2 cancel:Kapu2", "",
            "@OKLabel.hidden=true @Kapu2.enabled=true");
        row("gate 1 locked until 3 s", "Külső", "", "hold:Kapu1:2 wait:2.99", "?dt=kapu:K1",
            "@Kapu1.enabled=false");
        row("gate 1 free at 3 s", "Külső", "", "hold:Kapu1:2 wait:3", "?dt=kapu:K1", "@Kapu1.enabled=true");
        row("gate 1 held 2 s", "Külső", "", "hold:Kapu1:2 hold:Kapu1:2 wait:3 hold:Kapu1:2",
            "?dt=kapu:K1 ?dt=kapu:K1", "@Kapu1.enabled=false @Kapu2.enabled=true");
        row("gate 2 let go at 1.9 s", "Külső", "", "hold:Kapu2:1.9", "", "");
        row("gate 2 held 2 s", "Külső", "", "hold:Kapu2:2 wait:4.99 hold:Kapu2:2 wait:0.01 hold:Kapu2:2",
            "?dt=kapu:K2 ?dt=kapu:K2", "@Kapu2.enabled=false");
    }
    void actions() {
        QFETCH(QString, screen);
        QFETCH(QString, settings);
        QFETCH(QString, steps);
        QFETCH(QString, written);
        Connected c(screen, settings);
        for (const QString& step : steps.split(u' ')) {
            const bool refused = step.startsWith(u'!');
            QVERIFY2(c.perform(step.mid(refused ? 1 : 0)) != refused, qPrintable(step));
        }
        QTEST(c.h.sent().join(u' '), "sent");
        for (const QString& check : written.split(u' ', Qt::SkipEmptyParts))
            QCOMPARE(check.section(u'=', 0, 0) + u'=' + c.read(check.section(u'=', 0, 0)), check);
    }

    // A swipe either way ends the draft and the settling command of the page it leaves, also at either end
    // of the carousel, where one of the neighbours is missing.
    void swipesEndTheDraft_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("draft");
        QTest::newRow("back from the last page") << 5 << -1 << "tap:RadioUp";
        QTest::newRow("on from the first page") << 0 << 1 << "";
        QTest::newRow("back from the living room") << 1 << -1 << "tap:NappaliMinuszBtn";
        QTest::newRow("on from the bedroom") << 2 << 1 << "slide:HaloSlider:30";
    }
    void swipesEndTheDraft() {
        QFETCH(int, page);
        QFETCH(int, direction);
        QFETCH(QString, draft);
        Connected c({}, {});
        RootViewController root(c.h.context);
        root.viewDidLoad();
        QVERIFY(root.showPage(page));
        beginSettling(c.h.model()); // a command of the page still settles
        c.screen = root.currentPage();
        QVERIFY(draft.isEmpty() ? (c.h.model().Draft = true) : c.perform(draft));
        QVERIFY(c.h.model().Draft);
        QVERIFY(root.swipe(direction));
        QVERIFY(!c.h.model().CommandInFlight());
    }
};

QTEST_GUILESS_MAIN(CommandRulesTest)
#include "tst_commandrules.moc"
