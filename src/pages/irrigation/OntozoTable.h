#pragma once

#include "link/Commands.h"
#include "pages/irrigation/IrrigationSchedule.h"
#include "pages/irrigation/ZoneName.h"
#include "pages/schedule/ScheduleList.h"
#include "pages/schedule/SlotDetail.h"

#include <QStringBuilder>

namespace otthon {

inline constexpr ScheduleListKind IrrigationScheduleList{
    .restorationIdentifier = u"OntozoTable",
    .background = u"Aqua-Water-Drops.png",
    .editSwitch = u"OntozoEdit",
    .table = u"OntozoTable",
    .schedule = IrrigationSchedule,
    .rowText =
        [](qsizetype number, const Slot& slot, const StatusModel& model) {
            // "%1$d. Időpont / %2$@-%3$@ %4$@ /", put together in one go: a list rebuilds every row.
            return QString(QString::number(number) % QStringLiteral(". Időpont / ") %
                           zoneName(model, slot.zone) % u'-' % slot.start % u' ' % slot.duration %
                           QStringLiteral(" /"));
        },
    .rowDetail =
        [](const Slot& slot, const StatusModel& model) {
            // A zone that is not one of the codes has no name to read: the first line shows it as it came.
            const qsizetype zone = model.ZonaKodok.indexOf(slot.zone);
            return zone < 0 || zone >= model.ZonaNevek.size() ? QString()
                                                              : slotDetail(slot, model.ZonaNevek.at(zone));
        },
    .addCommand = &commands::irrigationAdd,
    .deleteCommand =
        [](const Slot& slot) { return commands::irrigationDelete(slot.start, slot.duration, slot.zone); },
    .editorTransition = u"ontozo",
};

// The irrigation schedule list.
class OntozoTable : public ScheduleList {
    Q_OBJECT

public:
    explicit OntozoTable(PageContext& context, QObject* parent = nullptr)
        : ScheduleList(context, IrrigationScheduleList, parent) {}
};

} // namespace otthon
