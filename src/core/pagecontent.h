#pragma once

#include <array>
#include <string>

namespace velmo {

// One composed page, as the page window shows it. Texts are UTF-16.
struct PageContent {
    std::u16string headline;    // caption of the big headline
    std::u16string article;     // caption of the main article, 55 to 170 characters, no line break
    std::u16string topicColumn; // caption of the topic column, two lines split by one U+000D
    int portraitNumber = 0;         // 1..10
    std::array<int, 3> adNumbers{}; // slot 0: 1..4, slot 1: 5..8, slot 2: 9..12

    bool operator==(const PageContent&) const = default;
};

} // namespace velmo
