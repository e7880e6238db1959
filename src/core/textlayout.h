#pragma once

#include "pagelayout.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmo {

// The one text call a front end answers for the layout: how far each
// character of a run advances when the run is set on one line in a page
// font. The core decides everything else about a label's text.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;

    // One advance per UTF-16 unit of run, in page pixels (96 dots per inch),
    // in the font the front end draws the style in. The second unit of a
    // surrogate pair, and any unit that the font joins to the one before,
    // advances 0. The run holds no line break.
    virtual std::vector<double> advances(const FontStyle& font, std::u16string_view run) = 0;
};

// One line of a label as it is shown.
struct TextLine {
    std::u16string text; // the characters of the line, with the spaces that hang past its end
    double baseline = 0; // from the label's top edge, in page pixels
    std::vector<double> advances; // of each unit of text, as the front end measured them
    bool operator==(const TextLine&) const = default;
};

// Where the baseline sits in a line one em high: the ascent of the em box of
// a Japanese font.
inline constexpr double EmAscent = 0.88;

// Sets a caption in a label's box of width x height page pixels:
// - a carriage return (or a line feed, or both together) is a hard break;
// - a line breaks between any two Japanese characters, but a closing mark,
//   a small kana or the long vowel mark never starts a line and an opening
//   bracket never ends one;
// - a Latin word stays whole where it fits on a line of its own, and the
//   spaces after a word hang past the edge;
// - lines are one em (the font's pixel size) apart, the first at the top,
//   and only lines that fit the height whole are returned.
// A character that is wider than the box still gets a line of its own.
std::vector<TextLine> layoutLabel(std::u16string_view caption, const FontStyle& font, int width, int height,
                                  TextMeasurer& measurer);

// The text a label gives screen readers: its caption with one line feed for
// each hard break, since some read a bare carriage return as nothing and
// join the words on either side.
std::u16string spokenCaption(std::u16string_view caption);

// The laid-out lines of one label as one line of UTF-8, the form in which
// every front end reports them for comparison: the element's name, a tab,
// then the lines separated by " | ".
std::string describeLines(const PageElement& element, const std::vector<TextLine>& lines);

} // namespace velmo
