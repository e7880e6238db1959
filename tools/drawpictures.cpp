// velmo-draw-pictures: draws every picture the page shows and the program's
// icon.
//
// Usage: velmo-draw-pictures <assets-folder>
//        velmo-draw-pictures --fuzz-seeds <folder>
//
// Writes <assets-folder>/pictures/話題の人1.bmp … 話題の人10.bmp (93 x 101 px)
// and <assets-folder>/pictures/広告1.bmp … 広告12.bmp (93 x 109 px), all 24-bit
// Windows bitmaps, and the icon files under <assets-folder>/icons/. The output
// depends only on this program and the installed fonts: nothing is random or
// dated, so two runs write the same bytes.
//
// With --fuzz-seeds it writes instead small bitmaps in every header layout
// that Windows draws, the seed corpus of the picture check's fuzz target
// (tests/fuzz/run).

#include "advertisements.h"
#include "bytewriter.h"
#include "portraits.h"
#include "programicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace {

using namespace velmo::artwork;

// One layout of a bitmap file's headers.
struct BmpLayout {
    const char* name;
    std::uint32_t headerSize; // 12 for the core header, 40 and more for the others
    std::uint16_t bitCount;
    bool bitFields = false;   // three masks (after a 40-byte header, inside a larger one)
    std::uint32_t coloursUsed = 0;
    bool topDown = false;
};

// Writes image in the given layout. Up to 8 bits a pixel the colours are a
// grey ramp, indexed by each pixel's lightness; 16 bits are 5-6-5 with bit
// fields and 5-5-5 without.
bool saveBmp(const QImage& image, const BmpLayout& layout, const QString& path)
{
    const bool core = layout.headerSize == 12;
    const int bits = layout.bitCount;
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = (width * bits + 31) / 32 * 4;
    const std::uint32_t entries = bits <= 8 ? (layout.coloursUsed != 0 ? layout.coloursUsed : 1u << bits) : layout.coloursUsed;
    const std::uint32_t masks = layout.bitFields && layout.headerSize == 40 ? 12 : 0;
    const std::uint32_t offset = 14 + layout.headerSize + masks + entries * (core ? 3 : 4);
    const std::uint32_t pixelBytes = std::uint32_t(rowBytes) * std::uint32_t(height);

    ByteWriter out;
    out.put8('B');
    out.put8('M');
    out.put32(offset + pixelBytes);
    out.put32(0);
    out.put32(offset);
    out.put32(layout.headerSize);
    if (core) {
        out.put16(std::uint16_t(width));
        out.put16(std::uint16_t(height));
        out.put16(1);
        out.put16(layout.bitCount);
    } else {
        out.put32(std::uint32_t(width));
        out.put32(std::uint32_t(layout.topDown ? -height : height));
        out.put16(1);
        out.put16(layout.bitCount);
        out.put32(layout.bitFields ? 3 : 0);
        out.put32(pixelBytes);
        out.put32(3780);
        out.put32(3780);
        out.put32(layout.coloursUsed);
        out.put32(0);
    }
    const std::uint32_t red = bits == 16 ? 0xF800 : 0xFF0000;
    const std::uint32_t green = bits == 16 ? 0x07E0 : 0xFF00;
    const std::uint32_t blue = bits == 16 ? 0x1F : 0xFF;
    if (layout.bitFields) {
        out.put32(red);
        out.put32(green);
        out.put32(blue);
    }
    // The rest of a larger header (the V4 and V5 fields) stays zero.
    for (std::uint32_t at = 40 + (layout.bitFields ? 12 : 0); !core && at < layout.headerSize; ++at) {
        out.put8(0);
    }
    for (std::uint32_t i = 0; i < entries; ++i) {
        const auto grey = std::uint8_t(bits <= 8 ? i * 255 / std::max(1u, (1u << bits) - 1) : i);
        out.put8(grey);
        out.put8(grey);
        out.put8(grey);
        if (!core) {
            out.put8(0);
        }
    }
    for (int row = 0; row < height; ++row) {
        const int y = layout.topDown ? row : height - 1 - row;
        QByteArray line(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (bits <= 8) {
                const int index = qGray(pixel) * ((1 << bits) - 1) / 255;
                const int bit = x * bits;
                line[bit / 8] = char(line[bit / 8] | (index << (8 - bits - bit % 8)));
            } else if (bits == 16) {
                const int r = qRed(pixel) >> 3;
                const int g = layout.bitFields ? qGreen(pixel) >> 2 : qGreen(pixel) >> 3;
                const int b = qBlue(pixel) >> 3;
                const int value = layout.bitFields ? (r << 11 | g << 5 | b) : (r << 10 | g << 5 | b);
                line[x * 2] = char(value & 0xFF);
                line[x * 2 + 1] = char(value >> 8);
            } else {
                const int bytes = bits / 8;
                line[x * bytes] = char(qBlue(pixel));
                line[x * bytes + 1] = char(qGreen(pixel));
                line[x * bytes + 2] = char(qRed(pixel));
            }
        }
        out.putBytes(line);
    }
    return out.saveTo(path);
}

