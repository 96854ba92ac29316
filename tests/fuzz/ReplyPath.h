#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace otthon::testing {

// Told, for each screen, its class name and how long one redraw from the reply took.
using ScreenTimes = std::function<void(const QString& screen, qint64 nanoseconds)>;

// One controller reply through everything the app does with it, on fresh state showing a usual household
// (the sample reply): the bytes answer a poll (the link decodes them into the status document and copies
// that into the model), and every screen redraws on its refresh tick and then once more, timed. Each schedule
// list is drawn in edit mode too, and opens its slot editor on its first rows and its last, whose set button
// writes the wheels' slot back into the document. A draw reads every outlet as a view would, and each wheel's
// rows around its selection.
void runReply(QByteArrayView bytes, const ScreenTimes& times = {});

} // namespace otthon::testing
