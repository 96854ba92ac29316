#pragma once

#include "pages/thermostat/Thermostat.h"

namespace otthon {

// The living-room thermostat.
class Nappali : public Thermostat {
    Q_OBJECT

public:
    explicit Nappali(PageContext& context, QObject* parent = nullptr)
        : Thermostat(context, NappaliTwin, parent) {}
};

} // namespace otthon
