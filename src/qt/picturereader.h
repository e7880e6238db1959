#pragma once

#include "picturereading.h"

#include <QFile>
#include <QImage>
#include <QString>

namespace velmo {

// A picture's file on the host, read with QFile.
class QtPictureFile : public PictureFile {
public:
    FileStatus open(std::u16string_view hostFileName, std::uint64_t& size) override;
    FileStatus read(std::span<std::uint8_t> into) override;

private:
    QFile m_file;
};

// Decodes a picture whose bytes the core has read and checked. Throws
// RuntimeError, with Qt's own words for the cause and the file's name, when
// Qt's decoder refuses it all the same.
QImage decodePicture(const CheckedPicture& picture, std::u16string_view hostFileName);

// Reads one of the page's pictures from its file (readPicture) and decodes
// it. Throws RuntimeError with the core's message on any failure.
QImage readPictureFile(const QString& hostFileName);

} // namespace velmo
