#pragma once

#include "link/Commands.h"
#include "pages/pool/PoolSchedule.h"
#include "pages/schedule/ScheduleList.h"
#include "pages/schedule/SlotDetail.h"

#include <QStringBuilder>

namespace otthon {

inline constexpr ScheduleListKind PoolScheduleList{
    .restorationIdentifier = u"MedenceTabla",
    .background = u"Pool.png",
    .editSwitch = u"MedenceEdit",
    .table = u"MedenceTable",
    .schedule = PoolSchedule,
    .rowText =
        [](qsizetype number, const Slot& slot, const StatusModel&) {
            // "%1$d. Időpont / %2$@-%3$@ /", put together in one go: a list rebuilds every row.
            return QString(QString::number(number) % QStringLiteral(". Időpont / ") % slot.start % u'-' %
                           slot.duration % QStringLiteral(" /"));
        },
    .rowDetail = [](const Slot& slot, const StatusModel&) { return slotDetail(slot); },
    .addCommand = &commands::poolAdd,
    .deleteCommand = [](const Slot& slot) { return commands::poolDelete(slot.start, slot.duration); },
    .editorTransition = u"medence",
};

// The pool's schedule list.
class MedenceTabla : public ScheduleList {
    Q_OBJECT

public:
    explicit MedenceTabla(PageContext& context, QObject* parent = nullptr)
        : ScheduleList(context, PoolScheduleList, parent) {}
};

} // namespace otthon
