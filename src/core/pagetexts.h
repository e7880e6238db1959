#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmo {

// Everything the page's labels can ever show, by the font role that sets it
// (indexed by FontRole): the fixed captions, every entry of the tables the
// headline, the article and the topic column are drawn from, and their frame
// texts. What a front end draws besides in a page font (its menu, its boxes)
// is its own to add. The font builds subset the fonts to these characters.
std::array<std::u16string, 5> labelTextsByRole();

// The distinct characters of text in code point order, surrogate pairs kept
// whole, without control characters (which are never drawn).
std::u16string distinctCharacters(std::u16string_view text);

} // namespace velmo
