#pragma once

// Drawing helpers shared by the portraits and the advertisements: a cartoon
// style of shapes filled in flat colours and outlined in near-black ink, and
// single lines of Japanese text. Coordinates are pixels of the picture.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <initializer_list>

namespace velmo::artwork {

// The outline colour of every drawing.
inline const QColor kInk(28, 24, 22);

// A round-capped, round-joined pen in ink.
QPen inkPen(qreal width = 1.3);

// Fills a shape and outlines it in ink; a penWidth of 0 leaves the outline off.
void inked(QPainter& p, const QPainterPath& path, const QColor& fill, qreal penWidth = 1.3);
void inkedEllipse(QPainter& p, const QRectF& box, const QColor& fill, qreal penWidth = 1.3);

// Fills a shape with no outline.
void filled(QPainter& p, const QPainterPath& path, const QColor& fill);
void filledEllipse(QPainter& p, const QRectF& box, const QColor& fill);

// Draws the outline of a shape only, with round caps and joins.
void stroked(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width);
void line(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width);

// A closed polygon through points, in order.
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath ellipse(const QRectF& box);
QPainterPath roundedRect(const QRectF& box, qreal radius);

// An open curve from from to to, bent towards bend.
QPainterPath arc(QPointF from, QPointF bend, QPointF to);

// A star with the given number of points around centre; outer and inner are
// the radii of the points and of the notches between them.
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points = 5);

// A four-pointed twinkle of radius size, the sparkle of shiny things.
void sparkle(QPainter& p, QPointF centre, qreal size, const QColor& colour);

void verticalGradient(QPainter& p, const QRectF& box, const QColor& top, const QColor& bottom);

// A fixed pseudo-random sequence for scattered decoration (stars, bubbles,
// spots). Each seed gives the same sequence on every run, so the pictures
// come out identical every time.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : m_state(seed) { }

    // Returns a value in [low, high).
    qreal next(qreal low, qreal high)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return low + (high - low) * ((m_state >> 8) / double(1u << 24));
    }

private:
    std::uint32_t m_state;
};

// The type faces of the advertisements: bold gothic for almost everything, a
// bold serif for the newspaper's own name.
enum class Face { SansBold, SerifBold };

struct TextStyle {
    Face face = Face::SansBold;
    int pixelSize = 12;
    QColor colour = kInk;
    QColor outline = Qt::transparent; // transparent: no outline
    Qt::Alignment alignment = Qt::AlignCenter;
};

TextStyle style(int pixelSize, const QColor& colour, const QColor& outline = Qt::transparent,
                Face face = Face::SansBold);

// Draws one line of text aligned in box (centred by default). A line wider
// than box is set with narrower letter spacing so that it fits; an outline,
// when asked for, is one pixel wide all round.
void text(QPainter& p, const QRectF& box, const QString& line, const TextStyle& style);

} // namespace velmo::artwork
