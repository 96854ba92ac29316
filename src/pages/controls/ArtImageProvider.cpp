#include "pages/controls/ArtImageProvider.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutexLocker>

namespace otthon {

ArtImageProvider::ArtImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QImage ArtImageProvider::read(const QString& name) {
    // Names are plain file names of the bundle, never paths.
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    QFile file(QStringLiteral(":/images/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file, QFileInfo(name).suffix().toLatin1());
    // With the format given and detection off, no plugin is loaded for a format Qt reads itself.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

void ArtImageProvider::prefetch(const QStringList& names) {
    for (const QString& name : names) {
        {
            QMutexLocker lock(&mutex_);
            if (ahead_.contains(name))
                continue;
        }
        QImage image = read(name);
        if (image.isNull())
            continue; // QML reports it when it asks
        QMutexLocker lock(&mutex_);
        ahead_.insert(name, std::move(image));
    }
}

void ArtImageProvider::dropPrefetched() {
    QMutexLocker lock(&mutex_);
    ahead_.clear();
}

QImage ArtImageProvider::requestImage(const QString& id, QSize* size, const QSize&) {
    QImage image;
    {
        QMutexLocker lock(&mutex_);
        image = ahead_.take(id);
    }
    if (image.isNull())
        image = read(id);
    if (size)
        *size = image.size();
    return image;
}

} // namespace otthon
