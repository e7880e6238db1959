#include "composer/composer.h"
#include "composer/draws.h"
#include "composer/phrasetables.h"
#include "composer/picturefiles.h"
#include "composer/topictables.h"
#include "scriptedrandomsource.h"

#include <QTest>

#include <array>
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

struct NamedText {
    QString name;
    std::u16string_view text;
};

// Every constant text the composer joins, with a name for failure messages.
std::vector<NamedText> allTexts()
{
    std::vector<NamedText> texts;
    const auto addTable = [&texts](const QString& name, std::span<const std::u16string_view> table) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            texts.push_back({name + u' ' + QString::number(i), table[i]});
        }
    };
    addTable(u"headline"_s, phrases::HeadlineWords);
    addTable(u"time"_s, phrases::TimePhrases);
    addTable(u"place"_s, phrases::PlacePhrases);
    addTable(u"subject"_s, phrases::SubjectPhrases);
    addTable(u"action"_s, phrases::ActionPhrases);
    addTable(u"commenter"_s, phrases::CommenterPhrases);
    addTable(u"comment"_s, phrases::CommentPhrases);
    texts.push_back({u"frame after action"_s, phrases::FrameAfterAction});
    texts.push_back({u"frame after commenter"_s, phrases::FrameAfterCommenter});
    texts.push_back({u"frame after comment"_s, phrases::FrameAfterComment});
    for (std::size_t t = 0; t < phrases::Topics.size(); ++t) {
        const phrases::TopicTemplate& topic = phrases::Topics[t];
        const QString name = u"topic "_s + QString::number(t);
        texts.push_back({name + u" title"_s, topic.title});
        texts.push_back({name + u" lead"_s, topic.lead});
        texts.push_back({name + u" quote opening"_s, topic.quoteOpening});
        addTable(name + u" word"_s, topic.words);
        texts.push_back({name + u" quote middle"_s, topic.quoteMiddle});
        texts.push_back({name + u" quote close"_s, topic.quoteClose});
    }
    return texts;
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
    void uniformValuesGivePage_data();
    void uniformValuesGivePage();
    void drawsFollowPageOrder();
    void brokenValueStopsComposition_data();
    void brokenValueStopsComposition();
    void articleLengthExtremes_data();
    void articleLengthExtremes();
    void articleJoinsPhrasesAsTheyStand_data();
    void articleJoinsPhrasesAsTheyStand();
    void topicColumnsHaveTwoLines();
    void topicColumnJoins_data();
    void topicColumnJoins();
    void phraseKeyMatchesWholeText_data();
    void phraseKeyMatchesWholeText();
    void tablesHaveTheirSizes();
    void textsAreTrimmedAndNonEmpty();
    void halfWidthFormsStayHalfWidth_data();
    void halfWidthFormsStayHalfWidth();
    void halfWidthCommaOnlyWhereWritten();
    void pictureFileName_data();
    void pictureFileName();
    void hostFileName_data();
    void hostFileName();
};

