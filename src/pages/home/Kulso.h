#pragma once

#include "pages/ControlPage.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/LongPress.h"

namespace otthon {

// The outside page: temperature, humidity (kept hidden) and air pressure, and the two yard gates. A gate
// opens when its button is held for 2 s and released; each gate button shows the padlock the controller
// reports.
class Kulso : public ControlPage {
    Q_OBJECT
    Q_PROPERTY(otthon::Label* KulsoTmpLabel MEMBER KulsoTmpLabel CONSTANT)
    Q_PROPERTY(otthon::Label* KulsoHumLabel MEMBER KulsoHumLabel CONSTANT)
    Q_PROPERTY(otthon::Label* KulsoLegnyomas MEMBER KulsoLegnyomas CONSTANT)
    Q_PROPERTY(otthon::Label* OKLabel MEMBER OKLabel CONSTANT)
    Q_PROPERTY(otthon::Button* Kapu1 MEMBER Kapu1 CONSTANT)
    Q_PROPERTY(otthon::Button* Kapu2 MEMBER Kapu2 CONSTANT)
    Q_PROPERTY(otthon::Label* KulsoHead MEMBER KulsoHead CONSTANT)
    Q_PROPERTY(otthon::ActivityIndicator* KulsoSpiner MEMBER KulsoSpiner CONSTANT)
    Q_PROPERTY(otthon::LongPress* LPG_Kapu1 MEMBER LPG_Kapu1 CONSTANT)
    Q_PROPERTY(otthon::LongPress* LPG_Kapu2 MEMBER LPG_Kapu2 CONSTANT)

public:
    static constexpr double KapuPressDuration = 2.0;
    static constexpr int Kapu1HoldTime = 3;
    static constexpr int Kapu2HoldTime = 5;
    static constexpr double KapuAllowableMovement = 20.0;

    explicit Kulso(PageContext& context, QObject* parent = nullptr);

    QString className() const override { return QStringLiteral("Kulso"); }
    QString scene() const override { return QStringLiteral("qrc:/qt/qml/Otthon/Pages/home/Kulso.qml"); }
    void viewDidLoad() override;
    void INIT() override;

    void LPKapuk(LongPress* recogniser);
    void Kapu1timer();
    void Kapu2timer();

    Label* KulsoTmpLabel;
    Label* KulsoHumLabel;
    Label* KulsoLegnyomas;
    Label* OKLabel;
    Button* Kapu1;
    Button* Kapu2;
    Label* KulsoHead;
    ActivityIndicator* KulsoSpiner;
    LongPress* LPG_Kapu1 = nullptr;
    LongPress* LPG_Kapu2 = nullptr;

private:
    void gateHoldEnded(Button* gate, TimerId& holdTimer);
    LongPress* makeRecogniser(Button* gate);

    QString Lakat1Be;
    QString Lakat1Ki;
    QString Lakat2Be;
    QString Lakat2Ki;
    TimerId myTimer = 0;
    TimerId myTimer2 = 0;
};

} // namespace otthon
