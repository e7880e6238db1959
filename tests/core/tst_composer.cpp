#include "check.h"
#include "composer.h"
#include "draws.h"
#include "phrasetables.h"
#include "picturefiles.h"
#include "randomsource.h"
#include "scriptedrandomsource.h"

#include <array>
#include <cfenv>
#include <limits>
#include <span>
#include <string>
#include <tuple>
#include <vector>

using namespace velmo;
using velmo::test::LargestValue;
using velmo::test::ScriptedRandomSource;

namespace {

// The value for which a draw over count entries selects index: the middle of
// the index's share of [0, 1).
float valueFor(int index, int count)
{
    return (static_cast<float>(index) + 0.5f) / static_cast<float>(count);
}

// A page from thirteen values that select these article entries, with
// neutral values elsewhere.
PageContent pageWithArticle(const std::array<int, 6>& entries, int topic = 0, int word = 0)
{
    std::vector<float> values{0.0f, 0.0f};
    for (const int entry : entries) {
        values.push_back(valueFor(entry, 16));
    }
    values.insert(values.end(), {valueFor(topic, 5), valueFor(word, 5), 0.0f, 0.0f, 0.0f});
    ScriptedRandomSource source(values);
    return composePage(source);
}

void callerFlagsSurviveADraw()
{
    // A flag raised before the draw by someone else is neither blamed on the
    // draw nor wiped out by it.
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO);
    ScriptedRandomSource source({0.5f, 0.5f});
    CHECK_EQ(drawIndex(source, 16), 8);
    CHECK_EQ(drawNumber(source, 4, 9), 11);
    const bool flagKept = std::fetestexcept(FE_DIVBYZERO) != 0;
    std::feclearexcept(FE_ALL_EXCEPT);
    CHECK(flagKept);
}

void sourceValuesStayBelowOne()
{
    // The extreme engine outputs, which sampling would almost never meet.
    CHECK(RandomSource::valueFromBits(0) == 0.0f);
    CHECK(RandomSource::valueFromBits(0xFFFFFFFFu) == LargestValue);
}

void freshPagesAreSeededFromTheClock()
{
    // Two sources that start alike still give different pages.
    RandomSource first;
    RandomSource second;
    first.seed(1);
    second.seed(1);
    CHECK(!(composeFreshPage(first) == composeFreshPage(second)));
}

struct PageRow {
    const char* name;
    std::vector<float> values; // thirteen, then one that must be left
    int portrait;
    std::u16string headline;
    std::array<int, 3> ads;
    std::u16string article;
    std::u16string topicColumn;
};

