#include "link/ChoiceLists.h"

#include "link/StatusModel.h"

namespace otthon {

namespace {
// Entry i holds (i + 1) mod length: the value 0 is the last entry, so a wheel row 599 + v shows v.
QStringList wrappedNumbers(int length) {
    QStringList list;
    list.reserve(length);
    for (int i = 0; i < length; ++i)
        list.append(QString::number((i + 1) % length));
    return list;
}
} // namespace

void buildChoiceLists(StatusModel& model) {
    model.PercLista = wrappedNumbers(60);
    model.OraLista = wrappedNumbers(24);
    model.IdopontLista.clear();
    for (int i = 1; i <= 10; ++i)
        model.IdopontLista.append(QStringLiteral("Időpont %1").arg(i));
    model.RadioAdoLista.clear();
    for (int i = 0; i < 10; ++i)
        model.RadioAdoLista.append(QStringLiteral("Nincs kapcsolat"));
    model.ZonaNevek = {QStringLiteral("Zóna 1"), QStringLiteral("Zóna 2"),      QStringLiteral("Zóna 3"),
                       QStringLiteral("Zóna 4"), QStringLiteral("Utcai kicsi"), QStringLiteral("Utcai nagy")};
    model.ZonaKodok = {QStringLiteral("Z1"), QStringLiteral("Z2"), QStringLiteral("Z3"),
                       QStringLiteral("Z4"), QStringLiteral("Z5"), QStringLiteral("Z6")};
}

} // namespace otthon
