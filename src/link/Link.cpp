#include "link/Link.h"

#include "link/LinkEvents.h"
#include "link/StatusModel.h"

namespace otthon {

void beginSettling(StatusModel& model) {
    model.CommandSettling = true;
    model.Draft = false;
}

void endSettling(const Link& link) {
    link.model.CommandSettling = false;
    emit link.events.commandSettled();
}

} // namespace otthon
