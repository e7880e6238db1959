#pragma once

#include "pagelayout.h"

#include <array>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace velmo {

// The systems whose fonts the page is drawn in. Each has its own stand-ins
// for the five faces the page names, which few desktops have installed.
enum class FontSystem { Linux, Windows };

// One face a front end may draw a role in.
struct FaceCandidate {
    std::u16string_view family;
    // Drawn bold whatever the element asks: a stand-in for a face that is an
    // extra-bold design even at its regular weight keeps that heavy look.
    bool drawBold = false;
};

// The faces that may draw a role on a system, best first: the face the page
// names, under each of its names, then its stand-ins. docs/fonts.md says why
// each stand-in stands where it does. Every list ends with faces that have
// every character of the page.
std::vector<FaceCandidate> faceCandidates(FontRole role, FontSystem system);

// The family of the font that the Windows program carries for role: a
// subset of the role's first Linux face, with every character the page can
// set in the role, under a name of its own (the original fonts' licences
// forbid their names on a modified font). It is the first Windows stand-in.
std::u16string_view carriedFamily(FontRole role);

// A page font as a front end creates it.
struct ResolvedFont {
    std::u16string_view family;
    int pixelSize = 0; // the em, in page pixels (96 dots per inch)
    bool bold = false;
};

// The faces that draw the five roles on one system, chosen once among the
// installed ones: for each role, its candidates are asked about in order up
// to the first that isInstalled answers true for, and no family is asked
// twice. A role with no candidate installed is left to the named face and
// the system's own font matching.
class FontChoices {
public:
    FontChoices(FontSystem system, const std::function<bool(std::u16string_view family)>& isInstalled);

    // The font that draws style.
    ResolvedFont resolve(const FontStyle& style) const;
    // Whether some role found one of its candidates installed.
    bool anyInstalled() const { return m_anyInstalled; }

private:
    std::array<FaceCandidate, FontFamilies.size()> m_faces; // by FontRole
    bool m_anyInstalled = false;
};

} // namespace velmo
