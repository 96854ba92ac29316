#include "pages/controls/ArtImageProvider.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutexLocker>

#include <algorithm>
#include <utility>

namespace otthon {

ArtImageProvider::ArtImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

namespace {

// Reads from the bundle with the format given and detection off: no plugin is loaded for a format Qt reads
// itself. Names are plain file names of the bundle, never paths.
template <class Use> auto withReader(const QString& name, int ratio, Use use) -> decltype(use(nullptr)) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    const QFileInfo info(name);
    const QString file =
        ratio == 1 ? name
                   : QStringLiteral("%1@%2x.%3").arg(info.completeBaseName()).arg(ratio).arg(info.suffix());
    QFile data(QStringLiteral(":/images/") + file);
    if (!data.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&data, info.suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return use(&reader);
}

} // namespace

QImage ArtImageProvider::read(const QString& name, int ratio) {
    return withReader(name, ratio, [](QImageReader* reader) { return reader ? reader->read() : QImage(); });
}

QSize ArtImageProvider::ownSize(const QString& name) {
    return withReader(name, 1, [](QImageReader* reader) { return reader ? reader->size() : QSize(); });
}

int ArtImageProvider::ratioFor(QSize own, QSize requested) {
    if (own.isEmpty())
        return 1;
    // Either side of a requested size may be left open (0).
    const qreal scale = std::max(qreal(std::max(requested.width(), 0)) / own.width(),
                                 qreal(std::max(requested.height(), 0)) / own.height());
    // A pixel or two over is not worth the next size up.
    return scale <= 1.01 ? 1 : scale <= 2.01 ? 2 : 3;
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

QImage ArtImageProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize) {
    QImage image;
    {
        QMutexLocker lock(&mutex_);
        image = ahead_.take(id);
    }
    // A larger size replaces what was read ahead; without one, the picture at its own size does.
    if (const int ratio = ratioFor(image.isNull() ? ownSize(id) : image.size(), requestedSize); ratio > 1)
        if (QImage larger = read(id, ratio); !larger.isNull())
            image = std::move(larger);
    if (image.isNull())
        image = read(id);
    if (size)
        *size = image.size();
    return image;
}

} // namespace otthon
