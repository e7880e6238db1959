#include "composer/composer.h"
#include "composer/draws.h"
#include "composer/phrasetables.h"
#include "composer/picturefiles.h"
#include "composer/randomsource.h"
#include "composer/topictables.h"
#include "scriptedrandomsource.h"

#include <QTest>

#include <array>
#include <cfenv>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;
using velmo::PicturePiece;
using velmo::test::LargestValue;
using velmo::test::ScriptedRandomSource;
namespace phrases = velmo::phrases;

namespace {

using AdNumbers = std::array<int, 3>;

// The value for which drawIndex with this count selects index: the middle of
// the index's share of [0, 1).
float valueFor(int index, int count)
{
    return (static_cast<float>(index) + 0.5f) / static_cast<float>(count);
}

QString text(std::u16string_view view)
{
    return QString::fromUtf16(view.data(), static_cast<qsizetype>(view.size()));
}

QString composeArticleFrom(const QList<int>& indices, velmo::DrawRecord& record)
{
    std::vector<float> values;
    for (const int index : indices) {
        values.push_back(valueFor(index, 16));
    }
    ScriptedRandomSource source(values);
    return velmo::composeArticle(source, record);
}

} // namespace

class TestComposer : public QObject {
    Q_OBJECT

private slots:
    void callerFlagsSurviveADraw();
    void sourceValuesStayBelowOne();
    void composePageDrawByDraw_data();
    void composePageDrawByDraw();
    void brokenValueStopsComposition_data();
    void brokenValueStopsComposition();
    void articleLengthExtremes();
    void phrasesJoinAsTheyStand_data();
    void phrasesJoinAsTheyStand();
    void pictureFileNames_data();
    void pictureFileNames();
};

void TestComposer::callerFlagsSurviveADraw()
{
    // A flag raised before the draw by someone else is neither blamed on the
    // draw nor wiped out by it.
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO);

    // A draw that blamed the flag on itself would throw here.
    ScriptedRandomSource source({0.5f, 0.5f});
    QCOMPARE(velmo::drawIndex(source, 16), 8);
    QCOMPARE(velmo::drawNumber(source, 4, 9), 11);
    const bool flagKept = std::fetestexcept(FE_DIVBYZERO) != 0;
    std::feclearexcept(FE_ALL_EXCEPT);
    QVERIFY(flagKept);
}

void TestComposer::sourceValuesStayBelowOne()
{
    // The extreme engine outputs, which sampling would almost never meet.
    // (QCOMPARE would compare floats fuzzily.)
    QVERIFY(velmo::RandomSource::valueFromBits(0) == 0.0f);
    QVERIFY(velmo::RandomSource::valueFromBits(0xFFFFFFFFu) == LargestValue);

    velmo::RandomSource source;
    source.seed(20240601);
    constexpr int Draws = 1 << 16;
    constexpr int Bins = 16;
    std::array<int, Bins> histogram{};
    for (int i = 0; i < Draws; ++i) {
        const float r = source.nextValue();
        QVERIFY(r >= 0.0f && r < 1.0f);
        ++histogram[static_cast<std::size_t>(r * Bins)];
    }
    // Each sixteenth of [0, 1) gets its share within 10 %, far beyond the
    // spread of a uniform source, so only a skewed source fails.
    for (const int hits : histogram) {
        QVERIFY2(hits > Draws / Bins * 9 / 10 && hits < Draws / Bins * 11 / 10, qPrintable(QString::number(hits)));
    }
}

