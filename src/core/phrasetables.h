#pragma once

// The page's phrase tables and the sentence frame of the main article.
// Entries are numbered from 0 in the order listed here. Texts are kept exactly
// as written (half-width katakana, commas and corner brackets stay half-width)
// and are joined by plain concatenation, so no entry may gain or lose a blank.

#include <array>
#include <string_view>

namespace velmo::phrases {

// Words for the big headline; 3 to 7 characters each.
inline constexpr std::array<std::u16string_view, 22> HeadlineWords = {
    u"ゆかいだ",
    u"以外･･",
    u"悲しい日",
    u"さびしい人",
    u"楽しい心",
    u"恐ろしい",
    u"真相は…",
    u"あの日は",
    u"ﾌﾞｰｲﾝｸﾞ",
    u"ﾓｰ息子…",
    u"またか…",
    u"嵐だ雷だ",
    u"たまごち",
    u"●●会社",
    u"幸せ…",
    u"噂の人！",
    u"でた！",
    u"ついに",
    u"もうだめ",
    u"許せない",
    u"やる気…",
    u"失望した",
};

// When it happened. Entries 10, 11 and 13 are sentences of their own.
inline constexpr std::array<std::u16string_view, 16> TimePhrases = {
    u"今日、午前９時頃、",
    u"先月二十日､",
    u"昨日未明、",
    u"今週の土曜日午前９時３０分頃、",
    u"監週のしも日お前親時プン分頃、",
    u"先月２６日、",
    u"トマトが半額だった日、",
    u"地球破滅の日、",
    u"脱スパイクタイヤ運動推進月間に、",
    u"先月の月間「主夫の友」発売日に、",
    u"これは国全体にかかわる重要なニュースです。",
    u"今日のお得な情報。",
    u"ワクドナルド新規店舗オープン記念の日、",
    u"意外な判明です！",
    u"たまごっち生きてる？それよりも、",
    u"いい忘れてたけれど､",
};

// Where it happened. Entries 10 and 14 end without a comma on purpose.
inline constexpr std::array<std::u16string_view, 16> PlacePhrases = {
    u"国会議事堂内で、",
    u"高等裁判所で、",
    u"東京医学生命福祉研究大学で、",
    u"韓国のソウルで、",
    u"東京都､杉並区で、",
    u"新宿駅南口で、",
    u"ヨドバツカメラで、",
    u"エイトイレブンで、",
    u"東京特許許可局の３７階特許取得室で、",
    u"火星の上で、",
    u"ゴミ収集車のそばで",
    u"京玉デパート地下１階食品売り場全国お茶大売出しコーナーで、",
    u"砂漠で、",
    u"自由の女神の目玉の中で、",
    u"剣山の上で",
    u"うわさによると、",
};

// Who did it.
inline constexpr std::array<std::u16string_view, 16> SubjectPhrases = {
    u"林総理大臣が、",
    u"ﾓｰﾆﾝｸﾞ息子が､",
    u"パソコンが、",
    u"日本の未来が、",
    u"社長さんが、",
    u"ホームレスが、",
    u"大金持ちが、",
    u"このソフトの作者が、",
    u"ザビロ氏が、",
    u"はぐれ研究員が、",
    u"ポワポワが、",
    u"ぼっちゃまが、",
    u"ネムカが、",
    u"世界が、",
    u"社員が、",
    u"ロポタ氏が、",
};

// What happened; every entry ends in "。".
inline constexpr std::array<std::u16string_view, 16> ActionPhrases = {
    u"記者会見をしました。",
    u"税金増量反対運動をしました。",
    u"｢隣の竹垣に竹立てかけたのは竹立てかけたかったからだ。｣といいました。",
    u"元友人Ｆさんに告白しました。",
    u"超ビルダーしました。",
    u"タマポムしました。",
    u"ラーメンたべました。",
    u"空き缶回収推進条例改正運動をしました。",
    u"パソコンやって幸せなようです。",
    u"そろそろバグってきました。",
    u"合唱をしました(一人で)。",
    u"ダンスをしました。",
    u"有機生命体物体分離物質を発見しました。",
    u"なにかをどうかしました。",
    u"高熱を出しました。",
    u"なにか意見をいいたいようです。",
};

// Who comments. Entries 12 to 14 end in "は", so the frame doubles it.
inline constexpr std::array<std::u16string_view, 16> CommenterPhrases = {
    u"ボウズガビョウブニ・ジョウズニボウズさん",
    u"赤木官房長官",
    u"火星人",
    u"お隣にお住まいのＧさん",
    u"ペルヌ 氏",
    u"プッチモゥニ",
    u"ガラガラドッチャンプー氏",
    u"元恋人Ｔさん",
    u"企業家Ａさん",
    u"元0110の0101100さん",
    u"ＰＮパソコン大好きさん",
    u"太陽と月のタイよ付よさん",
    u"Velmo新聞社社員のＢＢ氏は",
    u"へんしゅーちょーは",
    u"ダチョウは",
    u"地球",
};

// The quoted comment. Entry 15 hints at the hidden greeting.
inline constexpr std::array<std::u16string_view, 16> CommentPhrases = {
    u"私は見捨てられたのかーーーーーー！？",
    u"ねぇ、それより○□さんの事しってるぅ？",
    u"うん。それはまだいいほうだよ。うちの主人なんか・・・(以下略)",
    u"最低！被害者のロバにあやまれ！",
    u"その人の心理ははたして・・・大根なのか！？",
    u"税金の引き下げを要求する！",
    u"ポケ○ンサイコー！",
    u"算数大好きー！",
    u"とんとんとととん♪",
    u"まぁ、それくらいなら妥協できる",
    u"な、み、も、て、ちぇ",
    u"パソコン大好きーーーーーーー！",
    u"ぷにょぷにょ食いてー！",
    u"こんなのお遊びだから、大丈夫",
    u"たらたらぎゃっちゃんはにょはにょ。",
    u"大きな見出しを７回クリックして、世論を見てをクリックする。",
};

// The fixed pieces that the article's six phrases are set into.
inline constexpr std::u16string_view FrameAfterAction = u"これについて、";
inline constexpr std::u16string_view FrameAfterCommenter = u"は、｢";
inline constexpr std::u16string_view FrameAfterComment = u"｣とコメントしておりました。";

} // namespace velmo::phrases
