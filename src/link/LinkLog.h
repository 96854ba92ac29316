#pragma once

#include <QLoggingCategory>

namespace otthon {

// The link's diagnostics ("otthon.link"): failed exchanges and their reasons, at info level and above.
Q_DECLARE_LOGGING_CATEGORY(lcLink)

} // namespace otthon
