#include "pagefonts.h"

#include "fontroles.h"
#include "qttext.h"

#include <fontconfig/fontconfig.h>

#include <future>
#include <map>
#include <memory>
#include <string>

namespace velmo {

namespace {

struct FcDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
    void operator()(FcObjectSet* objects) const { FcObjectSetDestroy(objects); }
    void operator()(FcFontSet* fonts) const { FcFontSetDestroy(fonts); }
};

// Whether fontconfig lists a font that matches the pattern.
bool anyFontMatches(FcPattern* pattern)
{
    const std::unique_ptr<FcObjectSet, FcDeleter> objects(FcObjectSetBuild(FC_FAMILY, nullptr));
    const std::unique_ptr<FcFontSet, FcDeleter> fonts(FcFontList(nullptr, pattern, objects.get()));
    return fonts != nullptr && fonts->nfont > 0;
}

// Whether a font of the family is installed, whatever the user's language.
// A font carries its family name in several languages (IPAMincho is also
// IPA明朝), and Qt's list of families holds only the name in the user's
// language, so looking an English name up there fails on a Japanese desktop.
// fontconfig compares the name with every name of every font, and answers
// from its cache in some ten microseconds.
bool familyInstalled(std::u16string_view family)
{
    const std::string name = qt(family).toStdString();
    const std::unique_ptr<FcPattern, FcDeleter> pattern(FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, name.c_str(), nullptr));
    return anyFontMatches(pattern.get());
}

// The answers for every family the core asks about while it resolves the
// five roles: each role's candidates up to the first installed one. Naming
// an installed family spares Qt from building fontconfig's whole fallback
// list (a sort of every installed font) for a name that is not installed.
struct InstalledFonts {
    std::map<std::u16string_view, bool> families;
    bool japanese = false;
};

InstalledFonts findInstalledFonts()
{
    InstalledFonts fonts;
    for (const FontFamily& face : FontFamilies) {
        for (const FaceCandidate& candidate : faceCandidates(face.role, FontSystem::Linux)) {
            const bool installed = familyInstalled(candidate.family);
            fonts.families.emplace(candidate.family, installed);
            if (installed) {
                fonts.japanese = true; // every candidate is a Japanese font
                break;
            }
        }
    }
    if (!fonts.japanese) {
        const std::unique_ptr<FcPattern, FcDeleter> japanese(FcNameParse(reinterpret_cast<const FcChar8*>(":lang=ja")));
        fonts.japanese = anyFontMatches(japanese.get());
    }
    return fonts;
}

std::future<InstalledFonts>& pendingLookUp()
{
    static std::future<InstalledFonts> pending;
    return pending;
}

const InstalledFonts& installedFonts()
{
    static const InstalledFonts fonts = pendingLookUp().valid() ? pendingLookUp().get() : findInstalledFonts();
    return fonts;
}

bool isInstalled(std::u16string_view family)
{
    const auto& known = installedFonts().families;
    const auto found = known.find(family);
    return found != known.end() ? found->second : familyInstalled(family);
}

} // namespace

void lookUpFontsInBackground()
{
    // fontconfig reads its configuration and caches on first use, some
    // milliseconds that would otherwise fall between the window's creation
    // and its first frame. Its calls are thread-safe and need no Qt.
    pendingLookUp() = std::async(std::launch::async, findInstalledFonts);
}

bool japaneseFontInstalled()
{
    return installedFonts().japanese;
}

QFont pageFont(const FontStyle& style)
{
    const ResolvedFont resolved = resolveFont(style, FontSystem::Linux, isInstalled);
    QFont font(qt(resolved.family));
    font.setPixelSize(resolved.pixelSize);
    font.setWeight(resolved.bold ? QFont::Bold : QFont::Normal);
    // Unhinted glyphs look the same at these sizes, keep the same advances
    // and line breaks, and spare FreeType's auto-hinter, which analyses every
    // font it is first used on (a few MB of each font file read in).
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace velmo
