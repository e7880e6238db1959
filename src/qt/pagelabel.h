#pragma once

#include "pagelayout.h"
#include "textlayout.h"

#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QTextLayout>
#include <QWidget>

#include <memory>
#include <vector>

namespace velmo {

// Measures runs of text as Qt draws them in the page's fonts (pageFont).
// Each run is shaped once; the shaped runs are kept, so that the lines cut
// from them can be drawn without shaping their text again (glyphsOf).
class QtTextMeasurer : public TextMeasurer {
public:
    std::vector<double> advances(const FontStyle& font, std::u16string_view run) override;

    // The glyphs of a line cut from one of the measured runs, placed for a
    // painter whose origin is the line's start on its baseline. Lines are
    // looked for in the order they were laid out: each must follow the one
    // asked for before it in the same run, or start a later run. Returns
    // false when no measured run holds the line where it is looked for.
    bool glyphsOf(std::u16string_view line, QList<QGlyphRun>& glyphs, QPointF& offset);

private:
    std::vector<std::unique_ptr<QTextLayout>> m_runs; // each set on one line at y 0
    std::size_t m_run = 0;                            // the run the next line is looked for in
    int m_position = 0;                               // where in that run, in UTF-16 units
};

// A line's glyphs as measured, drawn at the line's start on its baseline.
// A line without glyphs (or one no measured run holds) is drawn from its
// text.
struct ShapedLine {
    QList<QGlyphRun> glyphs;
    QPointF offset;
};

// A fixed-size text label of the page. It draws the lines into which the
// core sets its caption at its size (layoutLabel) and never resizes to its
// text. The caption is kept exactly as set; it is also the label's
// accessible name, with its line breaks as line feeds.
class PageLabel : public QWidget {
    Q_OBJECT

public:
    PageLabel(const FontStyle& style, QWidget* parent);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

    // The lines as shown, top to bottom.
    const std::vector<TextLine>& displayedLines();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    FontStyle m_style;
    QString m_caption;
    std::vector<TextLine> m_lines;
    std::vector<ShapedLine> m_shaped; // one for each of m_lines
    bool m_linesValid = false;
};

} // namespace velmo
