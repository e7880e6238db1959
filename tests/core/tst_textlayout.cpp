// The labels' line breaking (src/core/textlayout.h), with made-up advances:
// every Japanese character 10 page pixels, every other one 5, so that each
// case says exactly where a line must end.

#include "check.h"
#include "textlayout.h"

#include <string>
#include <vector>

namespace {

using velmo::FontRole;
using velmo::FontStyle;
using velmo::FontWeight;

class FixedAdvances : public velmo::TextMeasurer {
public:
    std::vector<double> advances(const FontStyle&, std::u16string_view run) override
    {
        ++calls;
        std::vector<double> result;
        for (char16_t c : run) {
            result.push_back(c >= 0xDC00 && c < 0xE000 ? 0 : c >= 0x2E80 ? 10 : 5);
        }
        return result;
    }
    int calls = 0;
};

constexpr FontStyle Em10{FontRole::Mincho, 10, FontWeight::Regular};

std::vector<std::u16string> lines(std::u16string_view caption, int width, int height = 1000)
{
    FixedAdvances measurer;
    std::vector<std::u16string> texts;
    for (const velmo::TextLine& line : velmo::layoutLabel(caption, Em10, width, height, measurer)) {
        texts.push_back(line.text);
    }
    return texts;
}

using Lines = std::vector<std::u16string>;

void hardBreaks()
{
    CHECK_EQ(lines(u"あい\rう", 100), (Lines{u"あい", u"う"}));
    // CR LF is one break; an empty paragraph is an empty line.
    CHECK_EQ(lines(u"あ\r\nい\r\rう", 100), (Lines{u"あ", u"い", u"", u"う"}));
    CHECK_EQ(lines(u"あ\nい", 100), (Lines{u"あ", u"い"}));
}

void closingMarksNeverStartALine()
{
    // Three characters fit; the fourth may not start the next line, so the
    // third goes down with it.
    for (char16_t mark : std::u16string_view(u"、。ー」』）ぁっャッ～・！？ﾞｰ､｡).,!?")) {
        const std::u16string text = std::u16string(u"あいう") + mark + u"え";
        CHECK_EQ(lines(text, 30), (Lines{u"あい", text.substr(2)}));
    }
}

void openingBracketsNeverEndALine()
{
    for (char16_t bracket : std::u16string_view(u"「『（［【〈《｢")) {
        const std::u16string text = std::u16string(u"あい") + bracket + u"うえ";
        CHECK_EQ(lines(text, 30), (Lines{u"あい", text.substr(2)}));
    }
    // Two rules at one place: "（" may not end and "、" may not start.
    CHECK_EQ(lines(u"あ（、い", 20), (Lines{u"あ", u"（、", u"い"}));
}

void latinWordsStayWhole()
{
    // "cdef" does not fit after "ab ", but fits a line of its own; the space
    // hangs past the edge.
    CHECK_EQ(lines(u"ab cdef", 25), (Lines{u"ab ", u"cdef"}));
    CHECK_EQ(lines(u"ab  cd", 10), (Lines{u"ab  ", u"cd"}));
    // A Latin word after Japanese text moves down whole.
    CHECK_EQ(lines(u"あいVelmo", 40), (Lines{u"あい", u"Velmo"}));
    // A word longer than the line is broken where the line is full.
    CHECK_EQ(lines(u"abcdefgh", 20), (Lines{u"abcd", u"efgh"}));
}

void narrowBoxesTakeOneCharacterALine()
{
    // The vertical strips: every character on a line of its own, even one
    // wider than the box and one that may not start a line.
    CHECK_EQ(lines(u"世論を見て", 8), (Lines{u"世", u"論", u"を", u"見", u"て"}));
    CHECK_EQ(lines(u"あー", 10), (Lines{u"あ", u"ー"}));
    // A surrogate pair stays together, even where it is wider than the box.
    CHECK_EQ(lines(u"\U0002000B\U0002000B", 8), (Lines{u"\U0002000B", u"\U0002000B"}));
}

void onlyWholeLinesOneEmApart()
{
    FixedAdvances measurer;
    // Three lines of 10 fill a height of 30 exactly; 29 leaves room for two.
    const auto full = velmo::layoutLabel(u"あ\rい\rう\rえ", Em10, 100, 30, measurer);
    CHECK_EQ(full.size(), std::size_t(3));
    CHECK_EQ(velmo::layoutLabel(u"あ\rい\rう", Em10, 100, 29, measurer).size(), std::size_t(2));
    CHECK(velmo::layoutLabel(u"あ", Em10, 100, 9, measurer).empty());
    for (std::size_t i = 0; i < full.size(); ++i) {
        CHECK_EQ(full[i].baseline, 10 * (static_cast<double>(i) + velmo::EmAscent));
    }
    // Paragraphs below the last line are not measured at all.
    measurer.calls = 0;
    velmo::layoutLabel(u"あ\rい\rう", Em10, 100, 10, measurer);
    CHECK_EQ(measurer.calls, 1);
}

void linesKeepTheirAdvances()
{
    // Windows draws each character at the advance the layout measured.
    FixedAdvances measurer;
    const auto laid = velmo::layoutLabel(u"ab\rあい\U0002000B", Em10, 20, 100, measurer);
    CHECK_EQ(laid.size(), std::size_t(3));
    CHECK_EQ(laid[0].advances, (std::vector<double>{5, 5}));
    CHECK_EQ(laid[2].advances, (std::vector<double>{10, 0}));
}

void screenReadersHearOneLineFeedABreak()
{
    CHECK_EQ(velmo::spokenCaption(u"あ\rい\r\nう\n\rえ\r"), std::u16string(u"あ\nい\nう\n\nえ\n"));
}

} // namespace

int main()
{
    return velmo::test::runTests({
        TEST_CASE(hardBreaks),
        TEST_CASE(closingMarksNeverStartALine),
        TEST_CASE(openingBracketsNeverEndALine),
        TEST_CASE(latinWordsStayWhole),
        TEST_CASE(narrowBoxesTakeOneCharacterALine),
        TEST_CASE(onlyWholeLinesOneEmApart),
        TEST_CASE(linesKeepTheirAdvances),
        TEST_CASE(screenReadersHearOneLineFeedABreak),
    });
}
