#pragma once

#include "browserevents.h"
#include "pagemenu.h"

#include <optional>
#include <vector>

namespace velmo::web {

// The page's pop-up menu (PageMenu) in the document: role menu with its
// items as menuitem, the access letter of each underlined and its shortcut
// beside it. It opens with its top-left corner at a point of the window
// (moved in where it would leave the window), over a transparent layer that
// takes every click on the page while it is open. An item is chosen with the
// left button, with Enter or Space on the item the arrow keys have reached,
// or with its access letter; Escape, or a press anywhere outside the menu,
// closes it with nothing chosen.
class PopupMenu : public EventReceiver {
public:
    PopupMenu();
    ~PopupMenu() override;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // Opens the menu at (x, y), CSS pixels from the window's top-left corner,
    // and returns once it has closed.
    std::optional<Command> exec(double x, double y);

    void handleEvent(const val& event) override;

private:
    void close(std::optional<Command> choice);
    void activate(int item);
    int itemAt(const val& target) const;
    void handleKey(const val& event);

    val m_layer;
    val m_menu;
    val m_focusBefore = val::undefined();
    std::vector<val> m_items;          // the command items, in the menu's order
    std::vector<Command> m_commands;   // their commands
    std::vector<char16_t> m_letters;   // their access letters
    int m_active = -1;
    bool m_open = false;
    std::optional<Command> m_choice;
};

} // namespace velmo::web
