#pragma once

#include <array>
#include <string_view>

namespace velmo {

// The commands of the page's pop-up menu.
enum class Command { PrintOption, Print, Quit };

enum class MenuItemKind { Command, Separator };

// One entry of the pop-up menu. In a caption "&" marks the next letter as the
// access key; it is not shown itself. A command's shortcut is Ctrl plus its
// letter, shown beside the caption and also at work while the pop-up is
// closed.
struct MenuItem {
    std::string_view name; // the item's object name
    MenuItemKind kind;
    Command command;       // meaningless for a separator
    std::u16string_view caption;
    char16_t shortcutLetter; // 0 for a separator
};

// The pop-up, in the order shown.
inline constexpr std::array<MenuItem, 4> PageMenu = {{
    {"PrintOption", MenuItemKind::Command, Command::PrintOption, u"印刷設定(&O)", u'O'},
    {"Print", MenuItemKind::Command, Command::Print, u"印刷(&P)", u'P'},
    {"K1", MenuItemKind::Separator, Command::Print, u"-", 0},
    {"Qeit", MenuItemKind::Command, Command::Quit, u"終了(&Q)", u'Q'},
}};

// The name of the menu that holds the items; it is never shown itself.
inline constexpr std::string_view PageMenuName = "Menu";

// The letter after the caption's "&", or 0 when it has none.
constexpr char16_t accessKey(std::u16string_view caption)
{
    const auto marker = caption.find(u'&');
    return marker != std::u16string_view::npos && marker + 1 < caption.size() ? caption[marker + 1] : char16_t(0);
}

// The command whose shortcut is Ctrl plus the letter (upper or lower case).
constexpr const MenuItem* itemForShortcut(char16_t letter)
{
    if (letter >= u'a' && letter <= u'z') {
        letter = static_cast<char16_t>(letter - u'a' + u'A');
    }
    for (const MenuItem& item : PageMenu) {
        if (item.kind == MenuItemKind::Command && item.shortcutLetter == letter) {
            return &item;
        }
    }
    return nullptr;
}

} // namespace velmo
