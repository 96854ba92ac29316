#pragma once

#include "pages/ControlPage.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"

namespace otthon {

// The irrigation page: whether the controller reports rain, whether it is reachable, and the buttons to the
// overlap summary, to zone switching and to the schedule list. Zone switching is refused while it rains, and
// a caption under its button says so. The page sends nothing; its refresh tick redraws also while a command
// is settling.
class OntozoViewController : public otthon::ControlPage {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    OTTHON_OUTLET(ImageView, RainImage)
    OTTHON_OUTLET(Button, OntozoOsszefoglalas)
    OTTHON_OUTLET(Button, OntozoBeKi)
    OTTHON_OUTLET(Button, OntozoBeallitas)
    OTTHON_OUTLET(Label, RainCaption)

public:
    static constexpr char RainPicture[] = "eso.png";
    static constexpr char16_t RainText[] = u"Esőben nem kapcsolható";
    // The screens the three buttons open.
    static constexpr char16_t SummaryScreen[] = u"OntozoOsszefoglalas";
    static constexpr char16_t SwitchingScreen[] = u"OntozoKiBe";
    static constexpr char16_t ScheduleScreen[] = u"OntozoTable";

    explicit OntozoViewController(PageContext& context, QObject* parent = nullptr);

    QString scene() const override {
        return QStringLiteral("qrc:/qt/qml/Otthon/Pages/irrigation/OntozoViewController.qml");
    }
    void viewDidLoad() override;
    void INIT() override;
};

} // namespace otthon
