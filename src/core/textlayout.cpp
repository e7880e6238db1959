#include "textlayout.h"

#include "text.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace velmo {

namespace {

bool isHardBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

bool isSpace(char16_t c)
{
    return c == u' ';
}

bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c < 0xE000;
}

// Closing marks, small kana, iteration marks and the long vowel mark, full
// and half width, and the Latin closing punctuation.
bool mayNotStartLine(char16_t c)
{
    constexpr std::u16string_view Marks =
        u"、。，．・：；？！ー～…‥」』）］｝〕〉》】〙〗゛゜ゝゞヽヾ々〻｣､｡･ｰﾞﾟｧｨｩｪｫｬｭｮｯ"
        u"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇱㇲㇳㇴㇵㇶㇷㇸㇹㇺㇻㇼㇽㇾㇿ,.:;?!)]}";
    return Marks.find(c) != std::u16string_view::npos;
}

bool mayNotEndLine(char16_t c)
{
    constexpr std::u16string_view Brackets = u"「『（［｛〔〈《【〘〖｢([{";
    return Brackets.find(c) != std::u16string_view::npos;
}

// A character of a Latin word: letters, digits and the punctuation written
// inside words, in the scripts that set words apart with spaces. Japanese
// text, full-width letters and half-width kana break between any two
// characters.
bool isWordCharacter(char16_t c)
{
    return c > u' ' && c < 0x2E80 && c != u'(' && c != u'[' && c != u'{';
}

// Whether a line may end before paragraph[at] (0 < at < size).
bool mayBreakBefore(std::u16string_view paragraph, std::size_t at)
{
    const char16_t before = paragraph[at - 1];
    const char16_t after = paragraph[at];
    if (isLowSurrogate(after) || isSpace(after)) {
        return false; // inside a pair; spaces stay with the word before them
    }
    if (isSpace(before)) {
        return true;
    }
    if (mayNotStartLine(after) || mayNotEndLine(before)) {
        return false;
    }
    return !(isWordCharacter(before) && isWordCharacter(after));
}

// Breaks one paragraph (no hard break inside) into lines of at most width.
void breakParagraph(std::u16string_view paragraph, const std::vector<double>& advances, double width,
                    std::vector<TextLine>& lines)
{
    if (paragraph.empty()) {
        lines.emplace_back();
        return;
    }
    std::size_t start = 0;
    while (start < paragraph.size()) {
        // The furthest end that fits (its trailing spaces hang), and the
        // furthest of those where the line may break.
        std::size_t fits = start;
        std::size_t breakAt = 0;
        double extent = 0;   // up to the end of the last non-space
        double running = 0;  // up to the end being tried
        for (std::size_t end = start + 1; end <= paragraph.size(); ++end) {
            running += advances[end - 1];
            if (!isSpace(paragraph[end - 1])) {
                extent = running;
            }
            if (end < paragraph.size() && isLowSurrogate(paragraph[end])) {
                continue;
            }
            if (extent > width && fits > start) {
                break;
            }
            fits = end;
            if (end == paragraph.size() || mayBreakBefore(paragraph, end)) {
                breakAt = end;
            }
            if (extent > width) {
                break; // the first character alone is wider than the box
            }
        }
        std::size_t end = breakAt > start ? breakAt : fits;
        while (end < paragraph.size() && isSpace(paragraph[end])) {
            ++end;
        }
        lines.push_back({std::u16string(paragraph.substr(start, end - start)), 0,
                         std::vector<double>(advances.begin() + static_cast<std::ptrdiff_t>(start), advances.begin() + static_cast<std::ptrdiff_t>(end))});
        start = end;
    }
}

} // namespace

std::vector<TextLine> layoutLabel(std::u16string_view caption, const FontStyle& font, int width, int height,
                                  TextMeasurer& measurer)
{
    assert(font.pixelSize > 0);
    const int em = font.pixelSize;
    const std::size_t maxLines = height >= em ? static_cast<std::size_t>(height / em) : 0;

    std::vector<TextLine> lines;
    std::size_t at = 0;
    while (lines.size() < maxLines) {
        std::size_t end = at;
        while (end < caption.size() && !isHardBreak(caption[end])) {
            ++end;
        }
        const std::u16string_view paragraph = caption.substr(at, end - at);
        const std::vector<double> advances = paragraph.empty() ? std::vector<double>{} : measurer.advances(font, paragraph);
        assert(advances.size() == paragraph.size());
        breakParagraph(paragraph, advances, width, lines);
        if (end == caption.size()) {
            break;
        }
        // A carriage return and a line feed together are one break.
        at = end + (caption.substr(end, 2) == u"\r\n" ? 2 : 1);
    }

    lines.resize(std::min(lines.size(), maxLines));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].baseline = em * (static_cast<double>(i) + EmAscent);
    }
    return lines;
}

std::u16string spokenCaption(std::u16string_view caption)
{
    std::u16string spoken;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'\r') {
            spoken += caption[i];
        } else if (i + 1 == caption.size() || caption[i + 1] != u'\n') {
            spoken += u'\n';
        }
    }
    return spoken;
}

std::string describeLines(const PageElement& element, const std::vector<TextLine>& lines)
{
    std::u16string text(element.name);
    text += u'\t';
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? u"" : u" | ") + lines[i].text;
    }
    return toUtf8(text);
}

} // namespace velmo
