// Every picture the pages name is in the resource bundle, at its drawn size, and not blank.
#include <QImage>
#include <QTest>

namespace otthon {

class TestArt : public QObject {
    Q_OBJECT
private slots:
    void picture_data();
    void picture();
};

void TestArt::picture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    const QSize page(390, 844);
    const QSize icon(128, 128);
    for (const char* name :
         {"Kulso", "Nappali", "Halo", "sound", "Medence", "Pool", "sprinkler_systems", "Aqua-Water-Drops"})
        QTest::newRow(name) << QString::fromLatin1(name) << page;
    for (const char* name : {"lakatbe1", "lakat1ki", "lakatbe2", "lakat2ki", "nincs_kapcsolat", "eso"})
        QTest::newRow(name) << QString::fromLatin1(name) << icon;
    QTest::newRow("beallitasok") << QStringLiteral("beallitasok") << QSize(64, 64);
}

void TestArt::picture() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage image(QStringLiteral(":/images/%1.png").arg(name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);

    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qsizetype opaque = 0;
    qint64 brightness = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            opaque += qAlpha(pixel) > 0 ? 1 : 0;
            brightness += qGray(pixel);
        }
    const qsizetype total = qsizetype(argb.width()) * argb.height();
    QVERIFY2(opaque > total / 20,
             qPrintable(QStringLiteral("%1: %2 of %3 pixels drawn").arg(name).arg(opaque).arg(total)));
    // A page background covers the whole page and stays dark under white text; an icon leaves its corners
    // clear.
    if (size.height() > size.width()) {
        QCOMPARE(opaque, total);
        QVERIFY2(brightness / total < 80,
                 qPrintable(QStringLiteral("%1: mean grey %2").arg(name).arg(brightness / total)));
    } else {
        QCOMPARE(qAlpha(argb.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(argb.pixel(argb.width() - 1, argb.height() - 1)), 0);
    }
}

} // namespace otthon

QTEST_MAIN(otthon::TestArt)
#include "test_art.moc"
