#include "pagefonts.h"

#include "qttext.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <array>

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

// The family the page's text is drawn in: the family itself where it is
// installed, otherwise the first installed of its stand-ins, otherwise the
// family unchanged.
QString installedFamily(const QString& family)
{
    // Asking Qt for a family that is not installed makes it build fontconfig's
    // whole fallback list for that name (a sort of every installed font) before
    // it tries the stand-ins; naming an installed family spares that. Glyphs
    // the chosen font lacks are still taken from other fonts, looked up only
    // when one is missing.
    static QHash<QString, QString> found;
    if (const auto known = found.constFind(family); known != found.constEnd()) {
        return *known;
    }
    QStringList candidates{family};
    for (const StandIns& role : standInTable()) {
        if (role.family == family) {
            candidates += role.standIns;
        }
    }
    QString chosen = family;
    for (const QString& candidate : candidates) {
        if (familyInstalled(candidate)) {
            chosen = candidate;
            break;
        }
    }
    found.insert(family, chosen);
    return chosen;
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

bool japaneseFontInstalled()
{
    // Every stand-in is a Japanese font, and the window's own font is looked
    // up for the page anyway: only when none of its stand-ins is installed
    // is the whole font list searched.
    const QString gothic = qt(fontFamily(FontRole::ProportionalGothic));
    if (installedFamily(gothic) != gothic) {
        return true;
    }
#ifdef VELMO_HAVE_FONTCONFIG
    const std::unique_ptr<FcPattern, FcDeleter> pattern(FcPatternCreate());
    FcLangSet* japanese = FcLangSetCreate();
    FcLangSetAdd(japanese, reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddLangSet(pattern.get(), FC_LANG, japanese);
    FcLangSetDestroy(japanese);
    return anyFontMatches(pattern.get());
#else
    return !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
#endif
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

QFont pageFont(const FontSpec& face)
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
