#include "pages/controls/ArtImageProvider.h"

#include <QDir>
#include <QResource>
#include <QTest>

using namespace otthon;

// The pictures bundled unpacked for the first frame: each is the very picture its PNG draws, read in place
// at its own size; the larger sizes still come from their PNGs.
class ArtPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void unpackedPicturesDrawAsTheirPngsInPlace_data() {
        QTest::addColumn<QString>("name");
        const QStringList files = QDir(QStringLiteral(":/images")).entryList({QStringLiteral("*.pixels")});
        QVERIFY(files.contains(QStringLiteral("Kulso.pixels"))); // the first page's background
        for (const QString& file : files) {
            const QString name = QFileInfo(file).completeBaseName() + QStringLiteral(".png");
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void unpackedPicturesDrawAsTheirPngsInPlace() {
        QFETCH(QString, name);
        const QImage png(QStringLiteral(":/images/") + name);
        QVERIFY(!png.isNull());
        const QImage image = ArtImageProvider::read(name);
        // The format the software renderer draws from as it is, so that it never converts a copy.
        QCOMPARE(image.format(),
                 png.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        QCOMPARE(image, png.convertToFormat(image.format()));
        const QResource bundled(QStringLiteral(":/images/%1.pixels").arg(QFileInfo(name).completeBaseName()));
        QVERIFY(image.constBits() > bundled.data() && image.constBits() < bundled.data() + bundled.size());
        QCOMPARE(ArtImageProvider::ownSize(name), png.size());
        QCOMPARE(ArtImageProvider::read(name, 2).size(), png.size() * 2);
        QCOMPARE(ArtImageProvider::read(name, 3).size(), png.size() * 3);
    }

    // A picture bundled only as a PNG reads as before.
    void otherPicturesComeFromTheirPngs() {
        const QImage png(QStringLiteral(":/images/Nappali.png"));
        QCOMPARE(ArtImageProvider::read(QStringLiteral("Nappali.png")), png);
        QCOMPARE(ArtImageProvider::ownSize(QStringLiteral("Nappali.png")), png.size());
        QVERIFY(ArtImageProvider::read(QStringLiteral("nincs-ilyen.png")).isNull());
    }
};

QTEST_GUILESS_MAIN(ArtPicturesTest)
#include "tst_artpictures.moc"
