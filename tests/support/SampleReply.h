#pragma once

#include <QByteArray>
#include <QJsonArray>

namespace otthon::testing {

// A complete controller reply in which every value the app reads is distinct, so a value read from the wrong
// position shows. No refused setting; two slots in each schedule; three stations.
//   sensors:      bedroom 21.5/45, living room 22.1/40, outside 8.3/71, rain "0", pressure "1013",
//                 gate 1 "1", gate 2 "0", pool "26.4"
//   thermostats:  bedroom 20 heating, living room 23 cooling
//   switches:     radio volume 40, station 2, playing; pool on; irrigation 1, master 1, zones 0 1 0 0 1 0
//   irrigation:   Z2 6:30 15, Z5 19:5 40        pool: 6:30 15, 18:0 60
//   stations:     "Kossuth", "Petőfi", "Bartók"
QJsonArray sampleReply();
QByteArray sampleReplyBytes();

} // namespace otthon::testing
