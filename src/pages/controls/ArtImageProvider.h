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
// Each picture is bundled at its own size and doubled and tripled ("<name>@2x.png", "<name>@3x.png"). An
// Image with a sourceSize is asked for that size times the screen's pixel ratio: it gets the smallest of the
// three that covers it (the largest when none does), so it stays sharp on any screen. Without a sourceSize it
// gets the picture at its own size.
//
// The pictures of the first frame are bundled unpacked too, as "<name>.pixels" (art/CMakeLists.txt): four
// 32-bit words in the machine's byte order ("OTPX" as UnpackedMagic, width, height, QImage format: RGB32 or
// ARGB32_Premultiplied), then the rows of pixels as QImage holds them. At their own size they are read from
// there, in place: no decoding, and no fresh memory to fill.
//
// Pictures can be read ahead: prefetch() reads them at their own size and keeps each until QML asks for it
// the first time (Qt caches it from then on). QML reaches it through ArtImage and the Art singleton
// (ArtPictures).
class ArtImageProvider final : public QQuickImageProvider {
public:
    static constexpr const char* Id = "art";
    static constexpr quint32 UnpackedMagic = 0x5850544f; // "OTPX" in a little-endian word

    ArtImageProvider();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
    void prefetch(const QStringList& names);
    // Lets go of what was read ahead and never asked for.
    void dropPrefetched();

    // The picture `name` from the resources at its own size, or at `ratio` (2 or 3) times that size; a null
    // image when there is none.
    static QImage read(const QString& name, int ratio = 1);
    // The size the picture is drawn at; empty when there is none. Reads only the file's header.
    static QSize ownSize(const QString& name);
    // Which of the bundled sizes (1, 2 or 3 times its own) covers `requested`.
    static int ratioFor(QSize own, QSize requested);

private:
    // Qt asks from its image-reading thread for an Image that loads asynchronously.
    QMutex mutex_;
    QHash<QString, QImage> ahead_;
};

} // namespace otthon
