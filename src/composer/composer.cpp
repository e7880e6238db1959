#include "composer.h"

#include "draws.h"
#include "phrasetables.h"
#include "randomsource.h"
#include "topictables.h"

#include <QtGlobal>

namespace velmo {

namespace {

QStringView view(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size()));
}

template <std::size_t N>
QStringView entryAt(const std::array<std::u16string_view, N>& table, int index)
{
    Q_ASSERT(index >= 0 && static_cast<std::size_t>(index) < N);
    return view(table[static_cast<std::size_t>(index)]);
}

} // namespace

QStringView phraseForKey(std::span<const std::u16string_view> table, QStringView key)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (indexText(static_cast<int>(i)) == key) {
            return view(table[i]);
        }
    }
    Q_ASSERT_X(false, "phraseForKey", "no entry has this key");
    return {};
}

QString composeHeadline(RandomSource& source, DrawRecord& record)
{
    record.headlineIndex = drawIndex(source, static_cast<int>(phrases::HeadlineWords.size()));
    return entryAt(phrases::HeadlineWords, record.headlineIndex).toString();
}

QString composeArticle(RandomSource& source, DrawRecord& record)
{
    using namespace phrases;
    const std::array<std::span<const std::u16string_view>, 6> tables = {
        TimePhrases, PlacePhrases, SubjectPhrases, ActionPhrases, CommenterPhrases, CommentPhrases};

    // All six draws come before anything is joined.
    for (std::size_t part = 0; part < tables.size(); ++part) {
        const int index = drawIndex(source, static_cast<int>(tables[part].size()));
        record.articleIndexTexts[part] = indexText(index);
        record.articlePhrases[part] = phraseForKey(tables[part], record.articleIndexTexts[part]).toString();
    }

    const auto& p = record.articlePhrases;
    QString article;
    article += p[0];
    article += p[1];
    article += p[2];
    article += p[3];
    article += view(FrameAfterAction);
    article += p[4];
    article += view(FrameAfterCommenter);
    article += p[5];
    article += view(FrameAfterComment);
    return article;
}

QString composeTopicColumn(RandomSource& source, DrawRecord& record)
{
    record.topicIndex = drawIndex(source, static_cast<int>(phrases::Topics.size()));
    const phrases::TopicTemplate& topic = phrases::Topics[static_cast<std::size_t>(record.topicIndex)];
    // The word is drawn for every topic, so the column always takes two values.
    const int word = drawIndex(source, static_cast<int>(topic.words.size()));

    QString column;
    column += view(topic.title);
    column += view(phrases::TopicLineBreak);
    column += view(topic.lead);
    column += view(topic.quoteOpening);
    column += entryAt(topic.words, word);
    column += view(topic.quoteMiddle);
    column += view(topic.quoteClose);
    return column;
}

int drawPortraitNumber(RandomSource& source, DrawRecord& record)
{
    record.portraitNumber = drawNumber(source, 10, 1);
    return record.portraitNumber;
}

std::array<int, 3> drawAdNumbers(RandomSource& source)
{
    std::array<int, 3> numbers{};
    // Slots 0, 1 and 2 hold 1-4, 5-8 and 9-12; each takes a value of its own.
    numbers[0] = drawNumber(source, 4, 1);
    numbers[1] = drawNumber(source, 4, 5);
    numbers[2] = drawNumber(source, 4, 9);
    return numbers;
}

ComposedPage composePage(RandomSource& source)
{
    ComposedPage page;
    page.content.portraitNumber = drawPortraitNumber(source, page.record);
    page.content.headline = composeHeadline(source, page.record);
    page.content.article = composeArticle(source, page.record);
    page.content.topicColumn = composeTopicColumn(source, page.record);
    page.content.adNumbers = drawAdNumbers(source);
    return page;
}

} // namespace velmo