void composePageDrawByDraw()
{
    const std::vector<PageRow> rows = {
        {"r = 0", std::vector<float>(14, 0.0f), 1, u"ゆかいだ", {1, 5, 9},
         u"今日、午前９時頃、" u"国会議事堂内で、" u"林総理大臣が、" u"記者会見をしました。" u"これについて、"
         u"ボウズガビョウブニ・ジョウズニボウズさん" u"は、｢" u"私は見捨てられたのかーーーーーー！？"
         u"｣とコメントしておりました。",
         u"税金の引き上げ問題について…" u"\r" u"税金がまた上がるらしい。国民の不安はつのる一方だ。"
         u"Velmo新聞社の近所にお住まいのＧ・Ｔさんは、｢うちは、" u"床屋を営業" u"してんだけどさぁー"
         u"生活に支障がでるよなぁ。｣と、コメントしている。"},
        {"largest r", std::vector<float>(14, LargestValue), 10, u"失望した", {4, 8, 12},
         u"いい忘れてたけれど､" u"うわさによると、" u"ロポタ氏が、" u"なにか意見をいいたいようです。"
         u"これについて、" u"地球" u"は、｢" u"大きな見出しを７回クリックして、世論を見てをクリックする。"
         u"｣とコメントしておりました。",
         u"交通事故急増問題について…" u"\r" u"交通事故が急増している。政府は二十日、緊急会議を開いた。"
         u"Velmo新聞社のそばの工務店経営Ｋ・Ｋさんは、｢ええ。ひどいですな。" u"パソコン"
         u"がひかれるなんていくら" u"なんでもかわいそうですよ。｣と、コメントしている。"},
        // Every draw selects an entry no neighbouring draw would select from
        // its value, so a swapped or skipped value shows up.
        {"a value of its own for every draw",
         {valueFor(3 - 1, 10), valueFor(17, 22), valueFor(1, 16), valueFor(2, 16), valueFor(3, 16), valueFor(4, 16),
          valueFor(5, 16), valueFor(6, 16), valueFor(3, 5), valueFor(1, 5), valueFor(2 - 1, 4), valueFor(7 - 5, 4),
          valueFor(12 - 9, 4), 0.0f},
         3, u"ついに", {2, 7, 12},
         u"先月二十日､" u"東京医学生命福祉研究大学で、" u"日本の未来が、" u"超ビルダーしました。" u"これについて、"
         u"プッチモゥニ" u"は、｢" u"ポケ○ンサイコー！" u"｣とコメントしておりました。",
         u"森林減少問題について…\r" u"森林がどんどん減ってきている。"
         u"Velmo新聞社のアンケートで答えてくださった一人であるＰ・Ｋさんは、｢わては、" u"トイレットペーパー会社"
         u"働いてんがなー。" u"ほなやっぱりこわいとちゃう？｣と、用紙に記入している。"},
    };
    for (const PageRow& row : rows) {
        std::printf("  row: %s\n", row.name);
        // A fourteenth value is scripted so that an extra draw would go
        // unnoticed by the source itself; the count shows it instead.
        ScriptedRandomSource source(row.values);
        const PageContent page = composePage(source);
        CHECK_EQ(source.consumed(), 13);
        CHECK_EQ(page.portraitNumber, row.portrait);
        CHECK_EQ(page.headline, row.headline);
        CHECK_EQ(page.adNumbers, row.ads);
        CHECK_EQ(page.article, row.article);
        CHECK_EQ(page.topicColumn, row.topicColumn);
    }
}

void brokenValueStopsComposition()
{
    // Positions 0 and 10 to 12 are number draws, the others table draws. A
    // quiet NaN raises no flag at all and must still be stopped.
    const std::array<std::tuple<float, const char*>, 3> broken = {{
        {std::numeric_limits<float>::signaling_NaN(), "floating-point error in the product of a draw"},
        {std::numeric_limits<float>::quiet_NaN(), "a draw left the range of a 32-bit integer"},
        {std::numeric_limits<float>::infinity(), "a draw left the range of a 32-bit integer"},
    }};
    for (int position = 0; position < 13; ++position) {
        for (const auto& [value, error] : broken) {
            std::vector<float> values(13, 0.25f);
            values[static_cast<std::size_t>(position)] = value;
            ScriptedRandomSource source(values);
            try {
                composePage(source);
                velmo::test::fail("the page was composed at position " + std::to_string(position), __FILE__, __LINE__);
            } catch (const FloatingPointError& raised) {
                CHECK_EQ(std::string(raised.what()), std::string(error));
            }
            CHECK_EQ(source.consumed(), position + 1);
        }
    }
}

