#pragma once

#include "pagelayout.h"
#include "textlayout.h"

#include <QWidget>

#include <vector>

namespace velmo {

// Measures runs of text as Qt draws them in the page's fonts (pageFont).
class QtTextMeasurer : public TextMeasurer {
public:
    std::vector<double> advances(const FontStyle& font, std::u16string_view run) override;
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
    bool m_linesValid = false;
};

} // namespace velmo
