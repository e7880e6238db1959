#pragma once

// The five social problems of the topic column. A column is
// title + U+000D + lead + quoteOpening + one word + quoteMiddle + quoteClose,
// joined with nothing in between.

#include <array>
#include <string_view>

namespace velmo::phrases {

struct TopicTemplate {
    std::u16string_view title;        // heading line, ends in "…"
    std::u16string_view lead;         // the report sentence
    std::u16string_view quoteOpening; // introduces the interviewee, opens "｢"
    std::array<std::u16string_view, 5> words;
    std::u16string_view quoteMiddle;  // follows the word directly
    std::u16string_view quoteClose;   // closes "｣" and reports the comment
};

// The column's only line break: a single carriage return, no line feed.
inline constexpr std::u16string_view TopicLineBreak = u"\r";

inline constexpr std::array<TopicTemplate, 5> Topics = {
    TopicTemplate{
        u"税金の引き上げ問題について…",
        u"税金がまた上がるらしい。国民の不安はつのる一方だ。",
        u"Velmo新聞社の近所にお住まいのＧ・Ｔさんは、｢うちは、",
        {
            u"床屋を営業",
            u"会社で勤務",
            u"植木屋の職人で一生懸命仕事を",
            u"魚屋で勤務",
            u"小規模工場を経営",
        },
        u"してんだけどさぁー",
        u"生活に支障がでるよなぁ。｣と、コメントしている。",
    },
    TopicTemplate{
        u"人口爆発問題について…",
        u"都会では､どんどん人口が増えてゆく。",
        u"Velmo新聞社のおとなりにお住まいのＫ・Ｍさんは、｢オレはなぁ",
        {
            u"危険な状態",
            u"食糧危機で全人類がやせてしまう状態",
            u"駅のラッシュでもっと超こんでこまっちゃう状態",
            u"人口が増えても友達が増えない状態",
            u"パソコンが不足する状態",
        },
        u"になるのがおそろしいんだ。",
        u"やっぱりなんとかせにゃならん。｣と、コメントしている。",
    },
    TopicTemplate{
        u"総理大臣失言問題について…",
        u"Ｋ・Ｍ総理大臣がまた、失言をした。",
        u"Velmo新聞社のお得意様のＨ・Ａさんは、｢ぼくは、",
        {
            u"日本は神の国",
            u"冷めたピザ",
            u"国民は税金だけはらえば楽なもんだ",
            u"国体",
            u"税金アップで給料アップ！",
        },
        u"発言のアレが許せない！",
        u"アレだよ。アレ。もうさいってー！｣と、コメントしている。",
    },
    TopicTemplate{
        u"森林減少問題について…",
        u"森林がどんどん減ってきている。",
        u"Velmo新聞社のアンケートで答えてくださった一人であるＰ・Ｋさんは、｢わては、",
        {
            u"木材店",
            u"トイレットペーパー会社",
            u"鉛筆工場",
            u"大工屋さん",
            u"ペットショップ",
        },
        u"働いてんがなー。",
        u"ほなやっぱりこわいとちゃう？｣と、用紙に記入している。",
    },
    TopicTemplate{
        u"交通事故急増問題について…",
        u"交通事故が急増している。政府は二十日、緊急会議を開いた。",
        u"Velmo新聞社のそばの工務店経営Ｋ・Ｋさんは、｢ええ。ひどいですな。",
        {
            u"老人",
            u"小学生",
            u"幼稚園児",
            u"妊婦",
            u"パソコン",
        },
        u"がひかれるなんていくら",
        u"なんでもかわいそうですよ。｣と、コメントしている。",
    },
};

} // namespace velmo::phrases
