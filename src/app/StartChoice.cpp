#include "app/StartChoice.h"

namespace otthon {

StartChoice chooseStart(const std::optional<QString>& controller, bool demo, bool demoUnlessSaved,
                        const std::function<QString()>& saved, const QString& defaultUrl) {
    if (controller)
        return {*controller, false, false};
    if (demo)
        return {QString(), true, false};
    const QString address = saved();
    if (!address.isEmpty())
        return {address, false, false};
    if (demoUnlessSaved)
        return {QString(), true, false};
    return {defaultUrl, false, true};
}

} // namespace otthon
