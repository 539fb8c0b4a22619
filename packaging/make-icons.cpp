// Renders the SVG icon to PNGs of the given sizes and writes a Windows .ico
// holding every size: 16, 32 and 48 pixels at 4-bit, 8-bit and 32-bit depth
// (the classic nine images), the others at 32 bits, and 256 pixels as a PNG,
// as Windows stores its large icons.
//
//   make-icons SVG OUTDIR SIZE...
// writes OUTDIR/morvelin-SIZE.png for every SIZE and OUTDIR/morvelin.ico.

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::array classicSizes{16, 32, 48};
constexpr std::array classicDepths{4, 8, 32};
constexpr int pngSize = 256;

QImage render(QSvgRenderer &svg, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return image;
}

// The 16 colours of the standard Windows palette.
QList<QRgb> sixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// The icon is grey on white, so 256 greys keep it exact.
QList<QRgb> greys()
{
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette << qRgb(i, i, i);
    return palette;
}

int nearest(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void putLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

int rowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// One icon image: BITMAPINFOHEADER, palette, colour rows and the AND mask,
// rows bottom-up. The ground is opaque, so the mask is all zeros.
QByteArray iconImage(const QImage &source, int depth)
{
    const int size = source.width();
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QList<QRgb> palette = depth == 4   ? sixteenColours()
                                : depth == 8 ? greys()
                                             : QList<QRgb>{};
    const int colourRow = rowBytes(size, depth);
    const int maskRow = rowBytes(size, 1);

    QByteArray out;
    putLe(out, 40, 4);
    putLe(out, size, 4);
    putLe(out, 2 * size, 4); // colour rows and mask rows
    putLe(out, 1, 2);
    putLe(out, depth, 2);
    putLe(out, 0, 4); // uncompressed
    putLe(out, (colourRow + maskRow) * size, 4);
    putLe(out, 0, 4);
    putLe(out, 0, 4);
    putLe(out, palette.size(), 4);
    putLe(out, 0, 4);
    for (const QRgb colour : palette) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (depth == 32) {
                const qsizetype at = qsizetype{4} * x;
                row[at] = static_cast<char>(qBlue(pixel));
                row[at + 1] = static_cast<char>(qGreen(pixel));
                row[at + 2] = static_cast<char>(qRed(pixel));
                row[at + 3] = static_cast<char>(qAlpha(pixel));
            } else if (depth == 8) {
                row[x] = static_cast<char>(nearest(palette, pixel));
            } else {
                const int index = nearest(palette, pixel);
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
            }
        }
        out.append(row);
    }
    out.append(QByteArray(static_cast<qsizetype>(maskRow) * size, '\0'));
    return out;
}

QByteArray pngImage(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray icoFile(QSvgRenderer &svg, const std::vector<int> &sizes)
{
    std::vector<std::pair<QByteArray, std::pair<int, int>>> images; // data, size and depth
    for (const int size : sizes) {
        const QImage image = render(svg, size);
        if (size == pngSize) {
            images.push_back({pngImage(image), {size, 32}});
            continue;
        }
        const bool classic =
            std::find(classicSizes.begin(), classicSizes.end(), size) != classicSizes.end();
        for (const int depth : classicDepths)
            if (classic || depth == 32)
                images.push_back({iconImage(image, depth), {size, depth}});
    }

    QByteArray out;
    putLe(out, 0, 2);
    putLe(out, 1, 2); // icon
    putLe(out, static_cast<quint32>(images.size()), 2);
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (const auto &[data, format] : images) {
        const auto [size, depth] = format;
        out.append(static_cast<char>(size % 256)); // 0 stands for 256
        out.append(static_cast<char>(size % 256));
        out.append(static_cast<char>(depth == 4 ? 16 : 0));
        out.append('\0');
        putLe(out, 1, 2);
        putLe(out, depth, 2);
        putLe(out, static_cast<quint32>(data.size()), 4);
        putLe(out, offset, 4);
        offset += static_cast<quint32>(data.size());
    }
    for (const auto &image : images)
        out.append(image.first);
    return out;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: make-icons SVG OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "make-icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    std::vector<int> sizes;
    for (int arg = 3; arg < argc; ++arg) {
        const int size = std::atoi(argv[arg]);
        sizes.push_back(size);
        const QString path = QStringLiteral("%1/morvelin-%2.png").arg(outDir).arg(size);
        if (!render(svg, size).save(path)) {
            std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!writeFile(outDir + QStringLiteral("/morvelin.ico"), icoFile(svg, sizes))) {
        std::fprintf(stderr, "make-icons: cannot write the .ico\n");
        return 1;
    }
    return 0;
}
