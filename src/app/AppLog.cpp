#include "app/AppLog.h"

namespace otthon {

Q_LOGGING_CATEGORY(lcApp, "otthon.app", QtInfoMsg)

} // namespace otthon
