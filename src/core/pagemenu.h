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

} // namespace velmo
