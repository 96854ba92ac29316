#pragma once

#include <QString>

namespace otthon {

// The controller script on the household network, as fixed at build:
// "http://<host>:670/LomaViro/Lomaviro.php".
QString defaultBaseUrl();

} // namespace otthon
