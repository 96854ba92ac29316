#include "sim/Household.h"

namespace otthon::sim {

Household initialHousehold() {
    Household h;
    h.stations = {"Dunaparti Hullám",   "Tiszavirág Rádió", "Bakonyi Szél FM", "Pusztai Esték",
                  "Kékfény Zene",       "Somlói Dallam",    "Hajnalcsillag",   "Mátrai Visszhang",
                  "Balatoni Szellő FM", "Gesztenye Rádió"};
    h.irrigationSchedule = {
        {1, {5, 30}, 15}, {2, {5, 45}, 15}, {3, {6, 0}, 20}, {5, {20, 30}, 10}, {6, {20, 40}, 10}};
    h.poolSchedule = {{{8, 0}, 45}, {{14, 30}, 40}, {{19, 5}, 30}};
    return h;
}

} // namespace otthon::sim
