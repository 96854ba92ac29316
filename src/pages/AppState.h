#pragma once

#include "link/StatusModel.h"

#include <QString>

#include <array>
#include <optional>

namespace otthon {

// Everything process-wide: the status model, and the values that one page kind uses but that outlive a single
// page (ready flags, pending texts). The application owns one; a test makes a fresh one.
struct AppState {
    explicit AppState(QString baseUrl) : model(std::move(baseUrl)) {}

    StatusModel model;

    // Ready flags of the pages with an apply half: true when the page's controls may be used again.
    bool NappaliReady = false;
    bool HaloReady = false;
    bool RadioReady = false;
    bool MedenceReady = false;
    bool MedenceBeallitasReady = false;
    bool OntozoKiBeReady = false;
    bool OntozoBeallitasokReady = false;

    // The thermostats' pending mode words ("fűtésre" / "hűtésre"), read when the user answers the alert.
    QString NappaliSwitchText;
    QString HaloSwitchText;

    // The irrigation switches as zone switching last read or set them: whole irrigation, master, zones 1 to
    // 6; none when the reply did not say. TeljesOntozoBe: the whole irrigation is on.
    std::optional<std::array<bool, 8>> ZonaAllapot;
    bool TeljesOntozoBe = false;

    // The station index chosen on the radio wheel, as sent in the radio-on command.
    QString RadioAdoText;
};

} // namespace otthon
