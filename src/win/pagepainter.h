#pragma once

#include "pagelayout.h"

#include <windows.h>

#include <string_view>
#include <vector>

namespace velmo {

class Picture;

// Drawing of the page's elements, shared by the window and the printer. Each
// function draws one element into box, given in device pixels; scale is the
// number of device pixels per page pixel (1 on a 96-dpi screen).

inline COLORREF colourRef(Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// The lines a label shows with the font selected into dc: the text broken at
// U+000D (and at line feeds, which the window text has in their place), then
// wrapped at the box's width, at a space where the line has one and anywhere
// else otherwise. Only whole lines that fit the box's height at one em per
// line are returned, but always at least the first.
std::vector<std::wstring_view> labelLines(HDC dc, std::wstring_view text, int width, int height, int em);

// A label: its background, then its lines one em apart from the top left,
// with the baseline where a Japanese font's em box has it.
void drawLabel(HDC dc, const RECT& box, std::wstring_view text, HFONT font, int em, const PageElement& element);

// A picture box: the two-pixel sunken frame, and inside it the picture at its
// natural size from the top left, cut at the frame, on the page's background.
// picture may be null before the page is loaded.
void drawPictureBox(HDC dc, const RECT& box, const Picture* picture, double scale, const PageElement& element);

} // namespace velmo
