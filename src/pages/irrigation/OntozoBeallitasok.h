#pragma once

#include "link/Commands.h"
#include "pages/irrigation/IrrigationSchedule.h"
#include "pages/schedule/SlotEditor.h"

namespace otthon {

inline constexpr SlotWheel IrrigationSlotWheels[] = {
    {.outlet = u"OntozoZonak", .tag = 0, .part = SlotPart::Zone, .caption = u"Zóna"},
    {.outlet = u"OntozoOra", .tag = 2, .part = SlotPart::Hour, .caption = u"Óra"},
    {.outlet = u"OntozoPerc", .tag = 1, .part = SlotPart::Minute, .caption = u"Perc"},
    {.outlet = u"OntozoIdotartam", .tag = 3, .part = SlotPart::Duration, .caption = u"Időtartam"},
};

// The irrigation slot editor: zone, start hour, start minute and duration of the slot chosen in the list.
inline constexpr SlotEditorKind IrrigationSlotEditor{
    .restorationIdentifier = u"OntozoBeallitasok",
    .background = u"Aqua-Water-Drops.png",
    .spinner = u"OntozoSpiner",
    .setButton = u"OntozoBeallitasSet",
    .setTitle = u"Beállít",
    .schedule = IrrigationSchedule,
    .wheels = IrrigationSlotWheels,
    .tagZeroTitles = &StatusModel::ZonaNevek,
    .ready = &AppState::OntozoBeallitasokReady,
    .updateCommand =
        [](const Slot& now, const Slot& old) {
            return commands::irrigationUpdate(int(now.hour()), int(now.minute()), now.duration.toInt(),
                                              now.zone, old.start, old.duration, old.zone);
        },
};

class OntozoBeallitasok : public SlotEditor {
    Q_OBJECT

public:
    explicit OntozoBeallitasok(PageContext& context, QObject* parent = nullptr)
        : SlotEditor(context, IrrigationSlotEditor, parent) {}
};

} // namespace otthon
