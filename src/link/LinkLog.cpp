#include "link/LinkLog.h"

namespace otthon {

Q_LOGGING_CATEGORY(lcLink, "otthon.link", QtInfoMsg)

} // namespace otthon
