#pragma once

namespace otthon {

struct StatusModel;

// Builds the fixed lists the editors and pages offer (hours, minutes, slot labels, zone names and codes) and
// the placeholder station list, in the model. Called once at start-up.
void buildChoiceLists(StatusModel& model);

} // namespace otthon
