// Renders one hand-written SVG into a PNG on a transparent background: at the SVG's own size, at that size
// doubled or tripled (for screens of that pixel ratio), or at a square size given in pixels (the app icon's
// sizes). An output named "*.pixels" gets the picture unpacked instead (ArtImageProvider.h tells the layout).
// Usage: otthon-art-render <input.svg> <output.png | output.pixels> [size | 2x | 3x]
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

bool isOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

// The picture as the app draws it from the PNG (read back, and with its alpha premultiplied), after a header
// of four 32-bit words in the machine's byte order: "OTPX", width, height, QImage format. Pixels are in the
// machine's byte order too: the file is read on the kind of machine that built it.
bool saveUnpacked(const QImage& drawn, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!drawn.save(&buffer, "PNG"))
        return false;
    QImage image = QImage::fromData(png, "PNG");
    if (image.hasAlphaChannel())
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const quint32 header[] = {0x5850544f /* "OTPX", ArtImageProvider::UnpackedMagic */,
                              quint32(image.width()), quint32(image.height()), quint32(image.format())};
    file.write(reinterpret_cast<const char*>(header), sizeof header);
    for (int y = 0; y < image.height(); ++y)
        file.write(reinterpret_cast<const char*>(image.constScanLine(y)), qsizetype(image.width()) * 4);
    return file.error() == QFileDevice::NoError;
}

} // namespace

int main(int argc, char* argv[]) {
    // A build step has no display: draw off screen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const QString last = args.size() == 4 ? args.at(3) : QString();
    const int ratio = last == QLatin1String("2x") ? 2 : last == QLatin1String("3x") ? 3 : 1;
    const int square = ratio == 1 && !last.isEmpty() ? last.toInt() : 0;
    if (args.size() < 3 || args.size() > 4 ||
        (ratio == 1 && !last.isEmpty() && (square < 1 || square > 4096))) {
        err << "usage: otthon-art-render <input.svg> <output.png | output.pixels> [size 1 to 4096 | 2x | "
               "3x]\n";
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        err << "cannot read " << args.at(1) << "\n";
        return 1;
    }
    const QSize size = square > 0 ? QSize(square, square) : renderer.defaultSize() * ratio;
    if (size.isEmpty()) {
        err << args.at(1) << " has no size\n";
        return 1;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
    }
    // A picture without a single see-through pixel (a page background) is saved without alpha: it reads
    // faster and draws as an opaque copy.
    if (isOpaque(image))
        image = image.convertToFormat(QImage::Format_RGB32);
    const bool unpacked = args.at(2).endsWith(QLatin1String(".pixels"));
    if (unpacked ? !saveUnpacked(image, args.at(2)) : !image.save(args.at(2), "PNG")) {
        err << "cannot write " << args.at(2) << "\n";
        return 1;
    }
    return 0;
}
