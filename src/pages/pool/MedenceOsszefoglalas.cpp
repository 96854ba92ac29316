#include "pages/pool/MedenceOsszefoglalas.h"

#include "link/WholeNumber.h"
#include "pages/ConnectionImage.h"
#include "pages/pool/PoolSchedule.h"

namespace otthon {

MedenceOsszefoglalas::MedenceOsszefoglalas(PageContext& context, QObject* parent)
    : Screen(QStringLiteral("MedenceOsszefoglalas"), parent), model_(context.model()) {
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
    const float sum = total(model_.StatusDocument);
    // Kept in variables of their own, so that each step is rounded to single precision.
    const float hours = MedenceTerfogat / SzivattyuTeljesitmeny;
    const float required = hours * 60.0f;
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
