#include "pages/controls/ArtPictures.h"

#include "pages/controls/ArtImageProvider.h"

#include <QQmlEngine>
#include <QtMath>

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

QSize ArtPictures::size(const QString& name, qreal width, qreal height) const {
    const QSize own = ArtImageProvider::ownSize(name);
    return own * ArtImageProvider::ratioFor(own, QSize(qCeil(width), qCeil(height)));
}

} // namespace otthon
