#include "pagefonts.h"

#include "qttext.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>
#include <future>

#ifdef VELMO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <memory>
#endif

using namespace Qt::StringLiterals;

namespace velmo {

namespace {

// The stand-ins of each page font, best first. Where Debian has a free font
// drawn to the advances of the face the page names, it comes first, so that
// lines break where the page's design breaks them (docs/fonts.md has the
// measured widths): Monapo and Ume P Gothic follow the proportional gothic's
// advances, IPA Mincho the mincho's. The two headlines keep a brush face.
// Every list ends with fonts that have every character of the page and that
// the package depends on.
struct StandIns {
    QString family;
    QStringList standIns;
    bool heavyDesign;
};

StandIns standIns(FontRole role, QStringList names)
{
    const FontFamily& face = FontFamilies[static_cast<std::size_t>(role)];
    return {qt(face.family), std::move(names), face.heavyDesign};
}

const std::array<StandIns, 5>& standInTable()
{
    static const std::array<StandIns, 5> table{{
        standIns(FontRole::HeadlineBrush, {u"KouzanBrushFont"_s, u"Noto Serif CJK JP"_s, u"IPAPMincho"_s, u"IPAPGothic"_s}),
        standIns(FontRole::ArticleHeavyMincho, {u"IPAPMincho"_s, u"Ume P Mincho"_s, u"Noto Serif CJK JP"_s, u"IPAPGothic"_s}),
        standIns(FontRole::ProportionalGothic, {u"Monapo"_s, u"Ume P Gothic"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s}),
        standIns(FontRole::EdoBrush, {u"KouzanBrushFontGyousyo"_s, u"KouzanBrushFont"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s}),
        standIns(FontRole::Mincho, {u"IPAMincho"_s, u"Ume Mincho"_s, u"Noto Serif CJK JP"_s, u"IPAGothic"_s}),
    }};
    return table;
}

#ifdef VELMO_HAVE_FONTCONFIG
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
#endif

// Whether a font of the family is installed, whatever the user's language.
// A font carries its family name in several languages (IPAMincho is also
// IPA明朝), and Qt's list of families holds only the name in the user's
// language, so looking an English name up there fails on a Japanese desktop.
// fontconfig compares the name with every name of every font, and answers
// from its cache in some ten microseconds.
bool familyInstalled(const QString& family)
{
#ifdef VELMO_HAVE_FONTCONFIG
    const std::unique_ptr<FcPattern, FcDeleter> pattern(FcPatternCreate());
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    return anyFontMatches(pattern.get());
#else
    // Qt also resolves the names of a family in other languages, at some
    // hundred microseconds a name.
    return QFontDatabase::hasFamily(family);
#endif
}

// The family each page face is drawn in: the face itself where it is
// installed, otherwise the first installed of its stand-ins, otherwise the
// face unchanged. Asking Qt for a family that is not installed makes it build
// fontconfig's whole fallback list for that name (a sort of every installed
// font) before it tries the stand-ins; naming an installed family spares
// that. Glyphs the chosen font lacks are still taken from other fonts, looked
// up only when one is missing.
struct InstalledFaces {
    std::array<QString, 5> family;
    bool japanese = false;
};

InstalledFaces findInstalledFaces()
{
    InstalledFaces faces;
    const std::array<StandIns, 5>& table = standInTable();
    for (std::size_t role = 0; role < table.size(); ++role) {
        faces.family[role] = table[role].family;
        for (const QString& candidate : QStringList{table[role].family} + table[role].standIns) {
            if (familyInstalled(candidate)) {
                faces.family[role] = candidate;
                break;
            }
        }
    }
    // Every stand-in is a Japanese font: only when none of the gothic's is
    // installed is the whole font list searched.
    const auto gothic = static_cast<std::size_t>(FontRole::ProportionalGothic);
    faces.japanese = faces.family[gothic] != table[gothic].family;
#ifdef VELMO_HAVE_FONTCONFIG
    if (!faces.japanese) {
        const std::unique_ptr<FcPattern, FcDeleter> pattern(FcPatternCreate());
        FcLangSet* japanese = FcLangSetCreate();
        FcLangSetAdd(japanese, reinterpret_cast<const FcChar8*>("ja"));
        FcPatternAddLangSet(pattern.get(), FC_LANG, japanese);
        FcLangSetDestroy(japanese);
        faces.japanese = anyFontMatches(pattern.get());
    }
#else
    faces.japanese = faces.japanese || !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
#endif
    return faces;
}

std::future<InstalledFaces>& pendingLookUp()
{
    static std::future<InstalledFaces> pending;
    return pending;
}

const InstalledFaces& installedFaces()
{
    static const InstalledFaces faces = pendingLookUp().valid() ? pendingLookUp().get() : findInstalledFaces();
    return faces;
}

// The installed family that stands in for the family; families the page does
// not name are drawn as they are.
QString installedFamily(const QString& family)
{
    const std::array<StandIns, 5>& table = standInTable();
    for (std::size_t role = 0; role < table.size(); ++role) {
        if (table[role].family == family) {
            return installedFaces().family[role];
        }
    }
    return family;
}

} // namespace

void installFontStandIns()
{
    // Widgets that draw with QFont itself (the pop-up menu in the window's
    // font) find the stand-ins through Qt's substitution lists.
    for (const StandIns& role : standInTable()) {
        QFont::insertSubstitutions(role.family, role.standIns);
    }
}

void lookUpFontsInBackground()
{
#ifdef VELMO_HAVE_FONTCONFIG
    // fontconfig reads its configuration and caches on first use, some
    // milliseconds that would otherwise fall between the window's creation
    // and its first frame. Its calls are thread-safe and need no Qt.
    pendingLookUp() = std::async(std::launch::async, findInstalledFaces);
#endif
}

bool japaneseFontInstalled()
{
    return installedFaces().japanese;
}

QFont shownFont(const QFont& asked)
{
    QFont shown = asked;
    const QString family = installedFamily(asked.family());
    if (family != asked.family()) {
        shown.setFamily(family);
        // A face that is an extra-bold design even at its regular weight has
        // its stand-in drawn bold to keep that heavy look.
        for (const StandIns& role : standInTable()) {
            if (role.heavyDesign && role.family == asked.family()) {
                shown.setWeight(QFont::Bold);
            }
        }
    }
    return shown;
}

QFont pageFont(const FontStyle& face)
{
    QFont font(qt(fontFamily(face.role)));
    font.setPixelSize(face.pixelSize);
    font.setWeight(face.weight == FontWeight::Bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Unhinted glyphs look the same at these sizes, keep the same advances
    // and line breaks, and spare FreeType's auto-hinter, which analyses every
    // font it is first used on (a few MB of each font file read in).
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace velmo
