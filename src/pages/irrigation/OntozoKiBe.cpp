#include "pages/irrigation/OntozoKiBe.h"

#include "link/Commands.h"

namespace otthon {

namespace {
// A switch position the reply may hold: a text, a number or a boolean, taken by its integer value.
bool isSwitchValue(const QJsonValue& value) {
    return value.isString() || value.isDouble() || value.isBool();
}
} // namespace

OntozoKiBe::OntozoKiBe(PageContext& context, QObject* parent)
    : ControlPage(context, QStringLiteral("OntozoKiBe"), parent) {
    setSpinner(ZonaKiBeSpiner);
    // What the layout gives: the segments and the actions.
    for (SegmentedControl* control : {ZOsszes, ZMaster})
        control->setTitles({QStringLiteral("Ki"), QStringLiteral("Be")});
    connect(ZOsszes, &SegmentedControl::selectedByUser, this,
            [this] { switched(Whole, ZOsszes->selectedIndex() == 1); });
    connect(ZMaster, &SegmentedControl::selectedByUser, this,
            [this] { switched(Master, ZMaster->selectedIndex() == 1); });
    const auto zones = zoneSwitches();
    for (int k = 0; k < ZoneCount; ++k)
        connect(zones[k], &Switch::toggledByUser, this,
                [this, k, zone = zones[k]] { switched(FirstZone + k, zone->isOn()); });
}

void OntozoKiBe::viewDidLoad() {
    for (Switch* zone : zoneSwitches())
        zone->setCornerRadius(SwitchCornerRadius);
    const StatusTree& document = model().StatusDocument;
    std::array<bool, SwitchCount> switches{};
    bool known = true;
    for (int i = 0; i < SwitchCount; ++i) {
        const QJsonValue value = document.at(SwitchElement, FirstSwitchRow + i, SwitchColumn);
        known = known && isSwitchValue(value);
        switches[i] = flagOf(value);
    }
    context().state.ZonaAllapot = known ? std::optional(switches) : std::nullopt;
    Hatterkep = QStringLiteral("Aqua-Water-Drops.png");
    drawBackground();
    INIT();
}

void OntozoKiBe::INIT() {
    AppState& state = context().state;
    const auto& switches = state.ZonaAllapot;
    const auto on = [&](int position) { return switches && (*switches)[position]; };
    ZOsszes->setSelectedIndex(switches ? int(on(Whole)) : -1);
    ZMaster->setSelectedIndex(switches ? int(on(Master)) : -1);
    const auto zones = zoneSwitches();
    for (int k = 0; k < ZoneCount; ++k)
        zones[k]->setOn(on(FirstZone + k));
    state.TeljesOntozoBe = on(Whole);
    zonaMester->setEnabled(state.TeljesOntozoBe);
    for (Switch* zone : zones)
        zone->setEnabled(state.TeljesOntozoBe);
    if (!switches)
        teljesOntozo->setEnabled(false);
    const auto labels = zoneLabels();
    for (int k = 0; k < ZoneCount; ++k)
        labels[k]->setText(QStringLiteral("  ") + model().ZonaNevek.value(k));
}

void OntozoKiBe::kapcs(int position, bool on) {
    auto& switches = context().state.ZonaAllapot;
    if (!switches || position < 0 || position >= SwitchCount)
        return;
    std::array<bool, SwitchCount>& s = *switches;
    if (position == Whole && !on)
        s.fill(false);
    if (position == Whole && on)
        s[Whole] = true;
    if (position == Master && !on)
        std::fill(s.begin() + Master, s.end(), false);
    if (on && position != Whole) {
        s[Master] = true;
        for (int i = FirstZone; i < SwitchCount; ++i)
            s[i] = i == position;
    }
    if (!on) {
        s[Master] = false;
        s[position] = false;
    }
    INIT();
}

void OntozoKiBe::switched(int position, bool on) {
    kapcs(position, on);
    beallitas();
}

void OntozoKiBe::beallitas() {
    if (!context().state.ZonaAllapot)
        return;
    ControlPage::beallitas();
}

QString OntozoKiBe::formCommand() {
    return commands::irrigationSwitches(*context().state.ZonaAllapot);
}

void OntozoKiBe::SET() {
    const AppState& state = context().state;
    const bool ready = state.OntozoKiBeReady && state.ZonaAllapot;
    teljesOntozo->setEnabled(ready);
    for (Switch* zone : zoneSwitches())
        zone->setEnabled(ready && state.TeljesOntozoBe);
    zonaMester->setEnabled(ready && state.TeljesOntozoBe);
}

} // namespace otthon