void TestComposer::composePageDrawByDraw_data()
{
    QTest::addColumn<std::vector<float>>("values"); // thirteen, then one that must be left
    QTest::addColumn<int>("portrait");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QStringList>("indexTexts");
    QTest::addColumn<int>("topic");
    QTest::addColumn<AdNumbers>("ads");
    QTest::addColumn<QString>("article"); // empty: not checked
    QTest::addColumn<QString>("topicColumn"); // the whole column, or a part of it when no article is given

    QTest::newRow("r = 0")
        << std::vector<float>(14, 0.0f) << 1 << u"ゆかいだ"_s << QStringList(6, u"0"_s) << 0 << AdNumbers{1, 5, 9}
        << u"今日、午前９時頃、" u"国会議事堂内で、" u"林総理大臣が、" u"記者会見をしました。" u"これについて、"
           u"ボウズガビョウブニ・ジョウズニボウズさん" u"は、｢" u"私は見捨てられたのかーーーーーー！？"
           u"｣とコメントしておりました。"_s
        << u"税金の引き上げ問題について…" u"\r" u"税金がまた上がるらしい。国民の不安はつのる一方だ。"
           u"Velmo新聞社の近所にお住まいのＧ・Ｔさんは、｢うちは、" u"床屋を営業" u"してんだけどさぁー"
           u"生活に支障がでるよなぁ。｣と、コメントしている。"_s;
    QTest::newRow("r = 0.5") << std::vector<float>(14, 0.5f) << 6 << u"嵐だ雷だ"_s << QStringList(6, u"8"_s) << 2
                             << AdNumbers{3, 7, 11} << QString() << u"国民は税金だけはらえば楽なもんだ"_s;
    QTest::newRow("largest r")
        << std::vector<float>(14, LargestValue) << 10 << u"失望した"_s << QStringList(6, u"15"_s) << 4
        << AdNumbers{4, 8, 12}
        << u"いい忘れてたけれど､" u"うわさによると、" u"ロポタ氏が、" u"なにか意見をいいたいようです。"
           u"これについて、" u"地球" u"は、｢" u"大きな見出しを７回クリックして、世論を見てをクリックする。"
           u"｣とコメントしておりました。"_s
        << u"交通事故急増問題について…" u"\r" u"交通事故が急増している。政府は二十日、緊急会議を開いた。"
           u"Velmo新聞社のそばの工務店経営Ｋ・Ｋさんは、｢ええ。ひどいですな。" u"パソコン"
           u"がひかれるなんていくら" u"なんでもかわいそうですよ。｣と、コメントしている。"_s;
    // Every draw selects an entry no neighbouring draw would select from its
    // value, so a swapped or skipped value shows up.
    QTest::newRow("a value of its own for every draw")
        << std::vector<float>{valueFor(3 - 1, 10), valueFor(17, 22), valueFor(1, 16), valueFor(2, 16),
                              valueFor(3, 16), valueFor(4, 16), valueFor(5, 16), valueFor(6, 16), valueFor(3, 5),
                              valueFor(1, 5), valueFor(2 - 1, 4), valueFor(7 - 5, 4), valueFor(12 - 9, 4), 0.0f}
        << 3 << u"ついに"_s << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s} << 3 << AdNumbers{2, 7, 12}
        << u"先月二十日､" u"東京医学生命福祉研究大学で、" u"日本の未来が、" u"超ビルダーしました。"
           u"これについて、" u"プッチモゥニ" u"は、｢" u"ポケ○ンサイコー！" u"｣とコメントしておりました。"_s
        << u"森林減少問題について…\r" u"森林がどんどん減ってきている。"
           u"Velmo新聞社のアンケートで答えてくださった一人であるＰ・Ｋさんは、｢わては、"
           u"トイレットペーパー会社" u"働いてんがなー。" u"ほなやっぱりこわいとちゃう？｣と、用紙に記入している。"_s;
}

void TestComposer::composePageDrawByDraw()
{
    QFETCH(std::vector<float>, values);
    QFETCH(int, portrait);
    QFETCH(QString, headline);
    QFETCH(QStringList, indexTexts);
    QFETCH(int, topic);
    QFETCH(AdNumbers, ads);
    QFETCH(QString, article);
    QFETCH(QString, topicColumn);

    // A fourteenth value is scripted so that an extra draw would go unnoticed
    // by the source itself; the count shows it instead.
    ScriptedRandomSource source(values);
    const velmo::ComposedPage page = velmo::composePage(source);
    QCOMPARE(source.consumed(), 13);

    QCOMPARE(page.content.portraitNumber, portrait);
    QCOMPARE(page.content.headline, headline);
    QCOMPARE(QStringList(page.record.articleIndexTexts.begin(), page.record.articleIndexTexts.end()), indexTexts);
    QCOMPARE(page.record.topicIndex, topic);
    QCOMPARE(page.content.adNumbers, ads);
    QVERIFY2(page.content.topicColumn.contains(topicColumn), qPrintable(page.content.topicColumn));
    if (!article.isEmpty()) {
        QCOMPARE(page.content.article, article);
        QCOMPARE(page.content.topicColumn, topicColumn);
    }
}

void TestComposer::brokenValueStopsComposition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("error");

    // Positions 0 and 10 to 12 are number draws, the others table draws.
    for (int position = 0; position < 13; ++position) {
        const QByteArray row = "value " + QByteArray::number(position + 1);
        QTest::newRow(row + " signalling NaN") << position << std::numeric_limits<float>::signaling_NaN()
                                               << u"floating-point error in the product of a draw"_s;
        QTest::newRow(row + " infinity") << position << std::numeric_limits<float>::infinity()
                                         << u"a draw left the range of a 32-bit integer"_s;
    }
}

void TestComposer::brokenValueStopsComposition()
{
    QFETCH(int, position);
    QFETCH(float, value);
    QFETCH(QString, error);

    std::vector<float> values(13, 0.25f);
    values[static_cast<std::size_t>(position)] = value;
    ScriptedRandomSource source(values);
    try {
        velmo::composePage(source);
        QFAIL("the page was composed");
    } catch (const velmo::FloatingPointError& raised) {
        QCOMPARE(QString::fromUtf8(raised.what()), error);
    }
    QCOMPARE(source.consumed(), position + 1);
}

