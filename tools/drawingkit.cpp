#include "drawingkit.h"

#include <QFontMetricsF>
#include <QLinearGradient>

#include <cmath>
#include <numbers>

namespace velmo::artwork {

QPen inkPen(qreal width)
{
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void inked(QPainter& p, const QPainterPath& path, const QColor& fill, qreal penWidth)
{
    p.setPen(penWidth > 0 ? inkPen(penWidth) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

void inkedEllipse(QPainter& p, const QRectF& box, const QColor& fill, qreal penWidth)
{
    QPainterPath path;
    path.addEllipse(box);
    inked(p, path, fill, penWidth);
}

void filled(QPainter& p, const QPainterPath& path, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void filledEllipse(QPainter& p, const QRectF& box, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(box);
}

void stroked(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void line(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width)
{
    QPainterPath path(from);
    path.lineTo(to);
    stroked(p, path, colour, width);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath ellipse(const QRectF& box)
{
    QPainterPath path;
    path.addEllipse(box);
    return path;
}

QPainterPath roundedRect(const QRectF& box, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath arc(QPointF from, QPointF bend, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(bend, to);
    return path;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const QPointF corner = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

void sparkle(QPainter& p, QPointF centre, qreal size, const QColor& colour)
{
    filled(p, star(centre, size, size * 0.28, 4), colour);
}

void verticalGradient(QPainter& p, const QRectF& box, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(box, gradient);
}

namespace {

// Pictures are seen at their natural size in a small window, so the faces are
// bold and fully hinted; the Noto faces come first for their clean bold
// weights, the IPA faces stand in where Noto is missing.
QFont fontFor(Face face, int pixelSize)
{
    QFont font;
    switch (face) {
    case Face::SansBold:
        font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic")});
        font.setWeight(QFont::Bold);
        break;
    case Face::SerifBold:
        font.setFamilies({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAMincho")});
        font.setWeight(QFont::Bold);
        break;
    }
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Narrows the letter spacing of font just enough for text to fit width.
QFont fitted(QFont font, const QString& text, qreal width)
{
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    if (advance > width && text.size() > 1)
        font.setLetterSpacing(QFont::AbsoluteSpacing, -(advance - width) / (text.size() - 1));
    return font;
}

} // namespace

// The outline is the text repeated one pixel off in each of eight directions,
// which keeps the glyphs' hinting intact at small sizes, unlike a stroked path.
void text(QPainter& p, const QRectF& box, const QString& line, const TextStyle& style)
{
    const qreal margin = style.outline.alpha() > 0 ? 2 : 0;
    p.setFont(fitted(fontFor(style.face, style.pixelSize), line, box.width() - margin));
    if (style.outline.alpha() > 0) {
        p.setPen(style.outline);
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if (dx != 0 || dy != 0)
                    p.drawText(box.translated(dx, dy), int(style.alignment), line);
            }
        }
    }
    p.setPen(style.colour);
    p.drawText(box, int(style.alignment), line);
}

TextStyle style(int pixelSize, const QColor& colour, const QColor& outline, Face face)
{
    TextStyle result;
    result.face = face;
    result.pixelSize = pixelSize;
    result.colour = colour;
    result.outline = outline;
    return result;
}

} // namespace velmo::artwork
