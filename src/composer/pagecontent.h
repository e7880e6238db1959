#pragma once

#include <QString>

#include <array>

namespace velmo {

// One composed page, as the page window shows it.
struct PageContent {
    QString headline;    // caption of the big headline
    QString article;     // caption of the main article, 55 to 170 characters, no line break
    QString topicColumn; // caption of the topic column, two lines split by one U+000D
    int portraitNumber = 0;             // 1..10
    std::array<int, 3> adNumbers{};     // slot 0: 1..4, slot 1: 5..8, slot 2: 9..12
};

// What the draws of one page selected. Nothing reads it after composition;
// it is kept for the page window's record and for tests.
struct DrawRecord {
    int headlineIndex = 0;
    int portraitNumber = 0;
    std::array<QString, 6> articlePhrases;    // time, place, subject, action, commenter, comment
    std::array<QString, 6> articleIndexTexts; // the same draws as decimal index texts
    int topicIndex = 0;
};

struct ComposedPage {
    PageContent content;
    DrawRecord record;
};

} // namespace velmo
