#include "picturefiles.h"

#include <QtGlobal>

namespace velmo {

QString pictureFileName(QStringView folder, PicturePiece piece, int number)
{
    Q_ASSERT(number >= 1);
    const QStringView namePiece = piece == PicturePiece::Portrait ? QStringView(u"\\話題の人") : QStringView(u"\\広告");
    QString name;
    name.reserve(folder.size() + namePiece.size() + 6);
    name += folder;
    name += namePiece;
    name += QString::number(number);
    name += u".bmp";
    return name;
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
    return {{
        {PictureBoxId::Portrait, pictureFileName(folder, PicturePiece::Portrait, page.portraitNumber)},
        {PictureBoxId::Ad0, pictureFileName(folder, PicturePiece::Advertisement, page.adNumbers[0])},
        {PictureBoxId::Ad1, pictureFileName(folder, PicturePiece::Advertisement, page.adNumbers[1])},
        {PictureBoxId::Ad2, pictureFileName(folder, PicturePiece::Advertisement, page.adNumbers[2])},
    }};
}

} // namespace velmo
