#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmo {

// The page's fixed layout: one 327 x 440 client area and ten elements, in
// pixels at 96 dots per inch. Front ends build their widgets from this table;
// nothing here moves or changes while the program runs.

// The ten elements, from the top of the page down. This is also the order in
// which they are created, so along the one-pixel overlaps the later element
// is drawn on top.
enum class ElementId { BigHeadline, Portrait, MainArticle, Caption, SmallHeadline, TopicColumn, Ad0, Ad1, Ad2, TelStrip };

enum class ElementKind {
    Label,      // text wrapped at the box's width, whole lines only, U+000D breaks the line
    PictureBox, // a picture at its natural size inside a two-pixel sunken frame
};

// The five faces the page names, by their role on the page.
enum class FontRole { HeadlineBrush, ArticleHeavyMincho, ProportionalGothic, EdoBrush, Mincho };

enum class FontWeight { Regular = 400, Bold = 700 };

enum class Focus { None, Tab };

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return x + width; }   // one past the last column
    constexpr int bottom() const { return y + height; } // one past the last row
    bool operator==(const Rect&) const = default;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct FontStyle {
    FontRole role;
    int pixelSize; // the design's point size at 96 dots per inch
    FontWeight weight;
};

struct PageElement {
    ElementId id;
    std::u16string_view name; // what screen readers and tests see; the three advertisements share 広告
    int index;                // 0..2 within the 広告 array, -1 for the others
    ElementKind kind;
    Rect rect;                // in the client area
    FontStyle font;           // labels only
    Rgb foreground;
    Rgb background;
    Focus focus;              // the tab order is the order of the table
    std::u16string_view caption; // the text before the page is loaded
};

struct FontFamily {
    FontRole role;
    std::u16string_view family; // as named on a Japanese desktop
    // The face is an extra-bold design even at its regular weight: a stand-in
    // for it is drawn bold to keep that heavy look.
    bool heavyDesign;
};

inline constexpr int ClientWidth = 327;
inline constexpr int ClientHeight = 440;
inline constexpr Rgb PageBackground{0xE0, 0xE0, 0xE0};
inline constexpr Rgb TextColour{0x00, 0x00, 0x00};
// The window's own font, for the menu and for labels without a face of their own.
inline constexpr FontStyle WindowFont{FontRole::ProportionalGothic, 12, FontWeight::Regular};
// The sunken frame of a picture box, in pixels on each side.
inline constexpr int PictureFrameWidth = 2;

inline constexpr std::array<FontFamily, 5> FontFamilies = {{
    {FontRole::HeadlineBrush, u"有澤楷書", false},
    {FontRole::ArticleHeavyMincho, u"HGP創英ﾌﾟﾚｾﾞﾝｽEB", true},
    {FontRole::ProportionalGothic, u"ＭＳ Ｐゴシック", false},
    {FontRole::EdoBrush, u"江戸勘亭流Ｐ", false},
    {FontRole::Mincho, u"ＭＳ 明朝", false},
}};

namespace layout {
constexpr PageElement label(ElementId id, std::u16string_view name, Rect rect, FontStyle font, std::u16string_view caption)
{
    return {id, name, -1, ElementKind::Label, rect, font, TextColour, PageBackground, Focus::None, caption};
}
constexpr PageElement box(ElementId id, std::u16string_view name, int index, Rect rect)
{
    return {id, name, index, ElementKind::PictureBox, rect, WindowFont, TextColour, PageBackground, Focus::Tab, {}};
}
} // namespace layout

inline constexpr std::array<PageElement, 10> PageElements = {{
    layout::label(ElementId::BigHeadline, u"見出し大", {0, 8, 305, 65}, {FontRole::HeadlineBrush, 64, FontWeight::Regular}, u"見出し大"),
    layout::box(ElementId::Portrait, u"写真", -1, {8, 80, 97, 105}),
    layout::label(ElementId::MainArticle, u"記事1", {112, 80, 209, 145}, {FontRole::ArticleHeavyMincho, 15, FontWeight::Regular}, u""),
    layout::label(ElementId::Caption, u"説明", {0, 184, 113, 41}, {FontRole::ProportionalGothic, 19, FontWeight::Regular}, u"↑話題の人(ﾌﾟﾗｲﾊﾞｼー有)"),
    layout::label(ElementId::SmallHeadline, u"見出し小", {16, 232, 17, 81}, {FontRole::EdoBrush, 16, FontWeight::Bold}, u"世論を見て"),
    layout::label(ElementId::TopicColumn, u"記事2", {40, 232, 281, 89}, {FontRole::Mincho, 12, FontWeight::Regular}, u""),
    layout::box(ElementId::Ad0, u"広告", 0, {8, 320, 97, 113}),
    layout::box(ElementId::Ad1, u"広告", 1, {104, 320, 97, 113}),
    layout::box(ElementId::Ad2, u"広告", 2, {200, 320, 97, 113}),
    layout::label(ElementId::TelStrip, u"広告欄Tel", {304, 320, 17, 121}, WindowFont, u"広告欄℡０ １ ２ ３ ４ ５"),
}};

// The element's row of the table.
constexpr const PageElement& pageElement(ElementId id)
{
    static_assert(PageElements[9].id == ElementId::TelStrip, "the table is in the order of ElementId");
    return PageElements[static_cast<std::size_t>(id)];
}

enum class TabDirection { Forward, Backward };

// The element that Tab (Forward) or Shift+Tab (Backward) moves the focus to
// from current: the next element in the table's order that takes the focus,
// round from the last to the first. From no element, or from one that takes
// no focus, it is the first (or the last) that does.
constexpr ElementId nextTabStop(std::optional<ElementId> current, TabDirection direction)
{
    constexpr std::size_t count = PageElements.size();
    const bool forward = direction == TabDirection::Forward;
    std::size_t at = current && pageElement(*current).focus == Focus::Tab ? static_cast<std::size_t>(*current)
                                                                           : (forward ? count - 1 : 0);
    do {
        at = forward ? (at + 1) % count : (at + count - 1) % count;
    } while (PageElements[at].focus != Focus::Tab);
    return PageElements[at].id;
}

constexpr std::u16string_view fontFamily(FontRole role)
{
    return FontFamilies[static_cast<std::size_t>(role)].family;
}

} // namespace velmo
