#include "carriedfonts.h"

#include "fontroles.h"

#include <cstddef>
#include <utility>

// The TrueType files that the build makes (tools/web/makewebfonts --format
// ttf) into VELMO_CARRIED_FONTS, in read-only data of the executable,
// between a begin and an end symbol each, in the order of FontRole.
#define VELMO_CARRIED_FONT(name, file)                                                                     \
    ".section .rdata,\"dr\"\n"                                                                            \
    ".balign 16\n"                                                                                        \
    ".globl velmoFont" name "Begin\n"                                                                     \
    "velmoFont" name "Begin:\n"                                                                           \
    ".incbin \"" VELMO_CARRIED_FONTS "/" file "\"\n"                                                      \
    ".globl velmoFont" name "End\n"                                                                       \
    "velmoFont" name "End:\n"

asm(VELMO_CARRIED_FONT("HeadlineBrush", "headline-brush.ttf") VELMO_CARRIED_FONT("ArticleMincho", "article-mincho.ttf")
        VELMO_CARRIED_FONT("Gothic", "gothic.ttf") VELMO_CARRIED_FONT("EdoBrush", "edo-brush.ttf")
            VELMO_CARRIED_FONT("Mincho", "mincho.ttf") ".text\n");

extern "C" {
extern const std::byte velmoFontHeadlineBrushBegin[], velmoFontHeadlineBrushEnd[];
extern const std::byte velmoFontArticleMinchoBegin[], velmoFontArticleMinchoEnd[];
extern const std::byte velmoFontGothicBegin[], velmoFontGothicEnd[];
extern const std::byte velmoFontEdoBrushBegin[], velmoFontEdoBrushEnd[];
extern const std::byte velmoFontMinchoBegin[], velmoFontMinchoEnd[];
}

namespace velmo {

namespace {

struct FontData {
    const std::byte* begin;
    const std::byte* end;
};

// In the order of FontRole.
const std::array<FontData, 5> Carried = {{
    {velmoFontHeadlineBrushBegin, velmoFontHeadlineBrushEnd},
    {velmoFontArticleMinchoBegin, velmoFontArticleMinchoEnd},
    {velmoFontGothicBegin, velmoFontGothicEnd},
    {velmoFontEdoBrushBegin, velmoFontEdoBrushEnd},
    {velmoFontMinchoBegin, velmoFontMinchoEnd},
}};

} // namespace

const CarriedFonts& CarriedFonts::instance()
{
    static const CarriedFonts fonts;
    return fonts;
}

CarriedFonts::CarriedFonts()
{
    for (std::size_t role = 0; role < Carried.size(); ++role) {
        // GDI copies the data; the count is of the fonts it found in it.
        DWORD count = 0;
        Owned<HANDLE, RemoveFontMemResourceEx> font(AddFontMemResourceEx(
            const_cast<std::byte*>(Carried[role].begin), static_cast<DWORD>(Carried[role].end - Carried[role].begin), nullptr, &count));
        if (count > 0) {
            m_fonts[role] = std::move(font);
        }
    }
}

bool CarriedFonts::has(std::u16string_view family) const
{
    for (std::size_t role = 0; role < m_fonts.size(); ++role) {
        if (m_fonts[role] && carriedFamily(static_cast<FontRole>(role)) == family) {
            return true;
        }
    }
    return false;
}

} // namespace velmo
