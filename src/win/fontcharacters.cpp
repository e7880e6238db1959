// Prints, for each of the page's five font roles, every character that the
// Windows page can set in it, so that the build subsets the fonts the program
// carries to exactly these (tools/web/makewebfonts --format ttf). It prints
// the lines of velmo-page-characters, one UTF-8 line per role, fields
// separated by tabs:
//
//   carried family, stem of its file name, face the page names, 1 if the
//   stand-ins are drawn bold else 0, the Linux faces it is made from
//   separated by commas, the share of an em above the baseline, the characters
//
// The characters are the labels' captions and the tables the headline,
// article and topic column are drawn from. Windows draws the menu and the
// message boxes in its own font; the gothic carries printable ASCII besides.
//
// Usage: velmo-win-font-characters   (run by the build under Wine)

#include "fontroles.h"
#include "pagelayout.h"
#include "phrasetables.h"
#include "text.h"
#include "textlayout.h"
#include "topictables.h"

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <set>
#include <span>
#include <string>

namespace {

using namespace velmo;

template <typename Table>
void addTable(std::u16string& texts, const Table& table)
{
    for (std::u16string_view entry : table) {
        texts += entry;
    }
}

std::array<std::u16string, 5> roleTexts()
{
    std::array<std::u16string, 5> texts;
    auto add = [&texts](FontRole role, std::u16string_view text) { texts[static_cast<std::size_t>(role)] += text; };
    for (const PageElement& element : PageElements) {
        if (element.kind == ElementKind::Label) {
            add(element.font.role, element.caption);
        }
    }
    std::u16string headlines;
    addTable(headlines, phrases::HeadlineWords);
    add(pageElement(ElementId::BigHeadline).font.role, headlines);

    std::u16string article;
    using Table = std::span<const std::u16string_view>;
    for (const Table table : std::array<Table, 6>{phrases::TimePhrases, phrases::PlacePhrases, phrases::SubjectPhrases,
                                                  phrases::ActionPhrases, phrases::CommenterPhrases, phrases::CommentPhrases}) {
        addTable(article, table);
    }
    article += phrases::FrameAfterAction;
    article += phrases::FrameAfterCommenter;
    article += phrases::FrameAfterComment;
    add(pageElement(ElementId::MainArticle).font.role, article);

    std::u16string topics;
    for (const phrases::TopicTemplate& topic : phrases::Topics) {
        topics += std::u16string(topic.title) + std::u16string(topic.lead) + std::u16string(topic.quoteOpening);
        addTable(topics, topic.words);
        topics += std::u16string(topic.quoteMiddle) + std::u16string(topic.quoteClose);
    }
    add(pageElement(ElementId::TopicColumn).font.role, topics);

    std::u16string ascii;
    for (char16_t c = u' '; c <= u'~'; ++c) {
        ascii += c;
    }
    add(WindowFont.role, ascii);
    return texts;
}

// The distinct characters of text in code point order, without control
// characters, which are never drawn.
std::u16string characters(const std::u16string& text)
{
    std::set<char32_t> points;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c >= 0x20 && c != 0x7F) {
            points.insert(c);
        }
    }
    std::u16string out;
    for (char32_t c : points) {
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

// "Velmo Article Mincho" gives "article-mincho".
std::u16string fileStem(std::u16string_view family)
{
    std::u16string stem(family.substr(family.find(u' ') + 1));
    for (char16_t& c : stem) {
        c = c == u' ' ? u'-' : (c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c);
    }
    return stem;
}

} // namespace

int main()
{
    // The lines end in a line feed alone, as the Linux tool's do.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::array<std::u16string, 5> texts = roleTexts();
    for (const FontFamily& named : FontFamilies) {
        const std::vector<FaceCandidate> linux = faceCandidates(named.role, FontSystem::Linux);
        std::u16string standIns;
        for (std::size_t i = 1; i < linux.size(); ++i) {
            standIns += (i == 1 ? u"" : u",") + std::u16string(linux[i].family);
        }
        const std::u16string_view family = carriedFamily(named.role);
        const std::u16string line = std::u16string(family) + u'\t' + fileStem(family) + u'\t' + std::u16string(named.family)
            + u'\t' + (named.heavyDesign ? u"1" : u"0") + u'\t' + standIns + u'\t' + fromUtf8(std::to_string(EmAscent))
            + u'\t' + characters(texts[static_cast<std::size_t>(named.role)]) + u'\n';
        const std::string utf8 = toUtf8(line);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    }
    return 0;
}