void TestComposer::uniformValuesGivePage_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("portrait");
    QTest::addColumn<int>("headlineIndex");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("articleIndexText");
    QTest::addColumn<int>("topic");
    QTest::addColumn<AdNumbers>("ads");
    QTest::addColumn<QString>("article"); // empty: not checked
    QTest::addColumn<int>("articleLength");
    QTest::addColumn<QString>("topicColumn"); // the whole column, or a part of it when no article is given

    QTest::newRow("r = 0")
        << 0.0f << 1 << 0 << u"ゆかいだ"_s << u"0"_s << 0 << AdNumbers{1, 5, 9}
        << u"今日、午前９時頃、" u"国会議事堂内で、" u"林総理大臣が、" u"記者会見をしました。" u"これについて、"
           u"ボウズガビョウブニ・ジョウズニボウズさん" u"は、｢" u"私は見捨てられたのかーーーーーー！？"
           u"｣とコメントしておりました。"_s
        << 96
        << u"税金の引き上げ問題について…" u"\r" u"税金がまた上がるらしい。国民の不安はつのる一方だ。"
           u"Velmo新聞社の近所にお住まいのＧ・Ｔさんは、｢うちは、" u"床屋を営業" u"してんだけどさぁー"
           u"生活に支障がでるよなぁ。｣と、コメントしている。"_s;
    QTest::newRow("r = 0.5") << 0.5f << 6 << 11 << u"嵐だ雷だ"_s << u"8"_s << 2 << AdNumbers{3, 7, 11} << QString()
                             << 0 << u"国民は税金だけはらえば楽なもんだ"_s;
    QTest::newRow("largest r")
        << LargestValue << 10 << 21 << u"失望した"_s << u"15"_s << 4 << AdNumbers{4, 8, 12}
        << u"いい忘れてたけれど､" u"うわさによると、" u"ロポタ氏が、" u"なにか意見をいいたいようです。"
           u"これについて、" u"地球" u"は、｢" u"大きな見出しを７回クリックして、世論を見てをクリックする。"
           u"｣とコメントしておりました。"_s
        << 94
        << u"交通事故急増問題について…" u"\r" u"交通事故が急増している。政府は二十日、緊急会議を開いた。"
           u"Velmo新聞社のそばの工務店経営Ｋ・Ｋさんは、｢ええ。ひどいですな。" u"パソコン"
           u"がひかれるなんていくら" u"なんでもかわいそうですよ。｣と、コメントしている。"_s;
}

void TestComposer::uniformValuesGivePage()
{
    QFETCH(float, value);
    QFETCH(int, portrait);
    QFETCH(int, headlineIndex);
    QFETCH(QString, headline);
    QFETCH(QString, articleIndexText);
    QFETCH(int, topic);
    QFETCH(AdNumbers, ads);
    QFETCH(QString, article);
    QFETCH(int, articleLength);
    QFETCH(QString, topicColumn);

    // A fourteenth value is scripted so that an extra draw would go unnoticed
    // by the source itself; the count shows it instead.
    auto source = ScriptedRandomSource::repeated(value, 14);
    const velmo::ComposedPage page = velmo::composePage(source);
    QCOMPARE(source.consumed(), 13);
    QCOMPARE(source.remaining(), 1);

    QCOMPARE(page.content.portraitNumber, portrait);
    QCOMPARE(page.record.portraitNumber, portrait);
    QCOMPARE(page.record.headlineIndex, headlineIndex);
    QCOMPARE(page.content.headline, headline);
    for (const QString& indexText : page.record.articleIndexTexts) {
        QCOMPARE(indexText, articleIndexText);
    }
    QCOMPARE(page.record.topicIndex, topic);
    QCOMPARE(page.content.adNumbers, ads);
    if (article.isEmpty()) {
        QVERIFY(page.content.topicColumn.startsWith(text(phrases::Topics[static_cast<std::size_t>(topic)].title)));
        QVERIFY2(page.content.topicColumn.contains(topicColumn), qPrintable(page.content.topicColumn));
        return;
    }
    QCOMPARE(page.content.article, article);
    QCOMPARE(page.content.article.size(), articleLength);
    QCOMPARE(page.content.topicColumn, topicColumn);
}

