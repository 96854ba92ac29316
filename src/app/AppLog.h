#pragma once

#include <QLoggingCategory>

namespace otthon {

// The app's own diagnostics ("otthon.app"): which controller it talks to, and why it could not start.
Q_DECLARE_LOGGING_CATEGORY(lcApp)

} // namespace otthon
