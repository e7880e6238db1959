#include "pagefonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace velmo {

void installFontStandIns()
{
    // Brush styles for the two headlines, a heavy mincho for the main article,
    // a proportional gothic for the caption and the window's own text, and a
    // plain mincho for the topic column. Noto CJK comes last in every list as
    // a font that has every character of the page.
    QFont::insertSubstitutions(fontfamily::HeadlineBrush, QStringList{QStringLiteral("KouzanBrushFont"), QStringLiteral("Noto Serif CJK JP")});
    QFont::insertSubstitutions(fontfamily::ArticleHeavyMincho, QStringList{QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAPMincho")});
    QFont::insertSubstitutions(fontfamily::ProportionalGothic, QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(fontfamily::EdoBrush, QStringList{QStringLiteral("KouzanBrushFontGyousyo"), QStringLiteral("KouzanBrushFont"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(fontfamily::Mincho, QStringList{QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")});
}

QString installedFamily(const QString& family)
{
    // Asking Qt for a family that is not installed makes it build fontconfig's
    // whole fallback list for that name (a sort of every installed font) before
    // it tries the stand-ins; naming an installed family spares that. Glyphs
    // the chosen font lacks are still taken from other fonts, looked up only
    // when one is missing.
    static const QStringList installed = QFontDatabase::families();
    QStringList candidates{family};
    candidates += QFont::substitutes(family);
    for (const QString& candidate : candidates) {
        if (installed.contains(candidate, Qt::CaseInsensitive)) {
            return candidate;
        }
    }
    return family;
}

QFont shownFont(const QFont& asked)
{
    QFont shown = asked;
    const QString family = installedFamily(asked.family());
    if (family != asked.family()) {
        shown.setFamily(family);
        // The article's own face is an extra-bold design even at its regular
        // weight; its stand-in is drawn bold to keep that heavy look.
        if (asked.family() == fontfamily::ArticleHeavyMincho) {
            shown.setWeight(QFont::Bold);
        }
    }
    return shown;
}

QFont pageFont(const QString& family, int pixelSize, FontWeight weight)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight == FontWeight::Bold ? QFont::Bold : QFont::Normal);
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
