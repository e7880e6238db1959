// velmo-draw-pictures: draws every picture the page shows and the program's
// icon.
//
// Usage: velmo-draw-pictures <assets-folder>
//
// Writes <assets-folder>/pictures/話題の人1.bmp … 話題の人10.bmp (93 x 101 px)
// and <assets-folder>/pictures/広告1.bmp … 広告12.bmp (93 x 109 px), all 24-bit
// Windows bitmaps, and the icon files under <assets-folder>/icons/. The output
// depends only on this program and the installed fonts: nothing is random or
// dated, so two runs write the same bytes.

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

#include <cstdint>
#include <cstdio>
#include <functional>

namespace {

using namespace velmo::artwork;

// Writes image as an uncompressed 24-bit Windows bitmap (BITMAPINFOHEADER,
// bottom-up rows padded to four bytes, 96 dots per inch).
bool saveBmp24(const QImage& image, const QString& path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = std::uint32_t(rowBytes) * std::uint32_t(height);
    constexpr std::uint32_t headerBytes = 14 + 40;
    constexpr std::uint32_t dotsPerMetre = 3780;

    ByteWriter out;
    out.put8('B');
    out.put8('M');
    out.put32(headerBytes + pixelBytes);
    out.put32(0);
    out.put32(headerBytes);
    out.put32(40);
    out.put32(std::uint32_t(width));
    out.put32(std::uint32_t(height));
    out.put16(1);
    out.put16(24);
    out.put32(0);
    out.put32(pixelBytes);
    out.put32(dotsPerMetre);
    out.put32(dotsPerMetre);
    out.put32(0);
    out.put32(0);
    for (int y = height - 1; y >= 0; --y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            out.put8(row[x * 3 + 2]);
            out.put8(row[x * 3 + 1]);
            out.put8(row[x * 3]);
        }
        for (int pad = width * 3; pad < rowBytes; ++pad)
            out.put8(0);
    }
    return out.saveTo(path);
}

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
        ok = saveBmp24(picture, folder.filePath(QStringLiteral("話題の人%1.bmp").arg(number))) && ok;
    }
    for (int number = 1; number <= kAdvertisementCount; ++number) {
        const QImage picture = render(kAdvertisementSize, [number](QPainter& p) { drawAdvertisement(p, number); });
        ok = saveBmp24(picture, folder.filePath(QStringLiteral("広告%1.bmp").arg(number))) && ok;
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
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: velmo-draw-pictures <assets-folder>\n");
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
