#include "pages/controls/ArtPictures.h"

#include "pages/controls/ArtImageProvider.h"

#include <QQmlEngine>

namespace otthon {

ArtPictures* ArtPictures::create(QQmlEngine* engine, QJSEngine*) {
    if (!engine->imageProvider(QLatin1String(ArtImageProvider::Id)))
        engine->addImageProvider(QLatin1String(ArtImageProvider::Id), new ArtImageProvider);
    return new ArtPictures;
}

QUrl ArtPictures::source(const QString& name) const {
    if (name.isEmpty())
        return {};
    return QUrl(QStringLiteral("image://%1/%2").arg(QLatin1String(ArtImageProvider::Id), name));
}

} // namespace otthon
