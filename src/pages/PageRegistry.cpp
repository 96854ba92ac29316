#include "pages/PageRegistry.h"

#include "pages/irrigation/OntozoBeallitasok.h"
#include "pages/irrigation/OntozoKiBe.h"
#include "pages/irrigation/OntozoOsszefoglalas.h"
#include "pages/irrigation/OntozoTable.h"
#include "pages/irrigation/OntozoViewController.h"
#include "pages/outside/Kulso.h"
#include "pages/pool/MedenceBeallitas.h"
#include "pages/pool/MedenceOsszefoglalas.h"
#include "pages/pool/MedenceTabla.h"
#include "pages/pool/MedenceViewController.h"
#include "pages/radio/Radio.h"
#include "pages/thermostat/HaloViewController.h"
#include "pages/thermostat/Nappali.h"
#include "platform/ui/Navigation.h"

namespace otthon {

namespace {
template <typename Page> void registerPage(Navigation& navigation, PageContext& context, const QString& id) {
    navigation.registerScreen(id, [&context] { return std::make_unique<Page>(context); });
}
} // namespace

void registerPages(Navigation& navigation, PageContext& context) {
    registerPage<Kulso>(navigation, context, QStringLiteral("Külső"));
    registerPage<Nappali>(navigation, context, QStringLiteral("Nappali"));
    registerPage<HaloViewController>(navigation, context, QStringLiteral("Háló"));
    registerPage<MedenceViewController>(navigation, context, QStringLiteral("Medence"));
    registerPage<OntozoViewController>(navigation, context, QStringLiteral("Öntöző"));
    registerPage<Radio>(navigation, context, QStringLiteral("Rádió"));

    // The pool's sub-screens; the slot editor is pushed by the list's transition.
    registerPage<MedenceTabla>(navigation, context,
                               QString::fromUtf16(MedenceViewController::ScheduleScreen));
    registerPage<MedenceOsszefoglalas>(navigation, context,
                                       QString::fromUtf16(MedenceViewController::SummaryScreen));
    registerPage<MedenceBeallitas>(navigation, context, PoolScheduleList.editorTransition.toString());

    // The irrigation page's sub-screens; the slot editor is pushed by the list's transition.
    registerPage<OntozoOsszefoglalas>(navigation, context,
                                      QString::fromUtf16(OntozoViewController::SummaryScreen));
    registerPage<OntozoKiBe>(navigation, context, QString::fromUtf16(OntozoViewController::SwitchingScreen));
    registerPage<OntozoTable>(navigation, context, QString::fromUtf16(OntozoViewController::ScheduleScreen));
    registerPage<OntozoBeallitasok>(navigation, context, IrrigationScheduleList.editorTransition.toString());
}

} // namespace otthon
