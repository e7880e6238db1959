#include "pagetexts.h"

#include "pagelayout.h"
#include "phrasetables.h"
#include "topictables.h"

#include <set>
#include <span>

namespace velmo {

namespace {

template <typename Table>
void addTable(std::u16string& texts, const Table& table)
{
    for (std::u16string_view entry : table) {
        texts += entry;
    }
}

} // namespace

std::array<std::u16string, 5> labelTextsByRole()
{
    std::array<std::u16string, 5> texts;
    auto add = [&texts](ElementId id, std::u16string_view text) {
        texts[static_cast<std::size_t>(pageElement(id).font.role)] += text;
    };
    for (const PageElement& element : PageElements) {
        if (element.kind == ElementKind::Label) {
            add(element.id, element.caption);
        }
    }

    std::u16string headlines;
    addTable(headlines, phrases::HeadlineWords);
    add(ElementId::BigHeadline, headlines);

    std::u16string article;
    using Table = std::span<const std::u16string_view>;
    for (const Table table : std::array<Table, 6>{phrases::TimePhrases, phrases::PlacePhrases, phrases::SubjectPhrases,
                                                  phrases::ActionPhrases, phrases::CommenterPhrases, phrases::CommentPhrases}) {
        addTable(article, table);
    }
    article += phrases::FrameAfterAction;
    article += phrases::FrameAfterCommenter;
    article += phrases::FrameAfterComment;
    add(ElementId::MainArticle, article);

    std::u16string topics;
    for (const phrases::TopicTemplate& topic : phrases::Topics) {
        topics += std::u16string(topic.title) + std::u16string(topic.lead) + std::u16string(topic.quoteOpening);
        addTable(topics, topic.words);
        topics += std::u16string(topic.quoteMiddle) + std::u16string(topic.quoteClose);
    }
    add(ElementId::TopicColumn, topics);
    return texts;
}

std::u16string distinctCharacters(std::u16string_view text)
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

} // namespace velmo
