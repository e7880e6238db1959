#include "pagefonts.h"

#include "carriedfonts.h"
#include "fontroles.h"
#include "wintext.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmo {

namespace {

int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

// Whether Windows has a font of the family under any of its names, or the
// program carries it; the carried fonts are registered on the first call,
// before any font is resolved.
bool isInstalled(std::u16string_view family)
{
    if (CarriedFonts::instance().has(family)) {
        return true;
    }
    bool found = false;
    if (family.size() < LF_FACESIZE) {
        LOGFONTW wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        std::copy(family.begin(), family.end(), wanted.lfFaceName);
        const OwnedDc dc(CreateCompatibleDC(nullptr));
        EnumFontFamiliesExW(dc.get(), &wanted, noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    }
    return found;
}

// The system is asked once a run; fonts installed while the page is shown
// change nothing.
ResolvedFont resolve(const FontStyle& style)
{
    static const FontChoices choices(FontSystem::Windows, isInstalled);
    return choices.resolve(style);
}

Font makeFont(const ResolvedFont& resolved, double scale, FontWeight weight)
{
    LOGFONTW font{};
    // A negative height asks for the em (the character height), not the cell.
    font.lfHeight = -std::lround(resolved.pixelSize * scale);
    font.lfWeight = static_cast<LONG>(weight);
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    std::copy_n(resolved.family.begin(), std::min<std::size_t>(resolved.family.size(), LF_FACESIZE - 1), font.lfFaceName);
    return Font(CreateFontIndirectW(&font));
}

// The checksum of the font file that draws font, from its 'head' table: the
// same for the regular and the bold of a face that has no bold of its own.
DWORD fileChecksum(HDC dc, HFONT font)
{
    const SavedDc saved(dc);
    SelectObject(dc, font);
    constexpr DWORD HeadTable = 0x64616568; // "head", first letter lowest
    DWORD checksum = 0;
    GetFontData(dc, HeadTable, 8, &checksum, sizeof checksum);
    return checksum;
}

} // namespace

Font PageFonts::create(const FontStyle& style, double scale)
{
    const ResolvedFont resolved = resolve(style);
    return makeFont(resolved, scale, resolved.bold ? FontWeight::Bold : FontWeight::Regular);
}

std::vector<double> PageFonts::advances(const FontStyle& style, std::u16string_view run)
{
    Font font = create(style, 1);
    // GDI makes a face without a bold of its own bold by drawing each glyph
    // a pixel wider and setting it a pixel further on. The labels are drawn
    // at the advances measured here, and such a face keeps those of its
    // regular design, as the Qt front end's emboldening does.
    if (const ResolvedFont resolved = resolve(style); resolved.bold) {
        Font regular = makeFont(resolved, 1, FontWeight::Regular);
        if (fileChecksum(m_dc.get(), font.get()) == fileChecksum(m_dc.get(), regular.get())) {
            font = std::move(regular);
        }
    }
    // GDI sets each glyph a whole pixel further on, at the advance its
    // hinting gives at the em asked for, which makes a line of Monapo's
    // half-width kana two pixels wider at 19 pixels than the design. The
    // advances are measured at an em of the font's design units instead,
    // where whole units are exact, and scaled to the style's em: the lines
    // then break where the Qt front end, which lays text out unhinted,
    // breaks them, and the labels are drawn at these advances.
    double toEm = 1;
    {
        const SavedDc saved(m_dc.get());
        SelectObject(m_dc.get(), font.get());
        OUTLINETEXTMETRICW metrics{};
        metrics.otmSize = sizeof metrics;
        LOGFONTW design{};
        if (GetOutlineTextMetricsW(m_dc.get(), sizeof metrics, &metrics) != 0 && metrics.otmEMSquare > 0
            && GetObjectW(font.get(), sizeof design, &design) == sizeof design) {
            design.lfHeight = -static_cast<LONG>(metrics.otmEMSquare);
            if (Font unhinted(CreateFontIndirectW(&design)); unhinted) {
                toEm = static_cast<double>(style.pixelSize) / metrics.otmEMSquare;
                font = std::move(unhinted);
            }
        }
    }
    const SavedDc saved(m_dc.get());
    SelectObject(m_dc.get(), font.get());
    // The extent of each prefix of the run, as GDI sets it on one line.
    std::vector<int> extents(run.size());
    SIZE whole{};
    GetTextExtentExPointW(m_dc.get(), wide(run.data()), static_cast<int>(run.size()), 0, nullptr,
                          extents.data(), &whole);
    std::vector<double> advances(run.size());
    for (std::size_t i = 0; i < run.size(); ++i) {
        advances[i] = (extents[i] - (i > 0 ? extents[i - 1] : 0)) * toEm;
        if (i > 0 && run[i] >= 0xDC00 && run[i] < 0xE000) { // the second unit of a surrogate pair
            advances[i - 1] += std::exchange(advances[i], 0);
        }
    }
    return advances;
}

} // namespace velmo
