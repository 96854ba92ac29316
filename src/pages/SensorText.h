#pragma once

#include "link/StatusTree.h"

namespace otthon {

// A sensor value as a page shows it: the controller's text unchanged, a number in decimal form, and a dash
// when the reply lacked the value.
inline QString sensorText(const QJsonValue& value) {
    if (value.isUndefined() || value.isNull())
        return QStringLiteral("–");
    return textOf(value);
}

} // namespace otthon
