#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace otthon {

// The bounds every exchange with a controller keeps: the link's own, and a probe of another address alike.

// An exchange that has not ended this long after it began, however steadily its bytes come, is given up.
constexpr double ExchangeDeadline = 10.0;
// A reply that grows past this is given up. No status document comes near it (the largest are tens of KiB).
constexpr qsizetype MaxReplyBytes = 4 * 1024 * 1024;

// The URL a request goes to, read strictly; when it is not valid, nothing is sent and the exchange fails,
// with invalidUrlReason(), on a later turn of the event loop.
QUrl requestUrl(const QString& text);
QString invalidUrlReason();
QString pastDeadlineReason();
QString tooLongReason();

// Appends `bytes` to the reply's `body`; false, with nothing appended, when the body would grow past
// MaxReplyBytes.
bool appendWithinCap(QByteArray& body, const QByteArray& bytes);

} // namespace otthon
