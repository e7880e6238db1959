#pragma once

#include <QLabel>

namespace velmo {

// A framed box that shows one picture at its natural size from the top-left
// corner inside the frame. A larger picture is cut at the frame; around a
// smaller one the box's background shows. The box never resizes to its
// picture. It shows no focus mark. Screen readers see it as a graphic named
// by its picture.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Sets the picture and the accessible name that says what it shows.
    void setPicture(const QImage& picture, const QString& description);
};

} // namespace velmo
