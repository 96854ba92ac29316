#include "link/ExchangeLimits.h"

namespace otthon {

QUrl requestUrl(const QString& text) {
    return QUrl(text, QUrl::StrictMode);
}

QString invalidUrlReason() {
    return QStringLiteral("the address is not a valid URL");
}

QString pastDeadlineReason() {
    return QStringLiteral("no complete reply within %1 s").arg(ExchangeDeadline);
}

QString tooLongReason() {
    return QStringLiteral("the reply is longer than %1 bytes").arg(MaxReplyBytes);
}

bool appendWithinCap(QByteArray& body, const QByteArray& bytes) {
    if (bytes.size() > MaxReplyBytes - body.size())
        return false;
    body.append(bytes);
    return true;
}

} // namespace otthon
