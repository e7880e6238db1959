#include "programicon.h"

#include "bytewriter.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <functional>
#include <string_view>

namespace velmo::artwork {

namespace {

// The 16 and 32 pixel images are pixel art in the 16 colours of the standard
// Windows palette; the larger images and the SVG file are drawn from one
// vector description on a 128-unit grid, four units to a pixel of the 32
// pixel design.

// The standard 16-colour Windows palette, in its usual order.
constexpr std::array<QRgb, 16> kWindowsPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};
constexpr QRgb kClear = 0x00000000;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kGrey = 0xff808080;
constexpr QRgb kSilver = 0xffc0c0c0;

// Where the sheets of one pixel-art icon lie. The front sheet spans
// left..right and top..bottom (outline pixels included); each sheet behind it
// is shifted by step to the right and up; fold is the size of the curled
// corner in pixels.
struct StackLayout {
    int size;
    int left;
    int top;
    int right;
    int bottom;
    int step;
    int fold;
};

void pixelRect(QImage& art, int left, int top, int right, int bottom, QRgb colour)
{
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            art.setPixel(x, y, colour);
    }
}

void pixelSheet(QImage& art, int left, int top, int right, int bottom)
{
    pixelRect(art, left, top, right, bottom, kBlack);
    pixelRect(art, left + 1, top + 1, right - 1, bottom - 1, kWhite);
}

// The front sheet without its lower-right corner. Pixels beyond the fold
// line stay as they were, so the sheet behind shows through the gap.
void pixelFrontSheet(QImage& art, const StackLayout& s)
{
    const int foldLine = s.right + s.bottom - s.fold;
    for (int y = s.top; y <= s.bottom; ++y) {
        for (int x = s.left; x <= s.right; ++x) {
            const int beyond = x + y - foldLine;
            if (beyond > 0)
                continue;
            const bool edge = x == s.left || x == s.right || y == s.top || y == s.bottom || beyond == 0;
            art.setPixel(x, y, edge ? kBlack : kWhite);
        }
    }
}

// The corner folded over onto the front sheet: a silver triangle whose tip
// points up and to the left, drawn over the text lines.
void pixelFlap(QImage& art, const StackLayout& s)
{
    const int foldLine = s.right + s.bottom - s.fold;
    const int tipX = s.right - s.fold;
    const int tipY = s.bottom - s.fold;
    for (int y = tipY; y <= s.bottom; ++y) {
        for (int x = tipX; x <= s.right; ++x) {
            const int beyond = x + y - foldLine;
            if (beyond > 0)
                continue;
            const bool edge = x == tipX || y == tipY || beyond == 0;
            art.setPixel(x, y, edge ? kBlack : kSilver);
        }
    }
}

// Draws the three sheets, lets writeText put the lines on the front sheet,
// then folds the corner over them.
QImage pixelIcon(const StackLayout& s, const std::function<void(QImage&)>& writeText)
{
    QImage art(s.size, s.size, QImage::Format_ARGB32);
    art.fill(kClear);
    pixelSheet(art, s.left + 2 * s.step, s.top - 2 * s.step, s.right + 2 * s.step, s.bottom - 2 * s.step);
    pixelSheet(art, s.left + s.step, s.top - s.step, s.right + s.step, s.bottom - s.step);
    pixelFrontSheet(art, s);
    writeText(art);
    pixelFlap(art, s);
    return art;
}

QImage icon32()
{
    return pixelIcon({32, 3, 8, 22, 30, 3, 6}, [](QImage& art) {
        pixelRect(art, 6, 11, 17, 12, kBlack);
        pixelRect(art, 6, 15, 10, 19, kGrey);
        pixelRect(art, 7, 16, 9, 18, kSilver);
        for (const int y : {15, 17, 19})
            pixelRect(art, 12, y, 19, y, kGrey);
        for (const int y : {21, 23})
            pixelRect(art, 6, y, 19, y, kGrey);
        pixelRect(art, 6, 25, 18, 25, kGrey);
        pixelRect(art, 6, 27, 13, 27, kGrey);
    });
}

QImage icon16()
{
    return pixelIcon({16, 1, 4, 11, 15, 2, 4}, [](QImage& art) {
        pixelRect(art, 3, 6, 8, 6, kBlack);
        for (const int y : {8, 10})
            pixelRect(art, 3, y, 9, y, kGrey);
        pixelRect(art, 3, 12, 6, 12, kGrey);
    });
}

// The 16-entry colour table of the small PNG images: transparency takes the
// place of dark yellow, the one colour of the Windows palette that the icon
// does not use.
QList<QRgb> pngColourTable()
{
    QList<QRgb> table{kClear};
    for (const QRgb colour : kWindowsPalette) {
        if (colour != 0xff808000)
            table.append(colour);
    }
    return table;
}

