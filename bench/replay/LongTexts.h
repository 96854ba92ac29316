#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace otthon::bench {

// Replies under the size cap with the longest texts: a station name of 1,000,000 characters, one of 200,000,
// and the station list filled with names of 256 characters.
struct NamedReply {
    QString name;
    QByteArray bytes;
};
std::vector<NamedReply> longTextReplies();

// Visits the radio page with the sample reply and each of `replies`, and prints the best of `rounds` of each
// step: the reply's arrival (decoded and copied into the model), the page's redraw, the scene's first frame.
// Returns the longest step a reply added (arrival, redraw, or first frame beyond the sample's), in ns.
qint64 visitRadio(const std::vector<NamedReply>& replies, int rounds);

} // namespace otthon::bench
