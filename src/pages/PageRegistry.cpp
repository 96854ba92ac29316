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
template <typename Page> ScreenKind kind(QString identifier, bool carouselPage) {
    return {std::move(identifier), carouselPage, &Page::staticMetaObject,
            [](PageContext& context) -> std::unique_ptr<Screen> { return std::make_unique<Page>(context); }};
}

constexpr bool Carousel = true;
constexpr bool SubScreen = false;
} // namespace

QString ScreenKind::className() const {
    return Screen::classNameOf(*type);
}

std::vector<ScreenKind> everyScreen() {
    return {
        kind<Kulso>(QStringLiteral("Külső"), Carousel),
        kind<Nappali>(QStringLiteral("Nappali"), Carousel),
        kind<HaloViewController>(QStringLiteral("Háló"), Carousel),
        kind<MedenceViewController>(QStringLiteral("Medence"), Carousel),
        kind<OntozoViewController>(QStringLiteral("Öntöző"), Carousel),
        kind<Radio>(QStringLiteral("Rádió"), Carousel),
        // The pool's sub-screens; the slot editor is pushed by the list's transition.
        kind<MedenceTabla>(QString::fromUtf16(MedenceViewController::ScheduleScreen), SubScreen),
        kind<MedenceOsszefoglalas>(QString::fromUtf16(MedenceViewController::SummaryScreen), SubScreen),
        kind<MedenceBeallitas>(PoolScheduleList.editorTransition.toString(), SubScreen),
        // The irrigation page's sub-screens; the slot editor is pushed by the list's transition.
        kind<OntozoOsszefoglalas>(QString::fromUtf16(OntozoViewController::SummaryScreen), SubScreen),
        kind<OntozoKiBe>(QString::fromUtf16(OntozoViewController::SwitchingScreen), SubScreen),
        kind<OntozoTable>(QString::fromUtf16(OntozoViewController::ScheduleScreen), SubScreen),
        kind<OntozoBeallitasok>(IrrigationScheduleList.editorTransition.toString(), SubScreen),
    };
}

QStringList carouselPages() {
    QStringList pages;
    for (const ScreenKind& screen : everyScreen())
        if (screen.carouselPage)
            pages.append(screen.identifier);
    return pages;
}

void registerPages(Navigation& navigation, PageContext& context) {
    for (const ScreenKind& screen : everyScreen())
        navigation.registerScreen(screen.identifier,
                                  [&context, make = screen.make] { return make(context); });
}

} // namespace otthon