QImage toIndexed(const QImage& art, const QList<QRgb>& table)
{
    QImage indexed(art.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            const QRgb pixel = art.pixel(x, y);
            const qsizetype index = table.indexOf(qAlpha(pixel) == 0 ? kClear : pixel);
            Q_ASSERT(index >= 0);
            indexed.setPixel(x, y, uint(index));
        }
    }
    return indexed;
}

// One image of an ICO file in the classic form: a BITMAPINFOHEADER of twice
// the image's height, 4-bit colour rows in the Windows palette, then the
// 1-bit transparency mask; rows bottom-up, padded to four bytes.
QByteArray icoBitmap(const QImage& art)
{
    const int size = art.width();
    const int colourRowBytes = (size * 4 + 31) / 32 * 4;
    const int maskRowBytes = (size + 31) / 32 * 4;
    ByteWriter out;
    out.put32(40);
    out.put32(std::uint32_t(size));
    out.put32(std::uint32_t(size * 2));
    out.put16(1);
    out.put16(4);
    out.put32(0);
    out.put32(std::uint32_t((colourRowBytes + maskRowBytes) * size));
    out.put32(0);
    out.put32(0);
    out.put32(std::uint32_t(kWindowsPalette.size()));
    out.put32(0);
    for (const QRgb colour : kWindowsPalette) {
        out.put8(std::uint8_t(qBlue(colour)));
        out.put8(std::uint8_t(qGreen(colour)));
        out.put8(std::uint8_t(qRed(colour)));
        out.put8(0);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourRowBytes, '\0');
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = art.pixel(x, y);
            const auto found = std::find(kWindowsPalette.begin(), kWindowsPalette.end(), pixel);
            Q_ASSERT(qAlpha(pixel) == 0 || found != kWindowsPalette.end());
            const int index = qAlpha(pixel) == 0 ? 0 : int(found - kWindowsPalette.begin());
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.putBytes(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(art.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.putBytes(row);
    }
    return out.data();
}

// An ICO file holding the given square images of at most 255 pixels.
ByteWriter icoFile(const QList<QImage>& images)
{
    ByteWriter out;
    out.put16(0);
    out.put16(1);
    out.put16(std::uint16_t(images.size()));
    QByteArray payloads;
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (const QImage& image : images) {
        const QByteArray bitmap = icoBitmap(image);
        out.put8(std::uint8_t(image.width()));
        out.put8(std::uint8_t(image.height()));
        out.put8(std::uint8_t(kWindowsPalette.size()));
        out.put8(0);
        out.put16(1);
        out.put16(4);
        out.put32(std::uint32_t(bitmap.size()));
        out.put32(offset);
        offset += std::uint32_t(bitmap.size());
        payloads.append(bitmap);
    }
    out.putBytes(payloads);
    return out;
}

// The vector design on the 128-unit grid, drawn in order. Path data uses the
// absolute SVG commands M, L, H, V, Q and Z only. A null stroke means no
// outline.
struct IconShape {
    const char* path;
    const char* fill;
    const char* stroke;
};

constexpr qreal kIconStrokeWidth = 4;

constexpr std::array<IconShape, 13> kIconShapes = {{
    {"M38,10 H114 V98 H38 Z", "#ffffff", "#000000"},
    {"M26,22 H102 V110 H26 Z", "#ffffff", "#000000"},
    {"M14,34 H90 V98 L66,122 H14 Z", "#ffffff", "#000000"},
    {"M24,44 H72 V52 H24 Z", "#000000", nullptr},
    {"M26,62 H42 V78 H26 Z", "#c0c0c0", "#808080"},
    {"M48,60 H80 V64 H48 Z", "#808080", nullptr},
    {"M48,68 H80 V72 H48 Z", "#808080", nullptr},
    {"M48,76 H80 V80 H48 Z", "#808080", nullptr},
    {"M24,84 H80 V88 H24 Z", "#808080", nullptr},
    {"M24,92 H80 V96 H24 Z", "#808080", nullptr},
    {"M24,100 H74 V104 H24 Z", "#808080", nullptr},
    {"M24,108 H56 V112 H24 Z", "#808080", nullptr},
    {"M90,98 L66,122 Q68,108 66,98 Q80,100 90,98 Z", "#c0c0c0", "#000000"},
}};

// Parses the small subset of SVG path data used by kIconShapes: the
// absolute commands M, L, H, V, Q and Z with plain decimal numbers.
QPainterPath parsePathData(std::string_view data)
{
    std::size_t at = 0;
    auto number = [&]() {
        while (at < data.size() && (data[at] == ' ' || data[at] == ','))
            ++at;
        const std::size_t start = at;
        while (at < data.size() && (std::isdigit(static_cast<unsigned char>(data[at])) || data[at] == '.'))
            ++at;
        return QByteArray(data.data() + start, qsizetype(at - start)).toDouble();
    };
    auto point = [&]() {
        const qreal x = number();
        return QPointF(x, number());
    };

    QPainterPath path;
    while (at < data.size()) {
        switch (data[at++]) {
        case 'M':
            path.moveTo(point());
            break;
        case 'L':
            path.lineTo(point());
            break;
        case 'H':
            path.lineTo(number(), path.currentPosition().y());
            break;
        case 'V':
            path.lineTo(path.currentPosition().x(), number());
            break;
        case 'Q': {
            const QPointF control = point();
            path.quadTo(control, point());
            break;
        }
        case 'Z':
            path.closeSubpath();
            break;
        default: // the spaces between commands
            break;
        }
    }
    return path;
}

// Scales path to pixels and moves every point onto the pixel grid, then by
// offset: 0.5 centres an odd-width outline on a pixel row, so that straight
// edges stay sharp at every size.
QPainterPath snappedToPixels(const QPainterPath& path, qreal scale, qreal offset)
{
    auto snap = [&](const QPainterPath::Element& e) {
        return QPointF(std::round(e.x * scale) + offset, std::round(e.y * scale) + offset);
    };
    QPainterPath result;
    QPointF start;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            start = snap(e);
            result.moveTo(start);
        } else if (e.isLineTo()) {
            const QPointF to = snap(e);
            if (to == start && i == path.elementCount() - 1)
                result.closeSubpath();
            else
                result.lineTo(to);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPointF to = snap(path.elementAt(i + 2));
            result.cubicTo(snap(e), snap(path.elementAt(i + 1)), to);
            i += 2;
            if (to == start && i == path.elementCount() - 1)
                result.closeSubpath();
        }
    }
    return result;
}

