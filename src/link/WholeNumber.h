#pragma once

#include <QString>

#include <cmath>

namespace otthon {

// A slider value as the pages print it with no decimals (printf's "%0.0f", as the commands send it): the
// nearest whole number, an exact half going to the even neighbour (22.5 gives 22, 21.5 gives 22).
// (QString::asprintf rounds halves away from zero.) Commands and labels both use it.
inline QString wholeText(double value) {
    return QString::number(std::nearbyint(value), 'f', 0); // default rounding mode: to nearest, ties to even
}

} // namespace otthon
