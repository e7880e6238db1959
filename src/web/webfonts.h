#pragma once

#include "pagelayout.h"

#include <array>
#include <string>
#include <string_view>

namespace velmo::web {

// How the site carries the fonts of one page role. The build makes a web font
// from each of the role's Linux stand-ins that it finds, subset to the
// characters the page can ever set in that role, and declares them all under
// one family, each for the characters it covers; the browser then takes every
// character from the first stand-in that has it (tools/web/makewebfonts).
struct WebFontRole {
    FontRole role;
    std::u16string_view family;  // the family of the site's web fonts; no original font's name
    std::u16string_view fileStem; // the web fonts' file names start with it
    std::u16string_view generic; // the CSS generic family that ends the list
};

// In the order of FontRole.
inline constexpr std::array<WebFontRole, 5> WebFontRoles = {{
    {FontRole::HeadlineBrush, u"Velmo Headline Brush", u"headline-brush", u"serif"},
    {FontRole::ArticleHeavyMincho, u"Velmo Article Mincho", u"article-mincho", u"serif"},
    {FontRole::ProportionalGothic, u"Velmo Gothic", u"gothic", u"sans-serif"},
    {FontRole::EdoBrush, u"Velmo Edo Brush", u"edo-brush", u"sans-serif"},
    {FontRole::Mincho, u"Velmo Mincho", u"mincho", u"serif"},
}};

const WebFontRole& webFontRole(FontRole role);

// Whether the role's stand-ins are drawn bold whatever the element asks: the
// page names an extra-bold design for it. The face the page names is then
// declared bold itself, so that the browser draws it as it is.
bool standInsDrawnBold(FontRole role);

// The CSS font-family list of a role: the face the page names, which a
// browser that has it installed draws (its @font-face rule finds it with
// local()), then the site's web font, then the generic family.
std::u16string cssFamilies(FontRole role);

// The weight the browser is asked for: bold where the element asks for it
// and where the stand-ins are drawn bold.
bool cssBold(const FontStyle& style);

// The CSS font shorthand of a style at scale 1, as a canvas takes it:
// "bold 15px "HGP創英ﾌﾟﾚｾﾞﾝｽEB", "Velmo Article Mincho", serif".
std::u16string cssFont(const FontStyle& style);

} // namespace velmo::web
