#include "pagefonts.h"

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

QFont pageFont(const QString& family, int pixelSize, FontWeight weight)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight == FontWeight::Bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace velmo
