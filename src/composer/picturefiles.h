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

// Maps such a backslash-separated name onto the host's file system: on POSIX
// every backslash becomes "/", on Windows the name is used as it stands.
QString hostFileName(QStringView pictureFileName);

struct PagePicture {
    PictureBoxId box;
    QString fileName; // as built by pictureFileName
};

// The four pictures of a page in loading order: portrait, then slots 0, 1, 2.
std::array<PagePicture, 4> pagePictures(const PageContent& page, QStringView folder);

} // namespace velmo
