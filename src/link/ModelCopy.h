#pragma once

#include "link/Link.h"

#include <QString>

namespace otthon {

class StatusTree;

// Copies the values the pages show out of a reply into the model's named fields, all in one pass, and
// rebuilds the station list. Positions missing from the reply read as absent: texts become undefined, numbers
// 0, flags false. A text (a sensor's, a station's name) longer than 256 characters is cut to 256, or to 255
// where the 256th would be the first half of a surrogate pair.
void copyReplyIntoModel(const StatusTree& reply, StatusModel& model);

// Shows `message` without title or buttons and closes it 2.0 s later.
void showBriefly(AlertPort& alerts, Scheduler& scheduler, const QString& message);

// When the reply reports a refused setting, shows "Sikertelen <setting> beállitas!" without title or buttons
// and closes it 2.0 s later. A setting name longer than 64 characters is cut to 63 (62 where the 63rd would
// be the first half of a surrogate pair) and an ellipsis.
void alertRefusedSetting(const StatusTree& reply, AlertPort& alerts, Scheduler& scheduler);

// Feltoltes: what every reply taken goes through once StatusDocument holds it: the reply is counted and
// copied, then a refused setting is alerted.
void applyReply(const Link& link);

} // namespace otthon
