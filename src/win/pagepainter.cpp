#include "pagepainter.h"

#include "gdiobject.h"
#include "picturereader.h"

#include <algorithm>
#include <cmath>

namespace velmo {

namespace {

// Where the baseline sits in a line one em high: the ascent of the em box of
// a Japanese font.
constexpr double EmAscent = 0.88;

bool isLineBreak(wchar_t c)
{
    return c == L'\r' || c == L'\n';
}

// Japanese line breaking keeps closing punctuation, small kana and the long
// vowel mark off the start of a line, and opening brackets off its end.
bool mayNotStartLine(wchar_t c)
{
    return std::wstring_view(L"、。，．・：；？！ー～…‥」』）］｝〕〉》】｣､｡ﾞﾟぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ々,.:;?!)]}").find(c)
        != std::wstring_view::npos;
}

bool mayNotEndLine(wchar_t c)
{
    return std::wstring_view(L"「『（［｛〔〈《【｢([{").find(c) != std::wstring_view::npos;
}

// How many characters of text, from its start, the line takes: as many as
// fit the width, but at least one. A line that breaks inside a word goes back
// to just after the word's leading space if it has one; the spaces after the
// last word hang past the edge.
std::size_t lineLength(HDC dc, std::wstring_view text, int width)
{
    int fit = 0;
    SIZE extent{};
    GetTextExtentExPointW(dc, text.data(), static_cast<int>(text.size()), std::max(width, 0), &fit, nullptr, &extent);
    std::size_t length = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(fit, 0)), 1, text.size());
    if (length < text.size() && text[length] != L' ') {
        const std::size_t space = text.substr(0, length).rfind(L' ');
        if (space != std::wstring_view::npos && space > 0) {
            length = space + 1;
        } else {
            // Two characters back at most, so that a narrow box still fills.
            for (int step = 0; step < 2 && length > 1 && (mayNotStartLine(text[length]) || mayNotEndLine(text[length - 1])); ++step) {
                --length;
            }
        }
    }
    while (length < text.size() && text[length] == L' ') {
        ++length;
    }
    return length;
}

struct SavedDc {
    explicit SavedDc(HDC dc)
        : m_dc(dc)
        , m_saved(SaveDC(dc))
    {
    }
    ~SavedDc() { RestoreDC(m_dc, m_saved); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;
    HDC m_dc;
    int m_saved;
};

void fill(HDC dc, const RECT& area, COLORREF colour)
{
    // ExtTextOut with an opaque rectangle fills without a brush to create.
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// The classic sunken frame: an outer line dark at the top and left and light
// at the bottom and right, and within it a darker and a lighter one, each
// line thick pixels wide. This is what DrawEdge draws with EDGE_SUNKEN at one
// pixel; drawn by hand it keeps its proportion on a printer.
void drawSunkenFrame(HDC dc, RECT box, int thick)
{
    const auto line = [dc, thick](const RECT& r, int topLeftColour, int bottomRightColour) {
        fill(dc, {r.left, r.top, r.right, r.top + thick}, GetSysColor(topLeftColour));
        fill(dc, {r.left, r.top, r.left + thick, r.bottom}, GetSysColor(topLeftColour));
        fill(dc, {r.left, r.bottom - thick, r.right, r.bottom}, GetSysColor(bottomRightColour));
        fill(dc, {r.right - thick, r.top + thick, r.right, r.bottom}, GetSysColor(bottomRightColour));
    };
    line(box, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    InflateRect(&box, -thick, -thick);
    line(box, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
}

} // namespace

std::vector<std::wstring_view> labelLines(HDC dc, std::wstring_view text, int width, int height, int em)
{
    std::vector<std::wstring_view> lines;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = at;
        while (end < text.size() && !isLineBreak(text[end])) {
            ++end;
        }
        std::wstring_view paragraph = text.substr(at, end - at);
        do {
            if (!lines.empty() && static_cast<int>(lines.size() + 1) * em > height) {
                return lines;
            }
            const std::size_t length = paragraph.empty() ? 0 : lineLength(dc, paragraph, width);
            lines.push_back(paragraph.substr(0, length));
            paragraph.remove_prefix(length);
        } while (!paragraph.empty());
        if (end == text.size()) {
            break;
        }
        // A carriage return and line feed together are one break.
        at = end + (text.substr(end, 2) == L"\r\n" ? 2 : 1);
    }
    return lines;
}

void drawLabel(HDC dc, const RECT& box, std::wstring_view text, HFONT font, int em, const PageElement& element)
{
    const SavedDc saved(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    fill(dc, box, colourRef(element.background));

    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourRef(element.foreground));
    SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    const int baseline = static_cast<int>(std::lround(em * EmAscent));
    int top = box.top;
    for (std::wstring_view line : labelLines(dc, text, box.right - box.left, box.bottom - box.top, em)) {
        TextOutW(dc, box.left, top + baseline, line.data(), static_cast<int>(line.size()));
        top += em;
    }
}

void drawPictureBox(HDC dc, const RECT& box, const Picture* picture, double scale, const PageElement& element)
{
    const SavedDc saved(dc);
    const int thick = std::max(1, static_cast<int>(std::lround(scale * PictureFrameWidth / 2.0)));
    drawSunkenFrame(dc, box, thick);

    RECT inside = box;
    InflateRect(&inside, -2 * thick, -2 * thick);
    fill(dc, inside, colourRef(element.background));
    if (picture == nullptr) {
        return;
    }
    IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    // Pixels are repeated, never blended, so the flat-colour drawings stay
    // crisp at any size and reach a printer exactly as they are.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, inside.left, inside.top, static_cast<int>(std::lround(picture->width() * scale)),
                  static_cast<int>(std::lround(picture->height() * scale)), 0, 0, picture->width(), picture->height(),
                  picture->bits(), picture->info(), DIB_RGB_COLORS, SRCCOPY);
}

} // namespace velmo