void TestComposer::drawsFollowPageOrder()
{
    // Every draw gets a value that selects an entry no neighbouring draw
    // would select from it, so a swap or a skipped value shows up.
    const std::vector<float> values = {
        valueFor(3 - 1, 10), // portrait 3
        valueFor(17, 22),    // headline 17
        valueFor(1, 16),     // time 1
        valueFor(2, 16),     // place 2
        valueFor(3, 16),     // subject 3
        valueFor(4, 16),     // action 4
        valueFor(5, 16),     // commenter 5
        valueFor(6, 16),     // comment 6
        valueFor(3, 5),      // topic 3
        valueFor(1, 5),      // word 1
        valueFor(2 - 1, 4),  // ad 2
        valueFor(7 - 5, 4),  // ad 7
        valueFor(12 - 9, 4), // ad 12
        std::numeric_limits<float>::quiet_NaN(),
    };
    ScriptedRandomSource source(values);
    const velmo::ComposedPage page = velmo::composePage(source);
    QCOMPARE(source.remaining(), 1);

    QCOMPARE(page.content.portraitNumber, 3);
    QCOMPARE(page.record.headlineIndex, 17);
    QCOMPARE(page.content.headline, u"ついに"_s);
    QCOMPARE(page.record.articleIndexTexts, (std::array<QString, 6>{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}));
    const std::array<QString, 6> phrasesDrawn = {
        u"先月二十日､"_s, u"東京医学生命福祉研究大学で、"_s, u"日本の未来が、"_s,
        u"超ビルダーしました。"_s, u"プッチモゥニ"_s, u"ポケ○ンサイコー！"_s,
    };
    QCOMPARE(page.record.articlePhrases, phrasesDrawn);
    QCOMPARE(page.content.article,
             u"先月二十日､" u"東京医学生命福祉研究大学で、" u"日本の未来が、" u"超ビルダーしました。"
             u"これについて、" u"プッチモゥニ" u"は、｢" u"ポケ○ンサイコー！" u"｣とコメントしておりました。"_s);
    QCOMPARE(page.record.topicIndex, 3);
    QCOMPARE(page.content.topicColumn,
             u"森林減少問題について…\r" u"森林がどんどん減ってきている。"
             u"Velmo新聞社のアンケートで答えてくださった一人であるＰ・Ｋさんは、｢わては、"
             u"トイレットペーパー会社" u"働いてんがなー。" u"ほなやっぱりこわいとちゃう？｣と、用紙に記入している。"_s);
    QCOMPARE(page.content.adNumbers, (std::array<int, 3>{2, 7, 12}));
}

void TestComposer::brokenValueStopsComposition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("value");

    for (int position = 0; position < 13; ++position) {
        const QByteArray step = "value " + QByteArray::number(position + 1);
        QTest::newRow(step + " NaN") << position << std::numeric_limits<float>::quiet_NaN();
        QTest::newRow(step + " infinity") << position << std::numeric_limits<float>::infinity();
    }
}

void TestComposer::brokenValueStopsComposition()
{
    QFETCH(int, position);
    QFETCH(float, value);

    std::vector<float> values(13, 0.25f);
    values[static_cast<std::size_t>(position)] = value;
    ScriptedRandomSource source(values);

    QVERIFY_THROWS_EXCEPTION(velmo::FloatingPointError, velmo::composePage(source));
    QCOMPARE(source.consumed(), position + 1);
}

void TestComposer::articleLengthExtremes_data()
{
    QTest::addColumn<QList<int>>("indices");
    QTest::addColumn<int>("length");

    QTest::newRow("longest, subject 1") << QList<int>{10, 11, 1, 2, 0, 2} << 170;
    QTest::newRow("longest, subject 7") << QList<int>{10, 11, 7, 2, 0, 2} << 170;
    QTest::newRow("shortest, subject 13, action 5") << QList<int>{2, 12, 13, 5, 15, 7} << 55;
    QTest::newRow("shortest, subject 14, action 11") << QList<int>{2, 12, 14, 11, 15, 7} << 55;
}

void TestComposer::articleLengthExtremes()
{
    QFETCH(QList<int>, indices);
    QFETCH(int, length);

    velmo::DrawRecord record;
    QCOMPARE(composeArticleFrom(indices, record).size(), length);
}

void TestComposer::articleJoinsPhrasesAsTheyStand_data()
{
    QTest::addColumn<QList<int>>("indices");
    QTest::addColumn<QString>("expectedPart");

    QTest::newRow("commenter 12 doubles は") << QList<int>{0, 0, 0, 0, 12, 0} << u"Velmo新聞社社員のＢＢ氏はは、｢"_s;
    QTest::newRow("commenter 13 doubles は") << QList<int>{0, 0, 0, 0, 13, 0} << u"へんしゅーちょーはは、｢"_s;
    QTest::newRow("commenter 14 doubles は") << QList<int>{0, 0, 0, 0, 14, 0} << u"ダチョウはは、｢"_s;
    QTest::newRow("place 10, subject 2") << QList<int>{0, 10, 2, 0, 0, 0} << u"ゴミ収集車のそばでパソコンが、"_s;
    QTest::newRow("place 14, subject 2") << QList<int>{0, 14, 2, 0, 0, 0} << u"剣山の上でパソコンが、"_s;
    QTest::newRow("time 13 ends its sentence") << QList<int>{13, 3, 0, 0, 0, 0} << u"意外な判明です！韓国のソウルで、"_s;
    QTest::newRow("comment 10 meets the bracket") << QList<int>{0, 0, 0, 0, 0, 10}
                                                  << u"は、｢な、み、も、て、ちぇ｣とコメントしておりました。"_s;
}

