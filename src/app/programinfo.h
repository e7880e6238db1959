#pragma once

namespace velmo {

// What the program says of itself: in the application object, the window's
// accessible description, the desktop entry and the package.
inline constexpr char ApplicationName[] = "Velmo NewsPaper";
inline constexpr char ApplicationVersion[] = "1.00";
inline constexpr char16_t ApplicationDescription[] = u"偽新聞を表示するソフトです。";

} // namespace velmo
