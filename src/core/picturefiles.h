#pragma once

#include "pagecontent.h"
#include "pagelayout.h"

#include <array>
#include <string>
#include <string_view>

namespace velmo {

enum class PicturePiece { Portrait, Advertisement };

// Builds "<folder>\話題の人<n>.bmp" or "<folder>\広告<n>.bmp". The folder text is
// used exactly as given: nothing is trimmed or tested, so a folder ending in a
// backslash gives two backslashes in a row. number is at least 1.
std::u16string pictureFileName(std::u16string_view folder, PicturePiece piece, int number);

// Maps such a name onto the host's file system. On POSIX the backslash before
// the picture's own name becomes "/"; any backslash in the folder's name is an
// ordinary character there and stays. On Windows the name is used as it is.
std::u16string hostFileName(std::u16string_view pictureFileName);

struct PagePicture {
    ElementId box;           // the picture box that shows it
    std::u16string fileName; // as built by pictureFileName
    std::u16string name;     // what the picture shows, without folder or extension: "話題の人3", "広告7"
};

// The four pictures of a page in loading order: portrait, then slots 0, 1, 2.
std::array<PagePicture, 4> pagePictures(const PageContent& page, std::u16string_view folder);

} // namespace velmo
