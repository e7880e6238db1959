#include "picturereader.h"

#include "platform.h"
#include "qttext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace velmo {

namespace {

RuntimeError pictureError(const QString& cause, const QString& fileName)
{
    const QString message = cause + u'\n' + QDir::toNativeSeparators(fileName);
    return RuntimeError(u16(message));
}

} // namespace

QImage readPictureFile(const QString& fileName, qint64 maxPixels)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        throw pictureError(QStringLiteral("画像ファイルが見つかりません。"), fileName);
    }
    if (!info.isFile()) {
        throw pictureError(QStringLiteral("画像ファイルの代わりにフォルダなどがあり、読み込めません。"), fileName);
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw pictureError(QStringLiteral("画像ファイルを開けません（%1）。").arg(file.errorString()), fileName);
    }
    return decodePicture(file, fileName, maxPixels);
}

QImage decodePicture(QIODevice& device, const QString& fileName, qint64 maxPixels)
{
    // The pictures are Windows bitmaps. Naming the format and switching off
    // detection keeps Qt from loading every image format plugin (and the
    // JPEG library) to ask each whether it reads the file.
    QImageReader reader(&device, "bmp");
    reader.setAutoDetectImageFormat(false);
    // The decoder may not allocate more than a picture of the largest
    // accepted size needs (four bytes a pixel), whatever the file claims.
    reader.setAllocationLimit(static_cast<int>((maxPixels * 4) / (1024 * 1024)) + 1);
    // A bitmap's header always gives its size, so this is checked before
    // any pixel is decoded.
    const QSize claimed = reader.size();
    if (claimed.isValid() && static_cast<qint64>(claimed.width()) * claimed.height() > maxPixels) {
        throw pictureError(QStringLiteral("画像が大きすぎるため読み込めません（%1 × %2 ピクセル）。").arg(claimed.width()).arg(claimed.height()),
                           fileName);
    }
    QImage picture;
    if (!reader.read(&picture) || picture.isNull()) {
        throw pictureError(QStringLiteral("画像ファイルとして読み込めません（%1）。").arg(reader.errorString()), fileName);
    }
    return picture;
}

} // namespace velmo
