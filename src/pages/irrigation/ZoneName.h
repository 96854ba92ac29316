#pragma once

#include "link/StatusModel.h"

namespace otthon {

// The name of the zone with code `code`; a code that is not one of ZonaKodok stands for itself.
inline QString zoneName(const StatusModel& model, const QString& code) {
    const qsizetype zone = model.ZonaKodok.indexOf(code);
    return zone >= 0 && zone < model.ZonaNevek.size() ? model.ZonaNevek.at(zone) : code;
}

} // namespace otthon
