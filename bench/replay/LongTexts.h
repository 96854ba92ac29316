#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace otthon::bench {

// Replies just under the link's size cap whose texts are as long as the cap lets them be: one station name
// of 1,000,000 characters (and one of 200,000), and the station list filled with names of 256 characters.
struct NamedReply {
    QString name;
    QByteArray bytes;
};
std::vector<NamedReply> longTextReplies();

// Visits the radio page with the sample reply and with each of `replies`, `rounds` times each, and prints the
// best time of each step on the main thread: the reply's arrival (decoded and copied into the model), the
// page's redraw, and the scene's first frame offscreen. Returns the longest step a reply added, in
// nanoseconds: an arrival, a redraw, or the first frame beyond the sample reply's.
qint64 visitRadio(const std::vector<NamedReply>& replies, int rounds);

} // namespace otthon::bench
