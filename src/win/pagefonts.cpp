#include "pagefonts.h"

#include "wintext.h"

#include <array>
#include <cmath>
#include <cwchar>
#include <optional>
#include <vector>

namespace velmo {

namespace {

// The stand-ins of each face, best first: first Windows' own Japanese faces
// of a similar design (on a desktop without the named face), then the free
// fonts of Debian that Wine finds through fontconfig, in the order the Qt
// front end uses. Every list ends with faces that have every character of
// the page.
const std::array<std::vector<const wchar_t*>, 5>& standInTable()
{
    static const std::array<std::vector<const wchar_t*>, 5> table{{
        // HeadlineBrush
        {L"UD Digi Kyokasho N-B", L"Yu Mincho", L"BIZ UDPMincho", L"KouzanBrushFont", L"Noto Serif CJK JP", L"IPAPMincho",
         L"IPAPGothic"},
        // ArticleHeavyMincho
        {L"Yu Mincho", L"BIZ UDPMincho", L"MS PMincho", L"IPAPMincho", L"Ume P Mincho", L"Noto Serif CJK JP", L"IPAPGothic"},
        // ProportionalGothic: the English name of the named face first. GDI
        // lays text out in whole pixels, so the Debian stand-ins come in the
        // order of their widths there (docs/fonts.md): Monapo, the narrowest
        // in Qt, would not fit (ﾌﾟﾗｲﾊﾞｼー有) into the caption's 113 pixels.
        {L"MS PGothic", L"BIZ UDPGothic", L"Yu Gothic", L"Meiryo", L"MS UI Gothic", L"Ume P Gothic", L"Monapo", L"IPAPGothic",
         L"Noto Sans CJK JP"},
        // EdoBrush
        {L"UD Digi Kyokasho NP-B", L"Yu Mincho", L"KouzanBrushFontGyousyo", L"KouzanBrushFont", L"IPAPGothic", L"Noto Sans CJK JP"},
        // Mincho: the English name of the named face first.
        {L"MS Mincho", L"BIZ UDMincho", L"Yu Mincho", L"IPAMincho", L"Ume Mincho", L"Noto Serif CJK JP", L"IPAGothic"},
    }};
    return table;
}

// The English names above that are the named face itself, not a stand-in.
bool isNamedFace(FontRole role, const wchar_t* family)
{
    return (role == FontRole::ProportionalGothic && std::wcscmp(family, L"MS PGothic") == 0)
        || (role == FontRole::Mincho && std::wcscmp(family, L"MS Mincho") == 0);
}

int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

// Whether a font of the family is installed, under any of its names.
bool familyInstalled(HDC dc, const std::wstring& family)
{
    if (family.size() >= LF_FACESIZE) {
        return false;
    }
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

ChosenFace findFace(FontRole role)
{
    const FontFamily& named = FontFamilies[static_cast<std::size_t>(role)];
    HDC screen = GetDC(nullptr);
    std::optional<ChosenFace> chosen;
    if (familyInstalled(screen, wideString(named.family))) {
        chosen = ChosenFace{wideString(named.family), false};
    }
    for (const wchar_t* standIn : standInTable()[static_cast<std::size_t>(role)]) {
        if (chosen) {
            break;
        }
        if (familyInstalled(screen, standIn)) {
            chosen = ChosenFace{standIn, named.heavyDesign && !isNamedFace(role, standIn)};
        }
    }
    ReleaseDC(nullptr, screen);
    // With none of them installed the named face is asked for anyway, and
    // the font mapper picks what it can.
    return chosen.value_or(ChosenFace{wideString(named.family), named.heavyDesign});
}

} // namespace

const ChosenFace& chosenFace(FontRole role)
{
    static std::array<std::optional<ChosenFace>, FontFamilies.size()> faces;
    std::optional<ChosenFace>& face = faces[static_cast<std::size_t>(role)];
    if (!face) {
        face = findFace(role);
    }
    return *face;
}

Font createPageFont(const FontStyle& asked, double scale)
{
    const ChosenFace& face = chosenFace(asked.role);
    LOGFONTW font{};
    // A negative height asks for the em (the character height), not the cell.
    font.lfHeight = -std::lround(asked.pixelSize * scale);
    font.lfWeight = face.drawBold ? FW_BOLD : static_cast<LONG>(asked.weight);
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcsncpy(font.lfFaceName, face.family.c_str(), LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}

} // namespace velmo
