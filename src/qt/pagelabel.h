#pragma once

#include <QTextLayout>
#include <QWidget>

namespace velmo {

// A fixed-size text label of the page. It wraps its caption at its own width
// with Unicode line breaking (so a line never starts with "。", "、" or "」"),
// starts a new line at every U+000D, aligns the text top-left and clips what
// does not fit below its bottom edge. It never resizes to its text. The
// caption is kept exactly as set; it is also the label's accessible name,
// with its line breaks as line feeds.
class PageLabel : public QWidget {
    Q_OBJECT

public:
    explicit PageLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

    // The text as shown: one entry per visible line, in order. Text that
    // does not fit above the bottom edge is not listed.
    QStringList displayedLines();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensureLayout();

    QString m_caption;
    QTextLayout m_layout;
    bool m_layoutValid = false;
};

} // namespace velmo
