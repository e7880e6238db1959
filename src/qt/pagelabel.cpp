#include "pagelabel.h"

#include "pagefonts.h"
#include "qttext.h"

#include <QPaintEngine>
#include <QPainter>

namespace velmo {

std::vector<double> QtTextMeasurer::advances(const FontStyle& font, std::u16string_view run)
{
    // The run is set on one line as the label draws it, and each unit gets
    // the distance from its cursor position to the next. A unit inside a
    // cluster (the second of a surrogate pair, a combining mark) has no
    // cursor position of its own; the cluster's width goes to its first unit.
    auto& layout = *m_runs.emplace_back(std::make_unique<QTextLayout>(qt(run), pageFont(font)));
    // Without the cache the layout drops its glyphs when the line is made
    // and shapes the run again for the first cursor position asked for.
    layout.setCacheEnabled(true);
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

bool QtTextMeasurer::glyphsOf(std::u16string_view line, QList<QGlyphRun>& glyphs, QPointF& offset)
{
    const QString text = qt(line);
    while (m_run < m_runs.size()) {
        const QTextLayout& layout = *m_runs[m_run];
        if (QStringView(layout.text()).mid(m_position).startsWith(text)) {
            const QTextLine shaped = layout.lineAt(0);
            glyphs = layout.glyphRuns(m_position, static_cast<int>(text.size()));
            // The glyphs are placed for the whole run with its first line's
            // top at 0.
            offset = QPointF(-shaped.cursorToX(m_position), -shaped.ascent());
            m_position += static_cast<int>(text.size());
            return true;
        }
        ++m_run;
        m_position = 0;
    }
    return false;
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
    setAccessibleName(qt(spokenCaption(u16(caption))));
    m_linesValid = false;
    update();
}

const std::vector<TextLine>& PageLabel::displayedLines()
{
    if (!m_linesValid) {
        QtTextMeasurer measurer;
        m_lines = layoutLabel(u16(m_caption), m_style, width(), height(), measurer);
        // The lines' glyphs are taken from the runs just measured: shaping
        // the page's texts is much of the work before its first frame, and
        // drawing each line from its text would do it all a second time.
        m_shaped.assign(m_lines.size(), {});
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            if (!m_lines[i].text.empty()) {
                measurer.glyphsOf(m_lines[i].text, m_shaped[i].glyphs, m_shaped[i].offset);
            }
        }
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
    // Glyph runs reach a recording (the printed page's QPicture) as outlines
    // rather than text, so only the raster engine of the screen and of
    // images draws the kept glyphs; a printed page keeps its fonts.
    const bool drawGlyphs = painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Raster;
    const std::vector<TextLine>& lines = displayedLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QPointF origin(0, lines[i].baseline);
        const ShapedLine& shaped = m_shaped[i];
        if (drawGlyphs && !shaped.glyphs.isEmpty()) {
            for (const QGlyphRun& run : shaped.glyphs) {
                painter.drawGlyphRun(origin + shaped.offset, run);
            }
        } else {
            painter.drawText(origin, qt(lines[i].text));
        }
    }
}

void PageLabel::resizeEvent(QResizeEvent* event)
{
    m_linesValid = false;
    QWidget::resizeEvent(event);
}

} // namespace velmo
