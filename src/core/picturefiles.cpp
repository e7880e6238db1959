#include "picturefiles.h"

#include "draws.h"

#include <cassert>

namespace velmo {

namespace {

// The picture's name without folder or extension: "話題の人3", "広告7".
std::u16string pictureName(PicturePiece piece, int number)
{
    assert(number >= 1);
    return std::u16string(piece == PicturePiece::Portrait ? u"話題の人" : u"広告") + indexText(number);
}

} // namespace

std::u16string pictureFileName(std::u16string_view folder, PicturePiece piece, int number)
{
    return std::u16string(folder) + u'\\' + pictureName(piece, number) + u".bmp";
}

std::u16string hostFileName(std::u16string_view pictureFileName)
{
    std::u16string name(pictureFileName);
#ifndef _WIN32
    // Only the separator before the picture's own name is the program's; a
    // backslash in the folder's name is an ordinary character there.
    if (const auto separator = name.rfind(u'\\'); separator != std::u16string::npos) {
        name[separator] = u'/';
    }
#endif
    return name;
}

std::array<PagePicture, 4> pagePictures(const PageContent& page, std::u16string_view folder)
{
    auto picture = [folder](ElementId box, PicturePiece piece, int number) {
        return PagePicture{box, pictureFileName(folder, piece, number), pictureName(piece, number)};
    };
    return {
        picture(ElementId::Portrait, PicturePiece::Portrait, page.portraitNumber),
        picture(ElementId::Ad0, PicturePiece::Advertisement, page.adNumbers[0]),
        picture(ElementId::Ad1, PicturePiece::Advertisement, page.adNumbers[1]),
        picture(ElementId::Ad2, PicturePiece::Advertisement, page.adNumbers[2]),
    };
}

} // namespace velmo
