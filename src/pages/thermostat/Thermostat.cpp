#include "pages/thermostat/Thermostat.h"

#include "link/Commands.h"
#include "link/WholeNumber.h"
#include "pages/SensorText.h"
#include "platform/AlertPort.h"

#include <QPointer>

namespace otthon {

namespace {
QString degrees(const QString& number) {
    return u' ' + number + QStringLiteral(" °C ");
}
} // namespace

Thermostat::Thermostat(PageContext& context, const ThermostatTwin& twin, QObject* parent)
    : ControlPage(context, twin.restorationIdentifier.toString(), parent), twin_(twin) {
    setSpinner(Spiner);

    // What the layout gives: texts, the setpoint range, and which control triggers which action.
    Head->setText(twin.headText.toString());
    TmpBtn->setTitle(QStringLiteral("Beállít"));
    PluszBtn->setTitle(QStringLiteral("+"));
    MinuszBtn->setTitle(QStringLiteral("−"));
    TmpSlider->setRange(SetpointMinimum, SetpointMaximum);
    connect(MinuszBtn, &Button::tapped, this, &Thermostat::Minusz);
    connect(PluszBtn, &Button::tapped, this, &Thermostat::Plusz);
    connect(TmpSlider, &Slider::valueChangedByUser, this, &Thermostat::Sliderchage);
    connect(TmpBtn, &Button::tapped, this, &Thermostat::Set);
    connect(Futes, &Switch::toggledByUser, this, &Thermostat::Kapcsol);
}

void Thermostat::viewDidLoad() {
    INIT();
    Head->setBackgroundColor(headBackground());
    Futes->setRotation(SwitchRotation);
    Futes->setBackgroundColor(QColor(Qt::blue));
    Futes->setCornerRadius(SwitchCornerRadius);
    startRefreshTimer();
    drawBackground();
}

void Thermostat::INIT() {
    Hatterkep = twin_.background.toString();
    const StatusModel& m = model();
    // The setpoint and the mode of a draft stay as the user set them until they are sent or the page is left.
    if (!m.Draft) {
        TmpTxt->setText(degrees(m.Known() ? QString::number(m.*twin_.setTmp) : QStringLiteral("–")));
        Futes->setOn(m.*twin_.futesBe);
        TmpSlider->setValue(float(m.*twin_.setTmp));
    }
    TmpDB->setText(QStringLiteral(" Hőmérséklet ") + sensorText(m.*twin_.tmp) + QStringLiteral(" °C "));
    ParaDB->setText(QStringLiteral(" Páratartalom ") + sensorText(m.*twin_.hum) + QStringLiteral(" % "));
    Futes->setEnabled(m.Connected);
    showConnection();
    for (ViewElement* control : QList<ViewElement*>{TmpBtn, TmpSlider, TmpTxt, MinuszBtn, PluszBtn})
        control->setEnabled(m.Connected);
    ParaDB->setHidden(true);
    Spiner->stopAnimating();
}

void Thermostat::step(float delta) {
    const float value = TmpSlider->value();
    if (delta < 0 ? !(value > TmpSlider->minimum()) : !(value < TmpSlider->maximum()))
        return;
    model().Draft = true;
    TmpSlider->setValue(value + delta);
    model().*twin_.setTmp = qint64(TmpSlider->value());
    Sliderchage();
}

void Thermostat::Minusz() {
    step(-1.0f);
}

void Thermostat::Plusz() {
    step(1.0f);
}

void Thermostat::Sliderchage() {
    model().Draft = true;
    TmpTxt->setText(degrees(wholeText(TmpSlider->value())));
}

void Thermostat::Kapcsol() {
    model().Draft = true;
    switchText() = QString::fromUtf16(Futes->isOn() ? ToHeating : ToCooling);
    QPointer<Thermostat> page(this);
    StatusModel& shared = model();
    context().alerts().show(AlertSpec{
        QStringLiteral("Figyelem!"),
        QStringLiteral("Biztos hogy átkapcsol  ") + switchText() + u'?',
        {QStringLiteral("Mégsem"), QStringLiteral("Rendben")},
        [page, &shared](int buttonIndex) {
            if (page)
                page->alertViewClickedButtonAtIndex(buttonIndex);
            else
                shared.Draft = false; // the page is gone: nothing to send, but the draft ends
        },
    });
}

void Thermostat::alertViewClickedButtonAtIndex(int buttonIndex) {
    if (buttonIndex != 0)
        beallitas();
    else
        Futes->setOn(switchText() != QStringView(ToHeating));
    // Answered either way: neither the draft nor the mode change holds the poll any longer.
    model().Draft = false;
    model().CommandSettling = false;
}

QList<ViewElement*> Thermostat::gatedControls() const {
    return {TmpBtn, TmpSlider, TmpTxt, MinuszBtn, PluszBtn, Futes};
}

QString Thermostat::formCommand() {
    heating_ = Futes->isOn();
    return commands::thermostat(twin_.room.toString(), TmpSlider->value(), heating_);
}

void Thermostat::writeOptimistic() {
    model().*twin_.setTmp = qint64(TmpSlider->value());
    model().*twin_.futesBe = heating_;
}

} // namespace otthon
