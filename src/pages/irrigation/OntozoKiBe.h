#pragma once

#include "pages/ControlPage.h"
#include "platform/ui/Label.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Switch.h"

#include <array>

namespace otthon {

// Zone switching: the whole irrigation, the master and the six zones switched by hand. The page copies the
// eight switches from the reply when it loads (ZonaAllapot), applies the switching rules to that copy on
// every action and sends the whole copy as one command, then holds its controls for 3 s. Only one zone runs
// at a time: a zone switched on switches the others off and the master on. Master and zones can be used only
// while the whole irrigation is on. When the reply lacks one of the eight switches, the page cannot know
// them: every control stays disabled and nothing is sent.
class OntozoKiBe : public otthon::ControlPage {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    // Each control serves as two outlets: the user switches it under the first name, the page gates it (and
    // selects the segments) under the second.
    OTTHON_OUTLET(SegmentedControl, ZOsszes)
    OTTHON_OUTLET_ALIAS(teljesOntozo, ZOsszes)
    OTTHON_OUTLET(SegmentedControl, ZMaster)
    OTTHON_OUTLET_ALIAS(zonaMester, ZMaster)
    OTTHON_OUTLET(Switch, Z1)
    OTTHON_OUTLET_ALIAS(zona1, Z1)
    OTTHON_OUTLET(Switch, Z2)
    OTTHON_OUTLET_ALIAS(zona2, Z2)
    OTTHON_OUTLET(Switch, Z3)
    OTTHON_OUTLET_ALIAS(zona3, Z3)
    OTTHON_OUTLET(Switch, Z4)
    OTTHON_OUTLET_ALIAS(zona4, Z4)
    OTTHON_OUTLET(Switch, Z5)
    OTTHON_OUTLET_ALIAS(zona5, Z5)
    OTTHON_OUTLET(Switch, Z6)
    OTTHON_OUTLET_ALIAS(zona6, Z6)
    OTTHON_OUTLET(Label, Z1text)
    OTTHON_OUTLET(Label, Z2text)
    OTTHON_OUTLET(Label, Z3text)
    OTTHON_OUTLET(Label, Z4text)
    OTTHON_OUTLET(Label, Z5text)
    OTTHON_OUTLET(Label, Z6text)
    OTTHON_OUTLET(ActivityIndicator, ZonaKiBeSpiner)

public:
    // Positions in ZonaAllapot.
    enum Position { Whole = 0, Master = 1, FirstZone = 2 };
    static constexpr int SwitchCount = 8;
    static constexpr int ZoneCount = 6;
    // Where the switches stand in the reply: element 3, rows 2 to 9, column 2.
    static constexpr int SwitchElement = 3;
    static constexpr int FirstSwitchRow = 2;
    static constexpr int SwitchColumn = 2;
    static constexpr double SwitchCornerRadius = 16;

    explicit OntozoKiBe(PageContext& context, QObject* parent = nullptr);

    QString scene() const override {
        return QStringLiteral("qrc:/qt/qml/Otthon/Pages/irrigation/OntozoKiBe.qml");
    }
    void viewDidLoad() override;
    void INIT() override;
    // Switches position `position` (Whole, Master, or FirstZone + k for zone k + 1) on or off by the
    // switching rules, then redraws.
    void kapcs(int position, bool on);
    void beallitas() override;
    void SET() override;

    std::array<Switch*, ZoneCount> zoneSwitches() const { return {Z1, Z2, Z3, Z4, Z5, Z6}; }
    std::array<Label*, ZoneCount> zoneLabels() const {
        return {Z1text, Z2text, Z3text, Z4text, Z5text, Z6text};
    }

protected:
    bool* readyFlag() override { return &context().state.OntozoKiBeReady; }
    QString formCommand() override;

private:
    // The user's actions: each switches one position and sends.
    void switched(int position, bool on);
};

} // namespace otthon
