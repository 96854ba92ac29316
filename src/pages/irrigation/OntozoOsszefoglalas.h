#pragma once

#include "pages/PageContext.h"
#include "pages/schedule/DayTimeline.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"

#include <array>

namespace otthon {

// The irrigation overlap summary: which slots claim a minute of the day that an earlier slot claimed, and
// each zone's scheduled minutes. Worked out when the screen loads, and again whenever the schedule changes
// while it is shown (a reply, or an edit opened from the timeline).
class OntozoOsszefoglalas : public otthon::Screen {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the app")
    OTTHON_OUTLET(ImageView, ConnectionImage)
    OTTHON_OUTLET(Label, Utkozesduma)
    OTTHON_OUTLET(Label, Ontozoutkozes)
    OTTHON_OUTLET(Label, Z1nev)
    OTTHON_OUTLET(Label, Z2nev)
    OTTHON_OUTLET(Label, Z3nev)
    OTTHON_OUTLET(Label, Z4nev)
    OTTHON_OUTLET(Label, Z5nev)
    OTTHON_OUTLET(Label, Z6nev)
    OTTHON_OUTLET(Label, Z1ido)
    OTTHON_OUTLET(Label, Z2ido)
    OTTHON_OUTLET(Label, Z3ido)
    OTTHON_OUTLET(Label, Z4ido)
    OTTHON_OUTLET(Label, Z5ido)
    OTTHON_OUTLET(Label, Z6ido)
    // The day, a lane per zone; a touch on a bar opens its slot's editor.
    OTTHON_OUTLET(Timeline, OntozoIdovonal)

public:
    static constexpr char16_t NoClash[] = u"Nincsen";

    explicit OntozoOsszefoglalas(PageContext& context, QObject* parent = nullptr);

    QString scene() const override {
        return QStringLiteral("qrc:/qt/qml/Otthon/Pages/irrigation/OntozoOsszefoglalas.qml");
    }
    void viewDidLoad() override;

    std::array<Label*, 6> names() const { return {Z1nev, Z2nev, Z3nev, Z4nev, Z5nev, Z6nev}; }
    std::array<Label*, 6> totals() const { return {Z1ido, Z2ido, Z3ido, Z4ido, Z5ido, Z6ido}; }

private:
    void redraw();

    PageContext& context_;
    TimelineOutlet timeline_;
};

} // namespace otthon
