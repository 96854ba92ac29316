#include "pages/controls/SpokenNames.h"

#include <QVariant>

#include <array>

namespace otthon {

namespace {

struct Spoken {
    QStringView outlet;
    QStringView name;
    QStringView hint;
};

constexpr QStringView LongPressHint = u"nyomja hosszan";

constexpr std::array Table{
    Spoken{u"Kapu1", u"Kapu 1", LongPressHint},
    Spoken{u"Kapu2", u"Kapu 2", LongPressHint},
    Spoken{u"NappaliSlider", u"Kívánt hőmérséklet", {}},
    Spoken{u"HaloSlider", u"Kívánt hőmérséklet", {}},
    Spoken{u"NappaliTmpBtn", u"Hőmérséklet beállítása", {}},
    Spoken{u"HaloTmpBtn", u"Hőmérséklet beállítása", {}},
    Spoken{u"NappaliPluszBtn", u"Egy fokkal melegebb", {}},
    Spoken{u"HaloPluszBtn", u"Egy fokkal melegebb", {}},
    Spoken{u"NappaliMinuszBtn", u"Egy fokkal hidegebb", {}},
    Spoken{u"HaloMinuszBtn", u"Egy fokkal hidegebb", {}},
    Spoken{u"Futes", u"Fűtés vagy hűtés", {}},
    Spoken{u"HaloFutes", u"Fűtés vagy hűtés", {}},
    Spoken{u"RadioPicker", u"Rádióadó", {}},
    Spoken{u"RadioSlider", u"Hangerő", {}},
    Spoken{u"RadioUp", u"Hangosabb", {}},
    Spoken{u"RadioDown", u"Halkabb", {}},
    Spoken{u"RadioPlay", u"Rádió bekapcsolása", {}},
    Spoken{u"RadioStop", u"Rádió kikapcsolása", {}},
    Spoken{u"MedenceKiBe", u"Medence ki vagy be", {}},
    Spoken{u"teljesOntozo", u"Teljes öntözés ki vagy be", {}},
    Spoken{u"zonaMester", u"Főszelep ki vagy be", {}},
    Spoken{u"zona1", u"1. zóna", {}},
    Spoken{u"zona2", u"2. zóna", {}},
    Spoken{u"zona3", u"3. zóna", {}},
    Spoken{u"zona4", u"4. zóna", {}},
    Spoken{u"zona5", u"5. zóna", {}},
    Spoken{u"zona6", u"6. zóna", {}},
    Spoken{u"OntozoEdit", u"Időpontok szerkesztése", {}},
    Spoken{u"MedenceEdit", u"Időpontok szerkesztése", {}},
    Spoken{u"OntozoTable", u"Öntözési időpontok", {}},
    Spoken{u"MedenceTable", u"Medence időpontjai", {}},
    Spoken{u"OntozoZonak", u"Zóna", {}},
    Spoken{u"OntozoOra", u"Kezdés órája", {}},
    Spoken{u"OntozoPerc", u"Kezdés perce", {}},
    Spoken{u"OntozoIdotartam", u"Időtartam", {}},
    Spoken{u"IdoOra", u"Kezdés órája", {}},
    Spoken{u"IdoPerc", u"Kezdés perce", {}},
    Spoken{u"Idotartam", u"Időtartam", {}},
    Spoken{u"MedenceIdovonal", u"A medence napja", u"nyilakkal válasszon időpontot"},
    Spoken{u"OntozoIdovonal", u"Az öntözés napja", u"nyilakkal válasszon időpontot"},
};

const Spoken* find(const QObject* element) {
    if (!element)
        return nullptr;
    const QString outlet = element->objectName();
    for (const Spoken& entry : Table)
        if (entry.outlet == outlet)
            return &entry;
    return nullptr;
}

} // namespace

QString SpokenNames::name(const QObject* element) {
    if (const Spoken* entry = find(element))
        return entry->name.toString();
    return element ? element->property("title").toString() : QString();
}

QString SpokenNames::hint(const QObject* element) {
    const Spoken* entry = find(element);
    return entry ? entry->hint.toString() : QString();
}

QString SpokenNames::page(const QString& restorationIdentifier) {
    return restorationIdentifier + QStringLiteral(" oldal");
}

} // namespace otthon
