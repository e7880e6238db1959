#pragma once

#include "pagelayout.h"

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

// The font that draws style: the first candidate for which isInstalled
// answers true, or, with none installed, the named face, left to the
// system's own font matching.
ResolvedFont resolveFont(const FontStyle& style, FontSystem system,
                         const std::function<bool(std::u16string_view family)>& isInstalled);

} // namespace velmo
