#pragma once

#include <string_view>

namespace velmo::web {

// The texts the browser page shows of its own, besides the core's. The build
// also sets them in the page's gothic web font (tools/web/pagecharacters.cpp).

inline constexpr std::u16string_view OkButton = u"OK";
inline constexpr std::u16string_view CancelButton = u"キャンセル";
inline constexpr std::u16string_view CloseButtonName = u"閉じる";
// Put before the letter of a menu command's shortcut.
inline constexpr std::u16string_view ShortcutPrefix = u"Ctrl+";

// A browser keeps no current printer between prints: the printer and the
// paper are chosen in its own print dialog, which 印刷 opens.
inline constexpr std::u16string_view PrinterSetupTitle = u"印刷設定";
inline constexpr std::u16string_view PrinterSetupNote =
    u"ブラウザでは、プリンタと用紙は印刷のたびにブラウザの印刷画面で選びます。\n"
    u"メニューの「印刷(P)」で印刷を始めると、その画面が開きます。";

// The cause of a picture that the core's check has passed and the browser
// still cannot decode; the file's address follows it.
inline constexpr std::u16string_view PictureNotDecoded = u"ブラウザがこの画像を表示できません。";
inline constexpr std::u16string_view PrintingUnavailable = u"このブラウザでは印刷できません。";

} // namespace velmo::web