void TestComposer::articleJoinsPhrasesAsTheyStand()
{
    QFETCH(QList<int>, indices);
    QFETCH(QString, expectedPart);

    velmo::DrawRecord record;
    const QString article = composeArticleFrom(indices, record);
    QVERIFY2(article.contains(expectedPart), qPrintable(article));
}

void TestComposer::topicColumnsHaveTwoLines()
{
    for (int topic = 0; topic < 5; ++topic) {
        for (int word = 0; word < 5; ++word) {
            ScriptedRandomSource source({valueFor(topic, 5), valueFor(word, 5), 0.0f});
            velmo::DrawRecord record;
            const QString column = velmo::composeTopicColumn(source, record);
            const QByteArray where = "topic " + QByteArray::number(topic) + " word " + QByteArray::number(word);

            QVERIFY2(source.consumed() == 2, where.constData());
            QVERIFY2(record.topicIndex == topic, where.constData());
            QVERIFY2(column.count(u'\r') == 1, where.constData());
            QVERIFY2(!column.contains(u'\n'), where.constData());
            QVERIFY2(column.indexOf(u'\r') == column.indexOf(QChar(0x2026)) + 1, where.constData());
            const QString ending = topic == 3 ? u"｣と、用紙に記入している。"_s : u"｣と、コメントしている。"_s;
            QVERIFY2(column.endsWith(ending), where.constData());
        }
    }
}

void TestComposer::topicColumnJoins_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("expectedPart");

    QTest::newRow("topic 0 word 2") << 0 << 2 << u"｢うちは、植木屋の職人で一生懸命仕事をしてんだけどさぁー生活に"_s;
    QTest::newRow("topic 1 word 0") << 1 << 0 << u"｢オレはなぁ危険な状態になるのがおそろしいんだ。やっぱり"_s;
    QTest::newRow("topic 1 word 2")
        << 1 << 2 << u"｢オレはなぁ駅のラッシュでもっと超こんでこまっちゃう状態になるのがおそろしいんだ。"_s;
    QTest::newRow("topic 1 lead") << 1 << 4 << u"人口爆発問題について…\r都会では､どんどん人口が増えてゆく。Velmo"_s;
    QTest::newRow("topic 2 word 4") << 2 << 4 << u"｢ぼくは、税金アップで給料アップ！発言のアレが許せない！アレだよ。"_s;
    QTest::newRow("topic 3 word 0") << 3 << 0 << u"｢わては、木材店働いてんがなー。ほなやっぱり"_s;
    QTest::newRow("topic 3 word 4") << 3 << 4 << u"｢わては、ペットショップ働いてんがなー。"_s;
    QTest::newRow("topic 4 word 0") << 4 << 0 << u"｢ええ。ひどいですな。老人がひかれるなんていくらなんでも"_s;
}

void TestComposer::topicColumnJoins()
{
    QFETCH(int, topic);
    QFETCH(int, word);
    QFETCH(QString, expectedPart);

    ScriptedRandomSource source({valueFor(topic, 5), valueFor(word, 5)});
    velmo::DrawRecord record;
    const QString column = velmo::composeTopicColumn(source, record);
    QVERIFY2(column.contains(expectedPart), qPrintable(column));
}

void TestComposer::phraseKeyMatchesWholeText_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");

    for (const int index : {0, 1, 5, 10, 15}) {
        QTest::newRow(qPrintable(u"key \"%1\""_s.arg(index))) << QString::number(index) << index;
    }
}

