#include "pages/pool/MedenceViewController.h"

#include "link/Commands.h"
#include "pages/SensorText.h"
#include "platform/ui/Navigation.h"

namespace otthon {

MedenceViewController::MedenceViewController(PageContext& context, QObject* parent)
    : ControlPage(context, QStringLiteral("Medence"), parent) {
    setSpinner(MedenceSpiner);
    // What the layout gives: the segments, the buttons' titles, and the actions.
    MedenceOnOff->setTitles({QStringLiteral("Ki"), QStringLiteral("Be")});
    MedenceBeallitas->setTitle(QStringLiteral("Időpontok"));
    MedenceOsszefoglalas->setTitle(QStringLiteral("Összefoglalás"));
    connect(MedenceOnOff, &SegmentedControl::selectedByUser, this,
            &MedenceViewController::MedenceOnOffAction);
    connect(MedenceBeallitas, &Button::tapped, this,
            [this] { this->context().navigation.perform(QString::fromUtf16(ScheduleScreen)); });
    connect(MedenceOsszefoglalas, &Button::tapped, this,
            [this] { this->context().navigation.perform(QString::fromUtf16(SummaryScreen)); });
}

void MedenceViewController::viewDidLoad() {
    INIT();
    startRefreshTimer();
    MedenceOnOff->setSelectedIndex(model().Known() ? int(model().MedenceBe) : -1);
    drawBackground();
}

void MedenceViewController::INIT() {
    Hatterkep = QStringLiteral("Medence.png");
    const StatusModel& m = model();
    MedenceTMP->setText(QStringLiteral(" Hőmérséklet ") + sensorText(m.MedenceHomerseklet) +
                        QStringLiteral(" °C "));
    showConnection();
    // Opened before the first reply, the switch shows the circulation as soon as the controller tells it.
    if (MedenceOnOff->selectedIndex() < 0 && m.Known())
        MedenceOnOff->setSelectedIndex(int(m.MedenceBe));
    for (ViewElement* control : gatedControls())
        control->setEnabled(m.Connected);
    MedenceSpiner->stopAnimating();
}

QString MedenceViewController::formCommand() {
    on_ = MedenceOnOff->selectedIndex() == 1;
    return commands::poolCirculation(on_);
}

} // namespace otthon
