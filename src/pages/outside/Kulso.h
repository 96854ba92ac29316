#pragma once

#include "pages/ControlPage.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/LongPress.h"

namespace otthon {

// The outside page: temperature, humidity (kept hidden) and air pressure, and the two yard gates. A gate
// opens when its button is held for 2 s and released; each gate button shows the padlock the controller
// reports.
class Kulso : public otthon::ControlPage {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    OTTHON_OUTLET(Label, KulsoTmpLabel)
    OTTHON_OUTLET(Label, KulsoHumLabel)
    OTTHON_OUTLET(Label, KulsoLegnyomas)
    OTTHON_OUTLET(Label, OKLabel)
    OTTHON_OUTLET(Button, Kapu1)
    OTTHON_OUTLET(Button, Kapu2)
    OTTHON_OUTLET(Label, KulsoHead)
    // After a press too short to open a gate: how long to hold.
    OTTHON_OUTLET(Label, KapuTipp)
    OTTHON_OUTLET(ActivityIndicator, KulsoSpiner)
    // The gates' recognisers are made when the page loads; they are not outlets.
    Q_PROPERTY(otthon::LongPress* LPG_Kapu1 MEMBER LPG_Kapu1 CONSTANT)
    Q_PROPERTY(otthon::LongPress* LPG_Kapu2 MEMBER LPG_Kapu2 CONSTANT)

public:
    static constexpr double KapuPressDuration = 2.0;
    static constexpr int Kapu1HoldTime = 3;
    static constexpr int Kapu2HoldTime = 5;
    static constexpr double KapuAllowableMovement = 20.0;
    static constexpr double KapuTippInterval = 3.0;
    // The gates' pictures before the first reply: neither open nor locked.
    static constexpr char Kapu1Unknown[] = "lakat1.png";
    static constexpr char Kapu2Unknown[] = "lakat2.png";

    explicit Kulso(PageContext& context, QObject* parent = nullptr);

    QString className() const override { return QStringLiteral("Kulso"); }
    QString scene() const override { return QStringLiteral("qrc:/qt/qml/Otthon/Pages/outside/Kulso.qml"); }
    void viewDidLoad() override;
    void INIT() override;

    void LPKapuk(LongPress* recogniser);
    void Kapu1timer();
    void Kapu2timer();

    LongPress* LPG_Kapu1 = nullptr;
    LongPress* LPG_Kapu2 = nullptr;

protected:
    QList<Label*> valueLabels() const override { return {KulsoTmpLabel, KulsoHumLabel, KulsoLegnyomas}; }

private:
    void gateHoldEnded(Button* gate, TimerId& holdTimer);
    LongPress* makeRecogniser(Button* gate);
    void showTipp();

    QString Lakat1Be;
    QString Lakat1Ki;
    QString Lakat2Be;
    QString Lakat2Ki;
    QString Lakat1;
    QString Lakat2;
    TimerId myTimer = 0;
    TimerId myTimer2 = 0;
    ScopedTimer tippTimer;
};

} // namespace otthon