QImage vectorIcon(int size)
{
    const qreal scale = size / 128.0;
    const int strokeWidth = std::max(1, int(std::lround(kIconStrokeWidth * scale)));
    const qreal strokeOffset = (strokeWidth % 2 == 1) ? 0.5 : 0.0;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const IconShape& shape : kIconShapes) {
        const QPainterPath path = parsePathData(shape.path);
        p.setBrush(QColor(shape.fill));
        if (shape.stroke) {
            QPen pen(QColor(shape.stroke), strokeWidth);
            pen.setJoinStyle(Qt::RoundJoin);
            p.setPen(pen);
            p.drawPath(snappedToPixels(path, scale, strokeOffset));
        } else {
            p.setPen(Qt::NoPen);
            p.drawPath(snappedToPixels(path, scale, 0));
        }
    }
    p.end();
    return image;
}

QByteArray iconSvg()
{
    QByteArray svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\" viewBox=\"0 0 128 128\">\n";
    svg += "  <title>Velmo NewsPaper</title>\n";
    svg += "  <g stroke-width=\"" + QByteArray::number(kIconStrokeWidth) + "\" stroke-linejoin=\"round\">\n";
    for (const IconShape& shape : kIconShapes) {
        svg += QByteArray("    <path d=\"") + shape.path + "\" fill=\"" + shape.fill + "\"";
        if (shape.stroke)
            svg += QByteArray(" stroke=\"") + shape.stroke + "\"";
        svg += "/>\n";
    }
    svg += "  </g>\n</svg>\n";
    return svg;
}

} // namespace

bool writeProgramIcon(const QDir& folder)
{
    const QString stem = QStringLiteral("velmo-newspaper");
    const QImage small = icon16();
    const QImage medium = icon32();
    const QList<QRgb> table = pngColourTable();
    bool ok = toIndexed(small, table).save(folder.filePath(stem + QStringLiteral("-16.png")), "PNG");
    ok = toIndexed(medium, table).save(folder.filePath(stem + QStringLiteral("-32.png")), "PNG") && ok;
    for (const int size : {48, 64, 128})
        ok = vectorIcon(size).save(folder.filePath(stem + QStringLiteral("-%1.png").arg(size)), "PNG") && ok;
    ok = icoFile({small, medium}).saveTo(folder.filePath(stem + QStringLiteral(".ico"))) && ok;
    ByteWriter svg;
    svg.putBytes(iconSvg());
    ok = svg.saveTo(folder.filePath(stem + QStringLiteral(".svg"))) && ok;
    return ok;
}

} // namespace velmo::artwork
