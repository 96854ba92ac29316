#pragma once

#include "pages/ControlPage.h"
#include "pages/home/ThermostatTwin.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"

namespace otthon {

// A room thermostat page: the measured temperature, the setpoint (slider, plus and minus, sent by the set
// button) and the heating/cooling switch, whose change is sent once the user confirms it. The two rooms share
// this behaviour; their twin says which names, model fields and command word each one uses. The elements are
// filed under the room's own outlet names; QML reaches them through the properties below, which are the same
// for both rooms.
class Thermostat : public ControlPage {
    Q_OBJECT
    Q_PROPERTY(otthon::Label* TmpDB MEMBER TmpDB CONSTANT)
    Q_PROPERTY(otthon::Label* ParaDB MEMBER ParaDB CONSTANT)
    Q_PROPERTY(otthon::Label* TmpTxt MEMBER TmpTxt CONSTANT)
    Q_PROPERTY(otthon::Slider* TmpSlider MEMBER TmpSlider CONSTANT)
    Q_PROPERTY(otthon::Button* TmpBtn MEMBER TmpBtn CONSTANT)
    Q_PROPERTY(otthon::Button* PluszBtn MEMBER PluszBtn CONSTANT)
    Q_PROPERTY(otthon::Button* MinuszBtn MEMBER MinuszBtn CONSTANT)
    Q_PROPERTY(otthon::Switch* Futes MEMBER Futes CONSTANT)
    Q_PROPERTY(otthon::ActivityIndicator* Spiner MEMBER Spiner CONSTANT)
    Q_PROPERTY(otthon::Label* Head MEMBER Head CONSTANT)

public:
    // The setpoint range of the slider, in whole degrees Celsius: what the controller accepts.
    static constexpr float SetpointMinimum = 5;
    static constexpr float SetpointMaximum = 35;
    static constexpr double SwitchRotation = 90;
    static constexpr double SwitchCornerRadius = 16;
    static constexpr char16_t ToHeating[] = u"fűtésre";
    static constexpr char16_t ToCooling[] = u"hűtésre";

    Thermostat(PageContext& context, const ThermostatTwin& twin, QObject* parent = nullptr);

    const ThermostatTwin& twin() const { return twin_; }
    QString className() const override { return twin_.className.toString(); }
    QString scene() const override { return QStringLiteral("qrc:/qt/qml/Otthon/Pages/home/Thermostat.qml"); }
    void viewDidLoad() override;
    void INIT() override;

    // The controls' actions.
    void Minusz();
    void Plusz();
    void Sliderchage();
    void Set() { beallitas(); }
    void Kapcsol();
    // The mode confirmation: 0 is "Mégsem", anything else "Rendben".
    void alertViewClickedButtonAtIndex(int buttonIndex);

    Label* TmpDB;
    Label* ParaDB;
    Label* TmpTxt;
    Slider* TmpSlider;
    Button* TmpBtn;
    Button* PluszBtn;
    Button* MinuszBtn;
    Switch* Futes;
    ActivityIndicator* Spiner;
    Label* Head;

protected:
    bool* readyFlag() override { return &(context().state.*twin_.ready); }
    QList<ViewElement*> gatedControls() const override;
    QString formCommand() override;
    void writeOptimistic() override;

private:
    // Moves the setpoint one degree, unless the slider already stands at that end.
    void step(float delta);
    QString& switchText() const { return context().state.*twin_.switchText; }

    const ThermostatTwin& twin_;
    bool heating_ = true; // the mode read for the command being applied
};

} // namespace otthon
