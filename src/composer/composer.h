#pragma once

#include "pagecontent.h"

#include <QString>
#include <QStringView>

#include <array>
#include <span>
#include <string_view>

namespace velmo {

class RandomSource;

// The composition stages of a page. Each consumes a fixed number of values
// from the source: one for the headline and the portrait, six for the
// article, two for the topic column and three for the advertisements.
QString composeHeadline(RandomSource& source, DrawRecord& record);
QString composeArticle(RandomSource& source, DrawRecord& record);
QString composeTopicColumn(RandomSource& source, DrawRecord& record);
int drawPortraitNumber(RandomSource& source, DrawRecord& record);
std::array<int, 3> drawAdNumbers(RandomSource& source);

// Composes one whole page with exactly thirteen draws, in this order:
// portrait, headline, the six article phrases, topic, topic word, and the
// three advertisements. The same thirteen values always give the same page.
ComposedPage composePage(RandomSource& source);

// The entry of a phrase table whose key - its own index as decimal text -
// equals indexText character for character. The key must exist.
QStringView phraseForKey(std::span<const std::u16string_view> table, QStringView indexText);

} // namespace velmo
