#pragma once

#include "pages/thermostat/Thermostat.h"

namespace otthon {

// The bedroom thermostat.
class HaloViewController : public Thermostat {
    Q_OBJECT

public:
    explicit HaloViewController(PageContext& context, QObject* parent = nullptr)
        : Thermostat(context, HaloTwin, parent) {}
};

} // namespace otthon
