#include "pagelabel.h"

#include "pagefonts.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

namespace velmo {

namespace {

// Where the baseline sits in a line one em high: the ascent of the em box of
// a Japanese font.
constexpr qreal EmAscent = 0.88;

} // namespace

PageLabel::PageLabel(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void PageLabel::setCaption(const QString& caption)
{
    m_caption = caption;
    // Screen readers take a line feed for a line break but may read a bare
    // carriage return as nothing at all, joining the lines' words.
    setAccessibleName(QString(caption).replace(QChar(u'\r'), QChar(u'\n')));
    m_layoutValid = false;
    update();
}

void PageLabel::ensureLayout()
{
    if (m_layoutValid) {
        return;
    }
    // A carriage return is a hard break in the caption; the layout engine
    // breaks lines at U+2028, so the displayed copy uses that instead.
    QString text = m_caption;
    text.replace(QChar(u'\r'), QChar::LineSeparator);

    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    m_layout.clearLayout();
    m_layout.setText(text);
    // The label keeps the family the layout names; the text is drawn in the
    // installed family that stands in for it.
    m_layout.setFont(shownFont(font()));
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);

    // Lines follow each other one em apart, as Japanese text is set on the
    // classic desktop, whatever extra height the font's own metrics ask for.
    // Only whole lines are shown: a line that would reach below the bottom
    // edge is not laid out at all.
    const qreal em = font().pixelSize() > 0 ? font().pixelSize() : QFontMetricsF(font()).height();
    const qreal emAscent = em * EmAscent;
    m_layout.beginLayout();
    qreal top = 0;
    while (true) {
        QTextLine line = m_layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width());
        if (top + em > height() && m_layout.lineCount() > 1) {
            // Leave the rest of the text unlaid; it is not shown.
            line.setNumColumns(0);
            line.setPosition(QPointF(0, height()));
            break;
        }
        line.setPosition(QPointF(0, top + emAscent - line.ascent()));
        top += em;
    }
    m_layout.endLayout();
    m_layoutValid = true;
}

QStringList PageLabel::displayedLines()
{
    ensureLayout();
    QStringList lines;
    const QString text = m_layout.text();
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        if (line.y() >= height()) {
            break;
        }
        lines.append(text.mid(line.textStart(), line.textLength()));
    }
    return lines;
}

void PageLabel::paintEvent(QPaintEvent*)
{
    ensureLayout();
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(palette().color(QPalette::WindowText));
    m_layout.draw(&painter, QPointF(0, 0));
}

void PageLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        m_layoutValid = false;
    }
    QWidget::changeEvent(event);
}

void PageLabel::resizeEvent(QResizeEvent* event)
{
    m_layoutValid = false;
    QWidget::resizeEvent(event);
}

} // namespace velmo
