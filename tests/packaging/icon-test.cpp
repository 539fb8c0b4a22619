// The rendered icons: the .ico holds the nine classic images and every other
// size at 32 bits (256 px as a PNG), each one decodes to the picture the SVG
// shows, and the PNGs have their sizes.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

const QString iconDir = QStringLiteral(MORVELIN_ICON_DIR);

quint32 le(const QByteArray &data, qsizetype at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(data[at + i]);
    return value;
}

int grey(QRgb pixel)
{
    return qGray(pixel);
}

} // namespace

class IconTest : public QObject {
    Q_OBJECT

  private slots:
    void pngsHaveTheirSizes_data();
    void pngsHaveTheirSizes();
    void icoHoldsEverySizeAndTheClassicDepths();
    void icoImagesShowTheRenderedPicture();
};

void IconTest::pngsHaveTheirSizes_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {MORVELIN_ICON_SIZES})
        QTest::addRow("%d", size) << size;
}

void IconTest::pngsHaveTheirSizes()
{
    QFETCH(int, size);
    const QImage image(iconDir + QStringLiteral("/morvelin-%1.png").arg(size));
    QCOMPARE(image.size(), QSize(size, size));
    // A white square ground with the dark star on it.
    QCOMPARE(grey(image.pixel(1, size - 2)), 255);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 255);
    int darkest = 255;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            darkest = std::min(darkest, grey(image.pixel(x, y)));
    QVERIFY(darkest < 100);
}

void IconTest::icoHoldsEverySizeAndTheClassicDepths()
{
    QFile file(iconDir + QStringLiteral("/morvelin.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    QCOMPARE(le(ico, 0, 2), 0U);
    QCOMPARE(le(ico, 2, 2), 1U);

    QList<QPair<int, int>> seen;
    for (quint32 i = 0; i < le(ico, 4, 2); ++i) {
        const qsizetype entry = 6 + 16 * qsizetype{i};
        const int size =
            static_cast<quint8>(ico[entry]) == 0 ? 256 : static_cast<quint8>(ico[entry]);
        const int depth = static_cast<int>(le(ico, entry + 6, 2));
        const quint32 length = le(ico, entry + 8, 4);
        const quint32 offset = le(ico, entry + 12, 4);
        QVERIFY(offset + length <= static_cast<quint32>(ico.size()));
        seen << qMakePair(size, depth);
        if (size == 256) { // stored as a PNG
            QCOMPARE(ico.mid(offset, 8), QByteArray("\x89PNG\r\n\x1a\n"));
            QCOMPARE(QImage::fromData(ico.mid(offset, length), "PNG").size(), QSize(256, 256));
            continue;
        }
        // The bitmap header agrees with the directory entry.
        QCOMPARE(le(ico, offset, 4), 40U);
        QCOMPARE(static_cast<int>(le(ico, offset + 4, 4)), size);
        QCOMPARE(static_cast<int>(le(ico, offset + 8, 4)), 2 * size);
        QCOMPARE(static_cast<int>(le(ico, offset + 14, 2)), depth);
        const int paletteEntries = depth == 32 ? 0 : 1 << depth;
        const int colourRow = (size * depth + 31) / 32 * 4;
        const int maskRow = (size + 31) / 32 * 4;
        QCOMPARE(length,
                 40U + 4U * paletteEntries + static_cast<quint32>((colourRow + maskRow) * size));
    }
    QList<QPair<int, int>> expected;
    for (const int size : {MORVELIN_ICON_SIZES})
        for (const int depth : {4, 8, 32})
            if (depth == 32 || size == 16 || size == 32 || size == 48)
                expected << qMakePair(size, depth);
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, expected);
}

void IconTest::icoImagesShowTheRenderedPicture()
{
    QImageReader reader(iconDir + QStringLiteral("/morvelin.ico"));
    QVERIFY(reader.imageCount() > 9);
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        const QImage png(iconDir + QStringLiteral("/morvelin-%1.png").arg(image.width()));
        QCOMPARE(image.size(), png.size());
        // Greys of 16 colours are coarse; rows must not be flipped or shifted.
        int worst = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                worst = std::max(worst, std::abs(grey(image.pixel(x, y)) - grey(png.pixel(x, y))));
        QVERIFY2(worst <= 64,
                 qPrintable(QStringLiteral("image %1 differs by %2").arg(i).arg(worst)));
    }
}

QTEST_GUILESS_MAIN(IconTest)
#include "icon-test.moc"
