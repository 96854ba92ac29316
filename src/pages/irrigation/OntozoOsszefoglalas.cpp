#include "pages/irrigation/OntozoOsszefoglalas.h"

#include "pages/ConnectionImage.h"
#include "pages/irrigation/OntozoTable.h"
#include "pages/irrigation/Overlaps.h"

namespace otthon {

OntozoOsszefoglalas::OntozoOsszefoglalas(PageContext& context, QObject* parent)
    : Screen(QStringLiteral("OntozoOsszefoglalas"), parent), context_(context) {
    followConnection(*this, ConnectionImage, context);
}

void OntozoOsszefoglalas::viewDidLoad() {
    setBackground(QStringLiteral("Aqua-Water-Drops.png"));
    Utkozesduma->setText(QStringLiteral("Ütközés a beállított öntözőzónák időponjaiban:"));
    redraw();
    timeline_.follow(context_, IrrigationScheduleList, *this, [this] { redraw(); });
}

void OntozoOsszefoglalas::redraw() {
    const StatusModel& model = context_.model();
    const Overlaps overlaps = Overlaps::of(model);
    timeline_.show(context_, *OntozoIdovonal, IrrigationScheduleList,
                   DayTimeline::irrigation(model, overlaps));
    for (int zone = 0; zone < Overlaps::ZoneCount; ++zone) {
        names()[zone]->setText(QStringLiteral("  ") + model.ZonaNevek.value(zone));
        totals()[zone]->setText(QString::number(overlaps.totals[size_t(zone)]));
    }
    if (overlaps.clashes.isEmpty()) {
        Ontozoutkozes->setText(QString::fromUtf16(NoClash));
        return;
    }
    Ontozoutkozes->setText(overlaps.clashes.join(u'\n') + u'\n');
}

} // namespace otthon
