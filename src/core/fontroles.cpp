#include "fontroles.h"

#include <array>
#include <map>

namespace velmo {

namespace {

using Names = std::span<const std::u16string_view>;

struct RoleFaces {
    // Other names of the named face itself, as a system other than a
    // Japanese one may list it; drawn as the face is.
    Names aliases;
    Names linuxStandIns;
    Names windowsStandIns;
};

// Linux: where Debian has a free font drawn to the advances of the named
// face it comes first, so that lines break where the design breaks them; the
// two headlines keep a brush face.
//
// Windows: the program carries a subset of each role's first Linux face
// under a name of its own (carriedFamily), so that a Windows page looks like
// the Linux one whatever is installed. The faces Windows itself ships in a
// similar design come after it, a safety net should the carried font fail
// to register. The Debian fonts have no place there: the carried ones are
// those.
constexpr std::u16string_view HeadlineBrushLinux[] = {
    u"KouzanBrushFont",
    u"Noto Serif CJK JP",
    u"IPAPMincho",
    u"IPAPGothic",
};
constexpr std::u16string_view HeadlineBrushWindows[] = {
    u"Velmo Headline Brush",
    u"UD Digi Kyokasho N-B",
    u"Yu Mincho",
    u"BIZ UDPMincho",
    u"Meiryo",
    u"MS UI Gothic",
};
constexpr std::u16string_view HeavyMinchoLinux[] = {
    u"IPAPMincho",
    u"Ume P Mincho",
    u"Noto Serif CJK JP",
    u"IPAPGothic",
};
constexpr std::u16string_view HeavyMinchoWindows[] = {
    u"Velmo Article Mincho",
    u"Yu Mincho",
    u"BIZ UDPMincho",
    u"MS PMincho",
    u"Meiryo",
    u"MS UI Gothic",
};
constexpr std::u16string_view GothicAliases[] = {
    u"MS PGothic",
};
constexpr std::u16string_view GothicLinux[] = {
    u"Monapo",
    u"Ume P Gothic",
    u"IPAPGothic",
    u"Noto Sans CJK JP",
};
constexpr std::u16string_view GothicWindows[] = {
    u"Velmo Gothic",
    u"BIZ UDPGothic",
    u"Yu Gothic",
    u"Meiryo",
    u"MS UI Gothic",
};
constexpr std::u16string_view EdoBrushLinux[] = {
    u"KouzanBrushFontGyousyo",
    u"KouzanBrushFont",
    u"IPAPGothic",
    u"Noto Sans CJK JP",
};
constexpr std::u16string_view EdoBrushWindows[] = {
    u"Velmo Edo Brush",
    u"UD Digi Kyokasho NP-B",
    u"Yu Mincho",
    u"Meiryo",
    u"MS UI Gothic",
};
constexpr std::u16string_view MinchoAliases[] = {
    u"MS Mincho",
};
constexpr std::u16string_view MinchoLinux[] = {
    u"IPAMincho",
    u"Ume Mincho",
    u"Noto Serif CJK JP",
    u"IPAGothic",
};
constexpr std::u16string_view MinchoWindows[] = {
    u"Velmo Mincho",
    u"BIZ UDMincho",
    u"Yu Mincho",
    u"Meiryo",
    u"MS UI Gothic",
};

// In the order of FontRole.
constexpr std::array<RoleFaces, 5> Roles = {{
    {{}, HeadlineBrushLinux, HeadlineBrushWindows},
    {{}, HeavyMinchoLinux, HeavyMinchoWindows},
    {GothicAliases, GothicLinux, GothicWindows},
    {{}, EdoBrushLinux, EdoBrushWindows},
    {MinchoAliases, MinchoLinux, MinchoWindows},
}};

} // namespace

std::vector<FaceCandidate> faceCandidates(FontRole role, FontSystem system)
{
    const FontFamily& named = FontFamilies[static_cast<std::size_t>(role)];
    const RoleFaces& faces = Roles[static_cast<std::size_t>(role)];
    std::vector<FaceCandidate> candidates{{named.family, false}};
    // Only Windows lists the named faces under their English names as well.
    if (system == FontSystem::Windows) {
        for (std::u16string_view alias : faces.aliases) {
            candidates.push_back({alias, false});
        }
    }
    for (std::u16string_view standIn : system == FontSystem::Linux ? faces.linuxStandIns : faces.windowsStandIns) {
        candidates.push_back({standIn, named.heavyDesign});
    }
    return candidates;
}

std::u16string_view carriedFamily(FontRole role)
{
    // The first of each Windows list.
    return Roles[static_cast<std::size_t>(role)].windowsStandIns.front();
}

FontChoices::FontChoices(FontSystem system, const std::function<bool(std::u16string_view)>& isInstalled)
{
    std::map<std::u16string_view, bool> asked;
    for (const FontFamily& named : FontFamilies) {
        FaceCandidate& chosen = m_faces[static_cast<std::size_t>(named.role)];
        chosen = {named.family, named.heavyDesign};
        for (const FaceCandidate& candidate : faceCandidates(named.role, system)) {
            const auto [answer, first] = asked.try_emplace(candidate.family, false);
            if (first) {
                answer->second = isInstalled(candidate.family);
            }
            if (answer->second) {
                chosen = candidate;
                m_anyInstalled = true;
                break;
            }
        }
    }
}

ResolvedFont FontChoices::resolve(const FontStyle& style) const
{
    const FaceCandidate& face = m_faces[static_cast<std::size_t>(style.role)];
    return {face.family, style.pixelSize, style.weight == FontWeight::Bold || face.drawBold};
}

} // namespace velmo
