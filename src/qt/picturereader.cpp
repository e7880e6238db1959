#include "picturereader.h"

#include "platform.h"
#include "qttext.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace velmo {

namespace {

// The system's words for a failed call; QFile has none for a short read.
std::u16string systemMessage(const QFile& file)
{
    return file.error() == QFileDevice::NoError ? std::u16string() : u16(file.errorString());
}

} // namespace

FileStatus QtPictureFile::open(std::u16string_view hostFileName, std::uint64_t& size)
{
    const QFileInfo info(qt(hostFileName));
    if (!info.exists()) {
        return {FileProblem::Missing, {}};
    }
    if (!info.isFile()) {
        return {FileProblem::NotAFile, {}};
    }
    m_file.setFileName(info.filePath());
    if (!m_file.open(QIODevice::ReadOnly)) {
        return {FileProblem::CannotOpen, systemMessage(m_file)};
    }
    size = static_cast<std::uint64_t>(m_file.size());
    return {};
}

FileStatus QtPictureFile::read(std::span<std::uint8_t> into)
{
    const auto wanted = static_cast<qint64>(into.size());
    if (m_file.read(reinterpret_cast<char*>(into.data()), wanted) != wanted) {
        return {FileProblem::CannotRead, systemMessage(m_file)};
    }
    return {};
}

QImage decodePicture(const CheckedPicture& picture, std::u16string_view hostFileName)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(picture.bytes.data()),
                                               static_cast<qsizetype>(picture.bytes.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // The pictures are Windows bitmaps. Naming the format and switching off
    // detection keeps Qt from loading every image format plugin (and the
    // JPEG library) to ask each whether it reads the file.
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    // The decoder may not allocate more than a picture of the largest
    // accepted size needs (four bytes a pixel), in whole MiB.
    reader.setAllocationLimit(static_cast<int>(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    QImage image;
    if (!reader.read(&image)) {
        throw RuntimeError(pictureErrorText(u16(reader.errorString()), hostFileName));
    }
    return image;
}

QImage readPictureFile(const QString& hostFileName)
{
    QtPictureFile file;
    const std::u16string name = u16(hostFileName);
    return decodePicture(readPicture(file, name), name);
}

} // namespace velmo
