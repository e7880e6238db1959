#include "pagefonts.h"

#include "fontroles.h"
#include "qttext.h"

#include <fontconfig/fontconfig.h>

#include <future>
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

std::future<FontChoices>& pendingChoices()
{
    static std::future<FontChoices> pending;
    return pending;
}

// Naming an installed family spares Qt from building fontconfig's whole
// fallback list (a sort of every installed font) for a name that is not
// installed.
const FontChoices& fontChoices()
{
    static const FontChoices choices = pendingChoices().valid() ? pendingChoices().get() : FontChoices(FontSystem::Linux, familyInstalled);
    return choices;
}

} // namespace

void lookUpFontsInBackground()
{
    // fontconfig reads its configuration and caches on first use, some
    // milliseconds that would otherwise fall between the window's creation
    // and its first frame. Its calls are thread-safe and need no Qt.
    pendingChoices() = std::async(std::launch::async, [] { return FontChoices(FontSystem::Linux, familyInstalled); });
}

bool japaneseFontInstalled()
{
    // Every candidate is a Japanese font.
    if (fontChoices().anyInstalled()) {
        return true;
    }
    const std::unique_ptr<FcPattern, FcDeleter> japanese(FcNameParse(reinterpret_cast<const FcChar8*>(":lang=ja")));
    return anyFontMatches(japanese.get());
}

QFont pageFont(const FontStyle& style)
{
    const ResolvedFont resolved = fontChoices().resolve(style);
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