void TestComposer::phraseKeyMatchesWholeText()
{
    QFETCH(QString, key);
    QFETCH(int, index);

    const std::array<std::span<const std::u16string_view>, 6> tables = {
        phrases::TimePhrases, phrases::PlacePhrases, phrases::SubjectPhrases,
        phrases::ActionPhrases, phrases::CommenterPhrases, phrases::CommentPhrases,
    };
    for (const auto table : tables) {
        QCOMPARE(velmo::phraseForKey(table, key), text(table[static_cast<std::size_t>(index)]));
    }

    // The article's own draws take the same road: every draw at index i
    // records i as plain digits and the entry with that key.
    velmo::DrawRecord record;
    composeArticleFrom(QList<int>(6, index), record);
    for (std::size_t part = 0; part < tables.size(); ++part) {
        QCOMPARE(record.articleIndexTexts[part], key);
        QCOMPARE(record.articlePhrases[part], text(tables[part][static_cast<std::size_t>(index)]));
    }
}

void TestComposer::tablesHaveTheirSizes()
{
    QCOMPARE(phrases::HeadlineWords.size(), std::size_t(22));
    QCOMPARE(phrases::TimePhrases.size(), std::size_t(16));
    QCOMPARE(phrases::PlacePhrases.size(), std::size_t(16));
    QCOMPARE(phrases::SubjectPhrases.size(), std::size_t(16));
    QCOMPARE(phrases::ActionPhrases.size(), std::size_t(16));
    QCOMPARE(phrases::CommenterPhrases.size(), std::size_t(16));
    QCOMPARE(phrases::CommentPhrases.size(), std::size_t(16));
    QCOMPARE(phrases::Topics.size(), std::size_t(5));
    for (const phrases::TopicTemplate& topic : phrases::Topics) {
        QCOMPARE(topic.words.size(), std::size_t(5));
    }
    // Two headline words run together, or one split in two, show as a word
    // out of this range.
    for (const std::u16string_view word : phrases::HeadlineWords) {
        QVERIFY2(word.size() >= 3 && word.size() <= 7, qPrintable(text(word)));
    }
}

void TestComposer::textsAreTrimmedAndNonEmpty()
{
    for (const NamedText& entry : allTexts()) {
        const QString value = text(entry.text);
        QVERIFY2(!value.isEmpty(), qPrintable(entry.name));
        // QChar::isSpace also covers the ideographic space U+3000.
        QVERIFY2(!value.front().isSpace() && !value.back().isSpace(), qPrintable(entry.name));
    }
}

void TestComposer::halfWidthFormsStayHalfWidth_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("position"); // counted from the end when negative
    QTest::addColumn<int>("codePoint");

    const auto row = [](const char* name, std::u16string_view value, int position, int codePoint) {
        QTest::newRow(name) << text(value) << position << codePoint;
    };
    row("frame opening bracket", phrases::FrameAfterCommenter, -1, 0xFF62);
    row("frame comma", phrases::FrameAfterCommenter, 1, 0x3001);
    row("frame closing bracket", phrases::FrameAfterComment, 0, 0xFF63);
    row("frame full stop", phrases::FrameAfterComment, -1, 0x3002);
    row("time 1 comma", phrases::TimePhrases[1], -1, 0xFF64);
    row("time 15 comma", phrases::TimePhrases[15], -1, 0xFF64);
    row("place 4 comma", phrases::PlacePhrases[4], 3, 0xFF64);
    row("subject 1 comma", phrases::SubjectPhrases[1], -1, 0xFF64);
    row("subject 1 katakana", phrases::SubjectPhrases[1], 0, 0xFF93);
    row("headline 1 middle dot", phrases::HeadlineWords[1], -1, 0xFF65);
    row("headline 8 katakana", phrases::HeadlineWords[8], 0, 0xFF8C);
    row("headline 8 voicing mark", phrases::HeadlineWords[8], 1, 0xFF9E);
    row("headline 9 long vowel", phrases::HeadlineWords[9], 1, 0xFF70);
    row("action 2 opening bracket", phrases::ActionPhrases[2], 0, 0xFF62);
    row("commenter 4 blank", phrases::CommenterPhrases[4], 3, 0x0020);
    row("topic 1 lead comma", phrases::Topics[1].lead, 4, 0xFF64);
    row("topic 0 quote opening bracket", phrases::Topics[0].quoteOpening, -5, 0xFF62);
    row("topic 3 quote close bracket", phrases::Topics[3].quoteClose, 14, 0xFF63);
    row("time 9 bracket", phrases::TimePhrases[9], 5, 0x300C);
}

