#pragma once

#include "clickgesture.h"

#include <QFrame>
#include <QPixmap>

namespace velmo {

// A framed box that shows one picture at its natural size from the top-left
// corner inside the frame. A larger picture is cut at the frame; around a
// smaller one the box's background shows. The box never resizes to its
// picture. It takes the keyboard focus but shows no focus mark.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Sets the picture and the accessible name that says what it shows.
    void setPicture(const QImage& picture, const QString& description);
    const QPixmap& picture() const { return m_picture; }

signals:
    // A left or right button was pressed and released over the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    ClickGesture m_click;
};

} // namespace velmo
