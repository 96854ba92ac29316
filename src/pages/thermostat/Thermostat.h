#pragma once

#include "pages/ControlPage.h"
#include "pages/thermostat/ThermostatTwin.h"
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
class Thermostat : public otthon::ControlPage {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")

    // Set first: the outlets below are filed under the names it gives.
    const ThermostatTwin& twin_;

    OTTHON_NAMED_OUTLET(Label, TmpDB, twin_.tmpDB.toString())
    OTTHON_NAMED_OUTLET(Label, ParaDB, twin_.paraDB.toString())
    OTTHON_NAMED_OUTLET(Label, TmpTxt, twin_.tmpTxt.toString())
    OTTHON_NAMED_OUTLET(Slider, TmpSlider, twin_.slider.toString())
    OTTHON_NAMED_OUTLET(Button, TmpBtn, twin_.tmpBtn.toString())
    OTTHON_NAMED_OUTLET(Button, PluszBtn, twin_.pluszBtn.toString())
    OTTHON_NAMED_OUTLET(Button, MinuszBtn, twin_.minuszBtn.toString())
    OTTHON_NAMED_OUTLET(Switch, Futes, twin_.futes.toString())
    OTTHON_NAMED_OUTLET(ActivityIndicator, Spiner, twin_.spiner.toString())
    OTTHON_NAMED_OUTLET(Label, Head, twin_.head.toString())

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
    QString scene() const override {
        return QStringLiteral("qrc:/qt/qml/Otthon/Pages/thermostat/Thermostat.qml");
    }
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

protected:
    QList<Label*> valueLabels() const override { return {TmpDB, ParaDB, TmpTxt}; }
    bool* readyFlag() override { return &(context().state.*twin_.ready); }
    QList<ViewElement*> gatedControls() const override;
    QString formCommand() override;
    void writeOptimistic() override;

private:
    // Moves the setpoint one degree, unless the slider already stands at that end.
    void step(float delta);
    QString& switchText() const { return context().state.*twin_.switchText; }

    bool heating_ = true; // the mode read for the command being applied
};

} // namespace otthon
