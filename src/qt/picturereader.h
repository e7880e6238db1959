#pragma once

#include <QImage>
#include <QString>

class QIODevice;

namespace velmo {

// Reads one picture from a file with a bounded allocation: a picture whose
// header claims more than maxPixels pixels is refused before anything is
// decoded. Throws RuntimeError with a Japanese message that names the file
// and the cause (missing, not a file, unreadable, too large, not a picture).
QImage readPictureFile(const QString& fileName, qint64 maxPixels);

// Decodes a picture from an open device under the same limits; fileName only
// names the picture in the error message.
QImage decodePicture(QIODevice& device, const QString& fileName, qint64 maxPixels);

} // namespace velmo
