#include "link/BaseUrl.h"

#include <QUrl>

namespace otthon {

namespace {

constexpr int ControllerPort = 670;
constexpr char ScriptPath[] = "/LomaViro/Lomaviro.php";

} // namespace

QString defaultBaseUrl() {
    return QStringLiteral("http://") + QStringLiteral(OTTHON_CONTROLLER_HOST) +
           QStringLiteral(":%1%2").arg(ControllerPort).arg(QLatin1String(ScriptPath));
}

bool isUsableBaseUrl(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    return text.size() <= MaxBaseUrlLength && url.isValid() && url.scheme() == QLatin1String("http") &&
           !url.host().isEmpty() && !url.hasQuery() && !url.hasFragment();
}

TypedAddress baseUrlFromTyped(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {{}, QStringLiteral("Nincs megadva cím.")};
    if (text.size() > MaxBaseUrlLength)
        return {{}, QStringLiteral("A cím túl hosszú.")};
    const bool whole = text.contains(QLatin1String("://"));
    QUrl url(whole ? text : QStringLiteral("http://") + text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return {{}, QStringLiteral("Ez nem érvényes cím.")};
    if (url.scheme() != QLatin1String("http"))
        return {{}, QStringLiteral("Csak http:// kezdetű cím lehet.")};
    if (url.hasQuery() || url.hasFragment())
        return {{}, QStringLiteral("A cím nem tartalmazhat ? vagy # jelet.")};
    const bool bare = url.path().isEmpty() || url.path() == QLatin1String("/");
    if ((bare || !whole) && url.port() == -1)
        url.setPort(ControllerPort);
    if (bare)
        url.setPath(QLatin1String(ScriptPath));
    const QString result = url.toString(QUrl::FullyEncoded);
    if (!isUsableBaseUrl(result))
        return {{}, QStringLiteral("A cím túl hosszú.")};
    return {result, {}};
}

} // namespace otthon