// The page's pictures: uncompressed 24-bit bitmaps with a BITMAPINFOHEADER,
// bottom-up rows padded to four bytes, 96 dots per inch.
constexpr BmpLayout PageLayout{"page", 40, 24};

QImage render(QSize size, const std::function<void(QPainter&)>& draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    draw(painter);
    painter.end();
    return image;
}

bool writePictures(const QDir& folder)
{
    bool ok = true;
    for (int number = 1; number <= kPortraitCount; ++number) {
        const QImage picture = render(kPortraitSize, [number](QPainter& p) { drawPortrait(p, number); });
        ok = saveBmp(picture, PageLayout, folder.filePath(QStringLiteral("話題の人%1.bmp").arg(number))) && ok;
    }
    for (int number = 1; number <= kAdvertisementCount; ++number) {
        const QImage picture = render(kAdvertisementSize, [number](QPainter& p) { drawAdvertisement(p, number); });
        ok = saveBmp(picture, PageLayout, folder.filePath(QStringLiteral("広告%1.bmp").arg(number))) && ok;
    }
    return ok;
}

// Every layout, each with a small piece of the first portrait.
bool writeFuzzSeeds(const QDir& folder)
{
    static constexpr BmpLayout Layouts[] = {
        {"core-1", 12, 1},
        {"core-4", 12, 4},
        {"core-8", 12, 8},
        {"core-24", 12, 24},
        {"info-1", 40, 1},
        {"info-4-used-5", 40, 4, false, 5},
        {"info-8", 40, 8},
        {"info-16", 40, 16},
        {"info-16-fields", 40, 16, true},
        {"info-24", 40, 24},
        {"info-24-top-down", 40, 24, false, 0, true},
        {"info-24-used-256", 40, 24, false, 256},
        {"info-32", 40, 32},
        {"info-32-fields", 40, 32, true},
        {"v2-32-fields", 52, 32, true},
        {"v3-32-fields", 56, 32, true},
        {"v4-24", 108, 24},
        {"v5-32-fields", 124, 32, true},
    };
    const QImage portrait = render(kPortraitSize, [](QPainter& p) { drawPortrait(p, 1); });
    const QImage piece = portrait.copy(30, 20, 13, 11);
    bool ok = true;
    for (const BmpLayout& layout : Layouts) {
        ok = saveBmp(piece, layout, folder.filePath(QString::fromLatin1(layout.name) + QStringLiteral(".bmp"))) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts are needed, a screen is not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments.at(1) == QStringLiteral("--fuzz-seeds")) {
        return QDir().mkpath(arguments.at(2)) && writeFuzzSeeds(QDir(arguments.at(2))) ? 0 : 1;
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: velmo-draw-pictures <assets-folder> | --fuzz-seeds <folder>\n");
        return 2;
    }
    const QDir assets(arguments.at(1));
    if (!assets.mkpath(QStringLiteral("pictures")) || !assets.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "velmo-draw-pictures: cannot create folders in %s\n", qPrintable(assets.path()));
        return 1;
    }
    if (!writePictures(QDir(assets.filePath(QStringLiteral("pictures"))))) {
        std::fprintf(stderr, "velmo-draw-pictures: cannot write the pictures\n");
        return 1;
    }
    if (!writeProgramIcon(QDir(assets.filePath(QStringLiteral("icons"))))) {
        std::fprintf(stderr, "velmo-draw-pictures: cannot write the icon files\n");
        return 1;
    }
    return 0;
}
