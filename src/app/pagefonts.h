#pragma once

#include <QFont>
#include <QString>

namespace velmo {

// The five font families the page asks for, as they are named on a Japanese
// desktop. Where one is not installed, installFontStandIns() has Qt use a
// free Japanese font of a similar style instead.
namespace fontfamily {
inline const QString HeadlineBrush = QStringLiteral("有澤楷書");
inline const QString ArticleHeavyMincho = QStringLiteral("HGP創英ﾌﾟﾚｾﾞﾝｽEB");
inline const QString ProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString EdoBrush = QStringLiteral("江戸勘亭流Ｐ");
inline const QString Mincho = QStringLiteral("ＭＳ 明朝");
} // namespace fontfamily

enum class FontWeight { Regular, Bold };

// Registers the stand-in fonts once per process, before the first page font
// is used.
void installFontStandIns();

// The family the page's text is drawn in: the family itself where it is
// installed, otherwise the first installed of its stand-ins, otherwise the
// family unchanged. Families are matched by any of their names, so the answer
// is the same in every locale.
QString installedFamily(const QString& family);

// Whether any installed font has Japanese text. Without one the page shows
// empty boxes.
bool japaneseFontInstalled();

// The font a label's text is drawn in: the asked font with the family that
// installedFamily() finds for it, and the weight its stand-in needs to look
// like the asked face.
QFont shownFont(const QFont& asked);

// A page font. Sizes are pixels, so the page looks the same at any screen
// resolution (the point sizes of the design at 96 dots per inch).
QFont pageFont(const QString& family, int pixelSize, FontWeight weight = FontWeight::Regular);

} // namespace velmo
