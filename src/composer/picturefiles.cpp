#include "picturefiles.h"

#include <QtGlobal>

namespace velmo {

namespace {

// The picture's name without folder or extension: "話題の人3", "広告7".
QString pictureName(PicturePiece piece, int number)
{
    Q_ASSERT(number >= 1);
    return (piece == PicturePiece::Portrait ? QStringLiteral("話題の人") : QStringLiteral("広告")) + QString::number(number);
}

} // namespace

QString pictureFileName(QStringView folder, PicturePiece piece, int number)
{
    return folder.toString() + u'\\' + pictureName(piece, number) + QStringLiteral(".bmp");
}

QString hostFileName(QStringView pictureFileName)
{
#ifdef Q_OS_WIN
    return pictureFileName.toString();
#else
    // Only the separator before the picture's own name is the program's; a
    // backslash in the folder's name is an ordinary character there.
    QString name = pictureFileName.toString();
    const qsizetype separator = name.lastIndexOf(u'\\');
    if (separator >= 0) {
        name[separator] = u'/';
    }
    return name;
#endif
}

std::array<PagePicture, 4> pagePictures(const PageContent& page, QStringView folder)
{
    auto picture = [folder](PictureBoxId box, PicturePiece piece, int number) {
        return PagePicture{box, pictureFileName(folder, piece, number), pictureName(piece, number)};
    };
    return {
        picture(PictureBoxId::Portrait, PicturePiece::Portrait, page.portraitNumber),
        picture(PictureBoxId::Ad0, PicturePiece::Advertisement, page.adNumbers[0]),
        picture(PictureBoxId::Ad1, PicturePiece::Advertisement, page.adNumbers[1]),
        picture(PictureBoxId::Ad2, PicturePiece::Advertisement, page.adNumbers[2]),
    };
}

} // namespace velmo
