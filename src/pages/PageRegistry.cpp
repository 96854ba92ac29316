#include "pages/PageRegistry.h"

#include "pages/PlaceholderPage.h"
#include "pages/home/HaloViewController.h"
#include "pages/home/Kulso.h"
#include "pages/home/Nappali.h"
#include "pages/home/Radio.h"
#include "pages/irrigation/OntozoBeallitasok.h"
#include "pages/irrigation/OntozoKiBe.h"
#include "pages/irrigation/OntozoOsszefoglalas.h"
#include "pages/irrigation/OntozoTable.h"
#include "pages/irrigation/OntozoViewController.h"
#include "platform/ui/Navigation.h"

namespace otthon {

namespace {
template <typename Page> void registerPage(Navigation& navigation, PageContext& context, const QString& id) {
    navigation.registerScreen(id, [&context] { return std::make_unique<Page>(context); });
}

void registerPlaceholder(Navigation& navigation, const QString& id, const QString& className) {
    navigation.registerScreen(id,
                              [id, className] { return std::make_unique<PlaceholderPage>(id, className); });
}
} // namespace

void registerPages(Navigation& navigation, PageContext& context) {
    registerPage<Kulso>(navigation, context, QStringLiteral("Külső"));
    registerPage<Nappali>(navigation, context, QStringLiteral("Nappali"));
    registerPage<HaloViewController>(navigation, context, QStringLiteral("Háló"));
    registerPlaceholder(navigation, QStringLiteral("Medence"), QStringLiteral("MedenceViewController"));
    registerPage<OntozoViewController>(navigation, context, QStringLiteral("Öntöző"));
    registerPage<Radio>(navigation, context, QStringLiteral("Rádió"));

    // The irrigation page's sub-screens; the slot editor is pushed by the list's transition.
    registerPage<OntozoOsszefoglalas>(navigation, context,
                                      QString::fromUtf16(OntozoViewController::SummaryScreen));
    registerPage<OntozoKiBe>(navigation, context, QString::fromUtf16(OntozoViewController::SwitchingScreen));
    registerPage<OntozoTable>(navigation, context, QString::fromUtf16(OntozoViewController::ScheduleScreen));
    registerPage<OntozoBeallitasok>(navigation, context, IrrigationScheduleList.editorTransition.toString());
}

} // namespace otthon
