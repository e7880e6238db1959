#include "composer.h"

#include "draws.h"
#include "phrasetables.h"
#include "randomsource.h"
#include "topictables.h"

#include <span>
#include <string_view>

namespace velmo {

namespace {

template <typename Table>
int drawEntry(RandomSource& source, const Table& table)
{
    return drawIndex(source, static_cast<int>(table.size()));
}

std::u16string composeHeadline(RandomSource& source)
{
    return std::u16string(phrases::HeadlineWords[static_cast<std::size_t>(drawEntry(source, phrases::HeadlineWords))]);
}

std::u16string composeArticle(RandomSource& source)
{
    using namespace phrases;
    const std::array<std::span<const std::u16string_view>, 6> tables = {
        TimePhrases, PlacePhrases, SubjectPhrases, ActionPhrases, CommenterPhrases, CommentPhrases};

    // All six draws come before anything is joined.
    std::array<std::u16string_view, 6> p;
    for (std::size_t part = 0; part < tables.size(); ++part) {
        p[part] = tables[part][static_cast<std::size_t>(drawEntry(source, tables[part]))];
    }

    std::u16string article;
    article.reserve(192);
    article += p[0];
    article += p[1];
    article += p[2];
    article += p[3];
    article += FrameAfterAction;
    article += p[4];
    article += FrameAfterCommenter;
    article += p[5];
    article += FrameAfterComment;
    return article;
}

std::u16string composeTopicColumn(RandomSource& source)
{
    const phrases::TopicTemplate& topic = phrases::Topics[static_cast<std::size_t>(drawEntry(source, phrases::Topics))];
    // The word is drawn for every topic, so the column always takes two values.
    const int word = drawEntry(source, topic.words);

    std::u16string column;
    column += topic.title;
    column += phrases::TopicLineBreak;
    column += topic.lead;
    column += topic.quoteOpening;
    column += topic.words[static_cast<std::size_t>(word)];
    column += topic.quoteMiddle;
    column += topic.quoteClose;
    return column;
}

} // namespace

PageContent composePage(RandomSource& source)
{
    PageContent page;
    page.portraitNumber = drawNumber(source, 10, 1);
    page.headline = composeHeadline(source);
    page.article = composeArticle(source);
    page.topicColumn = composeTopicColumn(source);
    // Slots 0, 1 and 2 hold 1-4, 5-8 and 9-12; each takes a value of its own.
    page.adNumbers[0] = drawNumber(source, 4, 1);
    page.adNumbers[1] = drawNumber(source, 4, 5);
    page.adNumbers[2] = drawNumber(source, 4, 9);
    return page;
}

PageContent composeFreshPage(RandomSource& source)
{
    source.seedFromClock();
    return composePage(source);
}

} // namespace velmo
