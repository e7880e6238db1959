#include "carriedfonts.h"

#include "fontroles.h"

#include <cstddef>
#include <utility>

namespace velmo {

namespace {

// The TrueType files of the carried fonts are resources of the executable
// (RCDATA, its resource script), one a role: FirstFontResource + FontRole.
constexpr WORD FirstFontResource = 101;

} // namespace

const CarriedFonts& CarriedFonts::instance()
{
    static const CarriedFonts fonts;
    return fonts;
}

CarriedFonts::CarriedFonts()
{
    for (std::size_t role = 0; role < m_fonts.size(); ++role) {
        // A resource stays mapped with the executable, and GDI copies it;
        // the count is of the fonts GDI found in it.
        const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(FirstFontResource + role), RT_RCDATA);
        const HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
        if (loaded == nullptr) {
            continue;
        }
        DWORD count = 0;
        Owned<HANDLE, RemoveFontMemResourceEx> font(AddFontMemResourceEx(LockResource(loaded), SizeofResource(nullptr, found), nullptr, &count));
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
