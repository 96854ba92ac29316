#pragma once

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QQuickImageProvider>
#include <QStringList>

namespace otthon {

// Our own pictures for QML, as "image://art/<name>" (say "image://art/Kulso.png"): the PNGs that art/ bundles
// under ":/images", read by Qt's PNG reader directly. An Image with a "qrc:" source would first have Qt load
// every image-format plugin and ask each about the file, which shows in the time to the first frame.
//
// Pictures can be read ahead: prefetch() reads them at once and keeps each until QML asks for it the first
// time (Qt caches it from then on). Pictures come at the size they are drawn; a requested source size is
// ignored. QML reaches it through the Art singleton (ArtPictures).
class ArtImageProvider final : public QQuickImageProvider {
public:
    static constexpr const char* Id = "art";

    ArtImageProvider();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
    void prefetch(const QStringList& names);
    // Lets go of what was read ahead and never asked for.
    void dropPrefetched();

    // The picture `name` from the resources; a null image when there is none.
    static QImage read(const QString& name);

private:
    // Qt asks from its image-reading thread for an Image that loads asynchronously.
    QMutex mutex_;
    QHash<QString, QImage> ahead_;
};

} // namespace otthon
