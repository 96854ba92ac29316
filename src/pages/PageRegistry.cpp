#include "pages/PageRegistry.h"

#include "pages/PlaceholderPage.h"
#include "pages/home/HaloViewController.h"
#include "pages/home/Kulso.h"
#include "pages/home/Nappali.h"
#include "pages/home/Radio.h"
#include "pages/pool/MedenceBeallitas.h"
#include "pages/pool/MedenceOsszefoglalas.h"
#include "pages/pool/MedenceTabla.h"
#include "pages/pool/MedenceViewController.h"
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
    registerPage<MedenceViewController>(navigation, context, QStringLiteral("Medence"));
    registerPlaceholder(navigation, QStringLiteral("Öntöző"), QStringLiteral("OntozoViewController"));
    registerPage<Radio>(navigation, context, QStringLiteral("Rádió"));

    // The pool's sub-screens; the slot editor is pushed by the list's transition.
    registerPage<MedenceTabla>(navigation, context,
                               QString::fromUtf16(MedenceViewController::ScheduleScreen));
    registerPage<MedenceOsszefoglalas>(navigation, context,
                                       QString::fromUtf16(MedenceViewController::SummaryScreen));
    registerPage<MedenceBeallitas>(navigation, context, PoolScheduleList.editorTransition.toString());
}

} // namespace otthon
