#pragma once

#include "hiddenmessage.h"
#include "pagelayout.h"
#include "pagemenu.h"
#include "printcommands.h"

namespace velmo {

class Platform;

// What the page does when the user acts on it: the routing of clicks on its
// ten elements, the menu's commands and the hidden greeting. It holds the
// only state that changes while the page is shown, the headline click
// count. Front ends report a click (left or right button, press and release
// over the same element) and a shortcut; the controller makes every decision
// and talks back only through the platform.
class PageController {
public:
    explicit PageController(Platform& platform);

    // One click on an element. Every element opens the pop-up menu and runs
    // the chosen command before returning; the big headline counts the click
    // first, and the small headline shows the hidden greeting instead when
    // it is due.
    void click(ElementId element);

    // Runs a command of the menu, chosen in the pop-up or by its shortcut.
    void runCommand(Command command);

    const HiddenMessage& hiddenMessage() const { return m_hiddenMessage; }
    HiddenMessage& hiddenMessage() { return m_hiddenMessage; }

private:
    void showPageMenu();

    Platform& m_platform;
    PrintCommands m_printCommands;
    HiddenMessage m_hiddenMessage;
};

} // namespace velmo
