#include "pages/outside/Kulso.h"

#include "link/Commands.h"
#include "link/JsonHttp.h"
#include "pages/SensorText.h"

#include <QPointer>

namespace otthon {

namespace {
constexpr int Kapu1Tag = 1001;
constexpr int Kapu2Tag = 1002;
} // namespace

Kulso::Kulso(PageContext& context, QObject* parent) : ControlPage(context, QStringLiteral("Külső"), parent) {
    setSpinner(KulsoSpiner);
    // Texts that come from the layout.
    KulsoHead->setText(QStringLiteral("Külső"));
    OKLabel->setText(QStringLiteral("OK"));
    KapuTipp->setText(QStringLiteral("Tartsa nyomva %1 másodpercig").arg(KapuPressDuration));
}

void Kulso::viewDidLoad() {
    Lakat1Be = QStringLiteral("lakatbe1.png");
    Lakat1Ki = QStringLiteral("lakat1ki.png");
    Lakat2Be = QStringLiteral("lakatbe2.png");
    Lakat2Ki = QStringLiteral("lakat2ki.png");
    Lakat1 = QString::fromLatin1(Kapu1Unknown);
    Lakat2 = QString::fromLatin1(Kapu2Unknown);
    INIT();
    KulsoHead->setBackgroundColor(headBackground());
    OKLabel->setHidden(true);
    KapuTipp->setHidden(true);
    Kapu1->setTag(Kapu1Tag);
    Kapu2->setTag(Kapu2Tag);
    LPG_Kapu1 = makeRecogniser(Kapu1);
    LPG_Kapu2 = makeRecogniser(Kapu2);
    startRefreshTimer();
    drawBackground();
}

LongPress* Kulso::makeRecogniser(Button* gate) {
    auto* recogniser = new LongPress(*gate, context().scheduler());
    recogniser->setMinimumDuration(KapuPressDuration);
    recogniser->setAllowableMovement(KapuAllowableMovement);
    connect(recogniser, &LongPress::stateChanged, this, [this, recogniser] { LPKapuk(recogniser); });
    return recogniser;
}

void Kulso::INIT() {
    Hatterkep = QStringLiteral("Kulso.png");
    const StatusModel& m = model();
    KulsoTmpLabel->setText(QStringLiteral(" Hőmérséklet ") + sensorText(m.KulsoTmp) + QStringLiteral(" °C "));
    KulsoHumLabel->setText(QStringLiteral(" Páratartalom ") + sensorText(m.KulsoHum) +
                           QStringLiteral(" %  "));
    KulsoLegnyomas->setText(QStringLiteral(" Légnyomas ") + sensorText(m.KulsoNyomas) +
                            QStringLiteral(" hPa  "));
    // Before the first reply a gate is neither open nor locked.
    Kapu1->setImage(!m.Known() ? Lakat1 : m.Kapu1Lakat ? Lakat1Be : Lakat1Ki);
    Kapu2->setImage(!m.Known() ? Lakat2 : m.Kapu2Lakat ? Lakat2Be : Lakat2Ki);
    showConnection();
    // A gate whose command is settling stays locked until its hold ends.
    Kapu1->setEnabled(m.Connected && myTimer == 0);
    Kapu2->setEnabled(m.Connected && myTimer2 == 0);
    KulsoHumLabel->setHidden(true);
}

void Kulso::LPKapuk(LongPress* recogniser) {
    switch (recogniser->state()) {
    case LongPress::Began:
        tippTimer.stop();
        KapuTipp->setHidden(true);
        OKLabel->setHidden(false);
        return;
    case LongPress::Cancelled:
    case LongPress::Failed:
        // A press that ends without a release sends nothing and takes the armed sign back. One let go too
        // early on a gate that still takes presses says how long to hold.
        OKLabel->setHidden(true);
        if (recogniser->state() == LongPress::Failed && recogniser->view() &&
            recogniser->view()->acceptsGestures())
            showTipp();
        return;
    case LongPress::Ended:
        break;
    default:
        return;
    }
    OKLabel->setHidden(true);
    beginSettling(model());
    KulsoSpiner->startAnimating();
    const bool first = recogniser->view() && recogniser->view()->tag() == Kapu1Tag;
    Button* gate = first ? Kapu1 : Kapu2;
    gate->setEnabled(false);
    QPointer<Kulso> page(this);
    PageContext& ctx = context();
    auto ended = [page, link = ctx.link, first] {
        if (!page) {
            endSettling(link);
            return;
        }
        first ? page->Kapu1timer() : page->Kapu2timer();
    };
    if (first)
        myTimer = ctx.scheduler().after(Kapu1HoldTime, ended);
    else
        myTimer2 = ctx.scheduler().after(Kapu2HoldTime, ended);
    JsonHttp::send(ctx.link, commands::gate(first ? 1 : 2));
}

void Kulso::showTipp() {
    KapuTipp->setHidden(false);
    tippTimer =
        ScopedTimer(context().scheduler(),
                    context().scheduler().after(KapuTippInterval, [this] { KapuTipp->setHidden(true); }));
}

void Kulso::gateHoldEnded(Button* gate, TimerId& holdTimer) {
    context().scheduler().invalidate(holdTimer);
    holdTimer = 0;
    gate->setEnabled(model().Connected);
    if (myTimer == 0 && myTimer2 == 0)
        KulsoSpiner->stopAnimating();
    endSettling(context().link);
}

void Kulso::Kapu1timer() {
    gateHoldEnded(Kapu1, myTimer);
}

void Kulso::Kapu2timer() {
    gateHoldEnded(Kapu2, myTimer2);
}

} // namespace otthon
