#pragma once

#include "pagecontent.h"

#include <QString>
#include <QStringView>

#include <array>

namespace velmo {

enum class PicturePiece { Portrait, Advertisement };

// The four picture boxes, in the order their pictures are loaded.
enum class PictureBoxId { Portrait, Ad0, Ad1, Ad2 };

// Builds "<folder>\話題の人<n>.bmp" or "<folder>\広告<n>.bmp". The folder text is
// used exactly as given: nothing is trimmed or tested, so a folder ending in a
// backslash gives two backslashes in a row.
QString pictureFileName(QStringView folder, PicturePiece piece, int number);

// Maps such a name onto the host's file system. On POSIX the backslash before
// the picture's own name becomes "/"; any backslash in the folder's name is an
// ordinary character there and stays. On Windows the name is used as it is.
QString hostFileName(QStringView pictureFileName);

struct PagePicture {
    PictureBoxId box;
    QString fileName; // as built by pictureFileName
    QString name;     // what the picture shows, without folder or extension: "話題の人3", "広告7"
};

// The four pictures of a page in loading order: portrait, then slots 0, 1, 2.
std::array<PagePicture, 4> pagePictures(const PageContent& page, QStringView folder);

} // namespace velmo
