#include "pages/irrigation/OntozoOsszefoglalas.h"

#include "pages/ConnectionImage.h"
#include "pages/irrigation/Overlaps.h"

namespace otthon {

OntozoOsszefoglalas::OntozoOsszefoglalas(PageContext& context, QObject* parent)
    : Screen(QStringLiteral("OntozoOsszefoglalas"), parent), model_(context.model()) {
    followConnection(*this, ConnectionImage, context);
}

void OntozoOsszefoglalas::viewDidLoad() {
    setBackground(QStringLiteral("Aqua-Water-Drops.png"));
    Utkozesduma->setText(QStringLiteral("Ütközés a beállított öntözőzónák időponjaiban:"));
    const Overlaps overlaps = Overlaps::of(model_);
    for (int zone = 0; zone < Overlaps::ZoneCount; ++zone) {
        names()[zone]->setText(QStringLiteral("  ") + model_.ZonaNevek.value(zone));
        totals()[zone]->setText(QString::number(overlaps.totals[size_t(zone)]));
    }
    if (overlaps.clashes.isEmpty()) {
        Ontozoutkozes->setText(QString::fromUtf16(NoClash));
        return;
    }
    Ontozoutkozes->setText(overlaps.clashes.join(u'\n') + u'\n');
}

} // namespace otthon
