#pragma once

#include "pages/PageContext.h"
#include "pages/schedule/DayTimeline.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"

namespace otthon {

// The pool circulation summary: whether the scheduled running times add up to turning the pool's water over
// once, and how many minutes are missing when they do not. Worked out when the screen loads, and again
// whenever the schedule changes while it is shown, in single precision: the pump needs 25 / 12 hours, which
// in single precision is just under 125 minutes, so 125 minutes suffice and 124 do not.
class MedenceOsszefoglalas : public otthon::Screen {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    OTTHON_OUTLET(ImageView, ConnectionImage)
    OTTHON_OUTLET(Label, Medenceosszefoglalas)
    OTTHON_OUTLET(Label, Megfeleles)
    OTTHON_OUTLET(Label, Perc)
    // The day's circulation slots and their total against the minutes required; a touch on a bar opens its
    // slot's editor.
    OTTHON_OUTLET(Timeline, MedenceIdovonal)

public:
    static constexpr float MedenceTerfogat = 25.0f;
    static constexpr float SzivattyuTeljesitmeny = 12.0f;

    explicit MedenceOsszefoglalas(PageContext& context, QObject* parent = nullptr);

    QString scene() const override {
        return QStringLiteral("qrc:/qt/qml/Otthon/Pages/pool/MedenceOsszefoglalas.qml");
    }
    void viewDidLoad() override;

    // The running times of the pool schedule added up, each addition rounded to single precision.
    static float total(const StatusTree& document);

private:
    void redraw();

    PageContext& context_;
    TimelineOutlet timeline_;
};

} // namespace otthon