void articleLengthExtremes()
{
    // The longest and the shortest article join the longest and the
    // shortest entry of every table; no entry lies outside them.
    using Table = std::span<const std::u16string_view>;
    const std::array<std::tuple<Table, int, int>, 6> tables = {{
        {phrases::TimePhrases, 10, 2},
        {phrases::PlacePhrases, 11, 12},
        {phrases::SubjectPhrases, 1, 13},
        {phrases::ActionPhrases, 2, 5},
        {phrases::CommenterPhrases, 0, 15},
        {phrases::CommentPhrases, 2, 7},
    }};
    std::array<int, 6> longest{};
    std::array<int, 6> shortest{};
    for (std::size_t part = 0; part < tables.size(); ++part) {
        const auto& [table, longIndex, shortIndex] = tables[part];
        for (const std::u16string_view entry : table) {
            CHECK(entry.size() <= table[static_cast<std::size_t>(longIndex)].size());
            CHECK(entry.size() >= table[static_cast<std::size_t>(shortIndex)].size());
        }
        longest[part] = longIndex;
        shortest[part] = shortIndex;
    }
    CHECK_EQ(pageWithArticle(longest).article.size(), 170u);
    CHECK_EQ(pageWithArticle(shortest).article.size(), 55u);
}

void topicColumnsJoinTheirWords()
{
    const std::vector<std::tuple<int, int, std::u16string>> columns = {
        {1, 2, u"｢オレはなぁ駅のラッシュでもっと超こんでこまっちゃう状態になるのがおそろしいんだ。"},
        {1, 4, u"人口爆発問題について…\r都会では､どんどん人口が増えてゆく。Velmo"},
        {3, 4, u"｢わては、ペットショップ働いてんがなー。"},
        {4, 0, u"｢ええ。ひどいですな。老人がひかれるなんていくら"},
    };
    for (const auto& [topic, word, part] : columns) {
        const std::u16string column = pageWithArticle({0, 0, 0, 0, 0, 0}, topic, word).topicColumn;
        CHECK(column.find(part) != std::u16string::npos);
    }
}

void pictureFileNames()
{
    const std::vector<std::tuple<std::u16string, PicturePiece, int, std::u16string, std::u16string>> rows = {
        {u"C:\\VB", PicturePiece::Portrait, 1, u"C:\\VB\\話題の人1.bmp", u"C:\\VB/話題の人1.bmp"},
        {u"/opt/velmo", PicturePiece::Portrait, 10, u"/opt/velmo\\話題の人10.bmp", u"/opt/velmo/話題の人10.bmp"},
        {u"/home/a\\b", PicturePiece::Advertisement, 7, u"/home/a\\b\\広告7.bmp", u"/home/a\\b/広告7.bmp"},
        {u"C:\\", PicturePiece::Portrait, 4, u"C:\\\\話題の人4.bmp", u"C:\\/話題の人4.bmp"},
    };
    for (const auto& [folder, piece, number, expected, posixName] : rows) {
        CHECK_EQ(pictureFileName(folder, piece, number), expected);
#ifdef _WIN32
        CHECK_EQ(hostFileName(expected), expected);
#else
        // Only the program's own backslash before the picture's name becomes
        // a separator; one in the folder's name is an ordinary character.
        CHECK_EQ(hostFileName(expected), posixName);
#endif
    }

    PageContent page;
    page.portraitNumber = 3;
    page.adNumbers = {2, 7, 11};
    std::vector<std::u16string> loaded;
    for (const PagePicture& picture : pagePictures(page, u"C:")) {
        const PageElement& box = pageElement(picture.box);
        loaded.push_back(picture.name + u"@" + std::u16string(box.name) + (box.index >= 0 ? indexText(box.index) : u""));
    }
    CHECK_EQ(loaded, (std::vector<std::u16string>{u"話題の人3@写真", u"広告2@広告0", u"広告7@広告1", u"広告11@広告2"}));
}

} // namespace

int main()
{
    return velmo::test::runTests({
        TEST_CASE(callerFlagsSurviveADraw),
        TEST_CASE(sourceValuesStayBelowOne),
        TEST_CASE(freshPagesAreSeededFromTheClock),
        TEST_CASE(composePageDrawByDraw),
        TEST_CASE(brokenValueStopsComposition),
        TEST_CASE(articleLengthExtremes),
        TEST_CASE(topicColumnsJoinTheirWords),
        TEST_CASE(pictureFileNames),
    });
}
