#include "pages/controls/ArtImageProvider.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutexLocker>
#include <QResource>

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

// The picture `name` when it is bundled unpacked as well ("<name>.pixels", see the header), in place: the
// image draws from the program's own bytes. A null image when it is not, or when its bytes are not as we lay
// them out.
QImage unpacked(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    const QResource resource(QStringLiteral(":/images/%1.pixels").arg(QFileInfo(name).completeBaseName()));
    constexpr qint64 headerSize = 4 * sizeof(quint32);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < headerSize || quintptr(resource.data()) % alignof(quint32) != 0)
        return {};
    const auto* header = reinterpret_cast<const quint32*>(resource.data());
    const auto format = QImage::Format(header[3]);
    // Our pictures are far smaller than this; a bound keeps the size check below from overflowing.
    constexpr quint32 largest = 16384;
    if (header[0] != ArtImageProvider::UnpackedMagic || header[1] > largest || header[2] > largest ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        resource.size() != headerSize + qint64(header[1]) * header[2] * 4)
        return {};
    return QImage(resource.data() + headerSize, int(header[1]), int(header[2]), qsizetype(header[1]) * 4,
                  format);
}

} // namespace

QImage ArtImageProvider::read(const QString& name, int ratio) {
    if (ratio == 1)
        if (QImage image = unpacked(name); !image.isNull())
            return image;
    return withReader(name, ratio, [](QImageReader* reader) { return reader ? reader->read() : QImage(); });
}

QSize ArtImageProvider::ownSize(const QString& name) {
    if (const QImage image = unpacked(name); !image.isNull())
        return image.size();
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
