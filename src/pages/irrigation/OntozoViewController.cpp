#include "pages/irrigation/OntozoViewController.h"

#include "platform/ui/Navigation.h"

namespace otthon {

OntozoViewController::OntozoViewController(PageContext& context, QObject* parent)
    : ControlPage(context, QStringLiteral("Öntöző"), parent) {
    // What the layout gives: the pictures, the buttons' titles, and where they lead.
    RainImage->setImage(QString::fromLatin1(RainPicture));
    RainCaption->setText(QString::fromUtf16(RainText));
    const auto opens = [this](Button* button, const char16_t* title, const char16_t* screen) {
        button->setTitle(QString::fromUtf16(title));
        connect(button, &Button::tapped, this,
                [this, screen] { this->context().navigation.perform(QString::fromUtf16(screen)); });
    };
    opens(OntozoOsszefoglalas, u"Összefoglalás", SummaryScreen);
    opens(OntozoBeKi, u"Kézi kapcsolás", SwitchingScreen);
    opens(OntozoBeallitas, u"Időpontok", ScheduleScreen);
}

void OntozoViewController::viewDidLoad() {
    INIT();
    drawBackground();
    startRefreshTimer();
}

void OntozoViewController::INIT() {
    Hatterkep = QStringLiteral("sprinkler_systems.png");
    const StatusModel& m = model();
    RainImage->setHidden(!m.Rain);
    RainCaption->setHidden(!m.Rain);
    showConnection();
    for (Button* button : {OntozoOsszefoglalas, OntozoBeallitas})
        button->setEnabled(m.Connected);
    OntozoBeKi->setEnabled(m.Connected && !m.Rain); // zone switching is refused while it rains
}

} // namespace otthon
