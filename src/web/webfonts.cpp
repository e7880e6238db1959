#include "webfonts.h"

#include "fontroles.h"
#include "text.h"

#include <cassert>

namespace velmo::web {

namespace {

std::u16string quoted(std::u16string_view family)
{
    // The families are the program's own constants; none needs escaping.
    assert(family.find_first_of(u"\"\\") == std::u16string_view::npos);
    return u'"' + std::u16string(family) + u'"';
}

} // namespace

const WebFontRole& webFontRole(FontRole role)
{
    const WebFontRole& row = WebFontRoles[static_cast<std::size_t>(role)];
    assert(row.role == role);
    return row;
}

bool standInsDrawnBold(FontRole role)
{
    const std::vector<FaceCandidate> candidates = faceCandidates(role, FontSystem::Linux);
    return candidates.size() > 1 && candidates[1].drawBold;
}

std::u16string cssFamilies(FontRole role)
{
    // The first candidate is the face the page names; every stand-in after it
    // is carried by the role's one web family.
    const std::vector<FaceCandidate> candidates = faceCandidates(role, FontSystem::Linux);
    assert(!candidates.empty());
    const WebFontRole& web = webFontRole(role);
    std::u16string families = quoted(candidates.front().family);
    if (candidates.size() > 1) {
        families += u", " + quoted(web.family);
    }
    return families + u", " + std::u16string(web.generic);
}

bool cssBold(const FontStyle& style)
{
    return style.weight == FontWeight::Bold || standInsDrawnBold(style.role);
}

std::u16string cssFont(const FontStyle& style)
{
    assert(style.pixelSize > 0);
    return (cssBold(style) ? u"bold " : u"") + fromUtf8(std::to_string(style.pixelSize)) + u"px " + cssFamilies(style.role);
}

} // namespace velmo::web