void TestComposer::articleLengthExtremes()
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
    QList<int> longest;
    QList<int> shortest;
    for (const auto& [table, longIndex, shortIndex] : tables) {
        for (const std::u16string_view entry : table) {
            QVERIFY2(entry.size() <= table[longIndex].size() && entry.size() >= table[shortIndex].size(),
                     qPrintable(text(entry)));
        }
        longest.append(longIndex);
        shortest.append(shortIndex);
    }
    velmo::DrawRecord record;
    QCOMPARE(composeArticleFrom(longest, record).size(), 170);
    QCOMPARE(composeArticleFrom(shortest, record).size(), 55);
}

void TestComposer::phrasesJoinAsTheyStand_data()
{
    QTest::addColumn<QList<int>>("indices"); // six for an article, topic and word for a topic column
    QTest::addColumn<QString>("expectedPart");

    QTest::newRow("commenter 12 doubles は") << QList<int>{0, 0, 0, 0, 12, 0} << u"Velmo新聞社社員のＢＢ氏はは、｢"_s;
    QTest::newRow("place 10, subject 2") << QList<int>{0, 10, 2, 0, 0, 0} << u"ゴミ収集車のそばでパソコンが、"_s;
    QTest::newRow("time 13 ends its sentence") << QList<int>{13, 3, 0, 0, 0, 0} << u"意外な判明です！韓国のソウルで、"_s;
    QTest::newRow("comment 10 meets the bracket") << QList<int>{0, 0, 0, 0, 0, 10}
                                                  << u"は、｢な、み、も、て、ちぇ｣とコメントしておりました。"_s;
    QTest::newRow("topic 1 word 2")
        << QList<int>{1, 2} << u"｢オレはなぁ駅のラッシュでもっと超こんでこまっちゃう状態になるのがおそろしいんだ。"_s;
    QTest::newRow("topic 1 lead") << QList<int>{1, 4} << u"人口爆発問題について…\r都会では､どんどん人口が増えてゆく。Velmo"_s;
    QTest::newRow("topic 4 word 0") << QList<int>{4, 0}
                                    << u"｢ええ。ひどいですな。老人がひかれるなんていくらなんでもかわいそうですよ。"_s;
    QTest::newRow("topic 3 word 4") << QList<int>{3, 4} << u"｢わては、ペットショップ働いてんがなー。"_s;
}

void TestComposer::phrasesJoinAsTheyStand()
{
    QFETCH(QList<int>, indices);
    QFETCH(QString, expectedPart);

    velmo::DrawRecord record;
    ScriptedRandomSource topicSource({valueFor(indices.front(), 5), valueFor(indices.back(), 5)});
    const QString text = indices.size() == 6 ? composeArticleFrom(indices, record)
                                             : velmo::composeTopicColumn(topicSource, record);
    QVERIFY2(text.contains(expectedPart), qPrintable(text));
}

void TestComposer::pictureFileNames_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<PicturePiece>("piece");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("hostName"); // on POSIX hosts

    QTest::newRow("portrait 1") << u"C:\\VB"_s << PicturePiece::Portrait << 1 << u"C:\\VB\\話題の人1.bmp"_s
                                << u"C:\\VB/話題の人1.bmp"_s;
    QTest::newRow("portrait 10") << u"/opt/velmo"_s << PicturePiece::Portrait << 10 << u"/opt/velmo\\話題の人10.bmp"_s
                                 << u"/opt/velmo/話題の人10.bmp"_s;
    QTest::newRow("advertisement 7") << u"/home/a\\b"_s << PicturePiece::Advertisement << 7
                                     << u"/home/a\\b\\広告7.bmp"_s << u"/home/a\\b/広告7.bmp"_s;
    QTest::newRow("drive root") << u"C:\\"_s << PicturePiece::Portrait << 4 << u"C:\\\\話題の人4.bmp"_s
                                << u"C:\\/話題の人4.bmp"_s;
}

void TestComposer::pictureFileNames()
{
    QFETCH(QString, folder);
    QFETCH(PicturePiece, piece);
    QFETCH(int, number);
    QFETCH(QString, expected);
    QFETCH(QString, hostName);

    QCOMPARE(velmo::pictureFileName(folder, piece, number), expected);
#ifdef Q_OS_WIN
    QCOMPARE(velmo::hostFileName(expected), expected);
#else
    // Only the program's own backslash before the picture's name becomes a
    // separator; one in the folder's name is an ordinary character.
    QCOMPARE(velmo::hostFileName(expected), hostName);
#endif
}

QTEST_GUILESS_MAIN(TestComposer)
#include "tst_composer.moc"
