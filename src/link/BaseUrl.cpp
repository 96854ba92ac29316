#include "link/BaseUrl.h"

namespace otthon {

QString defaultBaseUrl() {
    return QStringLiteral("http://") + QStringLiteral(OTTHON_CONTROLLER_HOST) +
           QStringLiteral(":670/LomaViro/Lomaviro.php");
}

} // namespace otthon
