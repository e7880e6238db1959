#include "pagelabel.h"

#include "pagefonts.h"
#include "qttext.h"

#include <QPainter>
#include <QTextLayout>

namespace velmo {

std::vector<double> QtTextMeasurer::advances(const FontStyle& font, std::u16string_view run)
{
    // The run is set on one line as the label draws it, and each unit gets
    // the distance from its cursor position to the next. A unit inside a
    // cluster (the second of a surrogate pair, a combining mark) has no
    // cursor position of its own; the cluster's width goes to its first unit.
    QTextLayout layout(qt(run), pageFont(font));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(static_cast<int>(run.size()));
    layout.endLayout();

    std::vector<double> advances(run.size(), 0.0);
    std::size_t start = 0;
    qreal startX = 0;
    for (std::size_t end = 1; end <= run.size(); ++end) {
        if (end < run.size() && !layout.isValidCursorPosition(static_cast<int>(end))) {
            continue;
        }
        const qreal x = line.cursorToX(static_cast<int>(end));
        advances[start] = x - startX;
        start = end;
        startX = x;
    }
    return advances;
}

PageLabel::PageLabel(const FontStyle& style, QWidget* parent)
    : QWidget(parent)
    , m_style(style)
{
    setFont(pageFont(style));
}

void PageLabel::setCaption(const QString& caption)
{
    m_caption = caption;
    // Screen readers take a line feed for a line break but may read a bare
    // carriage return as nothing at all, joining the lines' words.
    setAccessibleName(QString(caption).replace(QChar(u'\r'), QChar(u'\n')));
    m_linesValid = false;
    update();
}

const std::vector<TextLine>& PageLabel::displayedLines()
{
    if (!m_linesValid) {
        QtTextMeasurer measurer;
        m_lines = layoutLabel(u16(m_caption), m_style, width(), height(), measurer);
        m_linesValid = true;
    }
    return m_lines;
}

void PageLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    for (const TextLine& line : displayedLines()) {
        painter.drawText(QPointF(0, line.baseline), qt(line.text));
    }
}

void PageLabel::resizeEvent(QResizeEvent* event)
{
    m_linesValid = false;
    QWidget::resizeEvent(event);
}

} // namespace velmo
