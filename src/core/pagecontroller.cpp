#include "pagecontroller.h"

#include "platform.h"

namespace velmo {

PageController::PageController(Platform& platform)
    : m_platform(platform)
    , m_printCommands(platform)
{
}

void PageController::click(ElementId element)
{
    switch (element) {
    case ElementId::BigHeadline:
        m_hiddenMessage.countHeadlineClick();
        break;
    case ElementId::SmallHeadline:
        if (m_hiddenMessage.isDue()) {
            m_hiddenMessage.showGreeting(m_platform);
            return;
        }
        break;
    default:
        // The other elements, the three advertisements alike, only open the
        // menu.
        break;
    }
    showPageMenu();
}

void PageController::showPageMenu()
{
    if (const std::optional<Command> chosen = m_platform.popupMenu()) {
        runCommand(*chosen);
    }
}

void PageController::runCommand(Command command)
{
    switch (command) {
    case Command::PrintOption:
        m_printCommands.printerSetup();
        return;
    case Command::Print:
        m_printCommands.print();
        return;
    case Command::Quit:
        // Closing the only window ends the program; nothing is asked or saved.
        m_platform.closeWindow();
        return;
    }
}

} // namespace velmo
