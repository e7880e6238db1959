#include "picturebox.h"

#include <QPainter>

namespace velmo {

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    // A two-pixel sunken frame, as picture boxes have on the classic desktop.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QImage& picture, const QString& description)
{
    // Only the part inside the frame can ever be seen; keep no more of it.
    const QSize inside = contentsRect().size();
    const QSize kept = picture.size().boundedTo(inside);
    m_picture = QPixmap::fromImage(kept == picture.size() ? picture : picture.copy(QRect(QPoint(0, 0), kept)));
    setAccessibleName(description);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    if (!m_picture.isNull()) {
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.setClipRect(inside);
        painter.drawPixmap(inside.topLeft(), m_picture);
    }
    // The frame is drawn last so that a picture never covers it.
    QFrame::paintEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (m_click.press(*event)) {
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(*event, rect())) {
        emit clicked();
    }
    QFrame::mouseReleaseEvent(event);
}

} // namespace velmo
