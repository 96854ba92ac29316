#include "pages/pool/MedenceOsszefoglalas.h"

#include "link/WholeNumber.h"
#include "pages/ConnectionImage.h"
#include "pages/pool/MedenceTabla.h"
#include "pages/pool/PoolSchedule.h"

#include <cmath>

namespace otthon {

MedenceOsszefoglalas::MedenceOsszefoglalas(PageContext& context, QObject* parent)
    : Screen(QStringLiteral("MedenceOsszefoglalas"), parent), context_(context) {
    followConnection(*this, ConnectionImage, context);
}

float MedenceOsszefoglalas::total(const StatusTree& document) {
    float sum = 0.0f;
    for (QJsonValueConstRef row : Schedule(document, PoolSchedule.element).rows()) {
        const QJsonArray cells = row.toArray();
        const int column = PoolSchedule.columns.duration;
        if (column < cells.size())
            sum += float(integerOf(cells.constBegin()[column]));
    }
    return sum;
}

void MedenceOsszefoglalas::viewDidLoad() {
    setBackground(QStringLiteral("Pool.png"));
    Medenceosszefoglalas->setText(QStringLiteral("A medenceforgatás a beállított időtartamok függvényében:"));
    redraw();
    timeline_.follow(context_, PoolScheduleList, *this, [this] { redraw(); });
}

void MedenceOsszefoglalas::redraw() {
    const float sum = total(context_.model().StatusDocument);
    // Kept in variables of their own, so that each step is rounded to single precision.
    const float hours = MedenceTerfogat / SzivattyuTeljesitmeny;
    const float required = hours * 60.0f;
    timeline_.show(context_, *MedenceIdovonal, PoolScheduleList, DayTimeline::pool(context_.model()));
    // The whole minutes that suffice.
    MedenceIdovonal->setTotal(double(sum), std::ceil(double(required)));
    if (required < sum) {
        Megfeleles->setText(QStringLiteral("Megfelelő"));
        Perc->setHidden(true);
        return;
    }
    Megfeleles->setText(QStringLiteral("Nem megfelelő"));
    Perc->setHidden(false);
    const float missing = required - sum;
    Perc->setText(QStringLiteral("További ") + wholeText(double(missing)) +
                  QStringLiteral(" perc időtartam beállítása szükséges."));
}

} // namespace otthon
