#pragma once

#include "link/Commands.h"
#include "pages/pool/PoolSchedule.h"
#include "pages/schedule/SlotEditor.h"

namespace otthon {

inline constexpr SlotWheel PoolSlotWheels[] = {
    {.outlet = u"IdoOra", .tag = 2, .part = SlotPart::Hour, .caption = u"Óra"},
    {.outlet = u"IdoPerc", .tag = 1, .part = SlotPart::Minute, .caption = u"Perc"},
    {.outlet = u"Idotartam", .tag = 3, .part = SlotPart::Duration, .caption = u"Időtartam"},
};

// The pool's slot editor: start hour, start minute and duration of the slot chosen in the pool's list.
inline constexpr SlotEditorKind PoolSlotEditor{
    .restorationIdentifier = u"MedenceBeallitas",
    .background = u"Pool.png",
    .spinner = u"MedenceSpiner",
    .setButton = u"MedenceSet",
    .setTitle = u"Beállít",
    .schedule = PoolSchedule,
    .wheels = PoolSlotWheels,
    .tagZeroTitles = &StatusModel::IdopontLista,
    .ready = &AppState::MedenceBeallitasReady,
    .updateCommand =
        [](const Slot& now, const Slot& old) {
            return commands::poolUpdate(int(now.hour()), int(now.minute()), now.duration.toInt(), old.start,
                                        old.duration);
        },
};

class MedenceBeallitas : public SlotEditor {
    Q_OBJECT

public:
    explicit MedenceBeallitas(PageContext& context, QObject* parent = nullptr)
        : SlotEditor(context, PoolSlotEditor, parent) {}
};

} // namespace otthon