void TestComposer::halfWidthFormsStayHalfWidth()
{
    QFETCH(QString, value);
    QFETCH(int, position);
    QFETCH(int, codePoint);

    const qsizetype at = position < 0 ? value.size() + position : position;
    QVERIFY2(at >= 0 && at < value.size(), qPrintable(value));
    QCOMPARE(int(value.at(at).unicode()), codePoint);
}

void TestComposer::halfWidthCommaOnlyWhereWritten()
{
    QStringList withHalfWidthComma;
    for (const NamedText& entry : allTexts()) {
        const QString value = text(entry.text);
        QVERIFY2(!value.contains(QChar(0xFF0C)), qPrintable(entry.name)); // full-width comma
        if (value.contains(QChar(0xFF64))) {
            withHalfWidthComma << entry.name;
        }
    }
    QCOMPARE(withHalfWidthComma,
             (QStringList{u"time 1"_s, u"time 15"_s, u"place 4"_s, u"subject 1"_s, u"topic 1 lead"_s}));
}

void TestComposer::pictureFileName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<PicturePiece>("piece");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("portrait 1") << u"C:\\VB"_s << PicturePiece::Portrait << 1 << u"C:\\VB\\話題の人1.bmp"_s;
    QTest::newRow("portrait 10") << u"C:\\VB"_s << PicturePiece::Portrait << 10 << u"C:\\VB\\話題の人10.bmp"_s;
    QTest::newRow("advertisement 7") << u"C:\\VB"_s << PicturePiece::Advertisement << 7 << u"C:\\VB\\広告7.bmp"_s;
    QTest::newRow("advertisement 12") << u"C:\\VB"_s << PicturePiece::Advertisement << 12 << u"C:\\VB\\広告12.bmp"_s;
    QTest::newRow("drive root") << u"C:\\"_s << PicturePiece::Portrait << 4 << u"C:\\\\話題の人4.bmp"_s;
    QTest::newRow("trailing blank kept") << u"D:\\新聞 "_s << PicturePiece::Advertisement << 1
                                         << u"D:\\新聞 \\広告1.bmp"_s;
    QTest::newRow("POSIX folder with slash") << u"/opt/velmo/"_s << PicturePiece::Portrait << 2
                                             << u"/opt/velmo/\\話題の人2.bmp"_s;
    QTest::newRow("empty folder") << QString() << PicturePiece::Advertisement << 5 << u"\\広告5.bmp"_s;
}

void TestComposer::pictureFileName()
{
    QFETCH(QString, folder);
    QFETCH(PicturePiece, piece);
    QFETCH(int, number);
    QFETCH(QString, expected);

    QCOMPARE(velmo::pictureFileName(folder, piece, number), expected);
}

void TestComposer::hostFileName_data()
{
    QTest::addColumn<QString>("pictureName");
    QTest::addColumn<QString>("expected");

#ifdef Q_OS_WIN
    QTest::newRow("unchanged") << u"C:\\VB\\話題の人10.bmp"_s << u"C:\\VB\\話題の人10.bmp"_s;
#else
    QTest::newRow("backslash in the folder's name kept") << u"/home/a\\b\\話題の人10.bmp"_s << u"/home/a\\b/話題の人10.bmp"_s;
    QTest::newRow("doubled backslash") << u"/opt/velmo/\\広告7.bmp"_s << u"/opt/velmo//広告7.bmp"_s;
    QTest::newRow("no backslash") << u"/opt/velmo/広告7.bmp"_s << u"/opt/velmo/広告7.bmp"_s;
#endif
}

void TestComposer::hostFileName()
{
    QFETCH(QString, pictureName);
    QFETCH(QString, expected);

    QCOMPARE(velmo::hostFileName(pictureName), expected);
}

QTEST_GUILESS_MAIN(TestComposer)
#include "tst_composer.moc"
