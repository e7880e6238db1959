#include "picturebox.h"

namespace velmo {

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent)
{
    // A two-pixel sunken frame, as picture boxes have on the classic desktop.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QImage& picture, const QString& description)
{
    // Only the part inside the frame can ever be seen (the label draws no
    // more of it), so a large picture keeps no more than that in memory.
    const QSize kept = picture.size().boundedTo(contentsRect().size());
    setPixmap(QPixmap::fromImage(kept == picture.size() ? picture : picture.copy(QRect(QPoint(0, 0), kept))));
    setAccessibleName(description);
}

} // namespace velmo
