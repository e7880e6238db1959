#include "winplatform.h"

#include "pagewindow.h"
#include "programinfo.h"
#include "text.h"
#include "wintext.h"

#include <cassert>
#include <string>

namespace velmo {

PageWindow& WinPlatform::page() const
{
    assert(m_pageWindow != nullptr);
    return *m_pageWindow;
}

MessageAnswer WinPlatform::messageBox(std::u16string_view prompt, MessageStyle style, std::u16string_view title)
{
    // The styles are MessageBox's own button and icon flags. Esc and the
    // close button answer IDCANCEL.
    const int answer = MessageBoxW(page().handle(), wideString(prompt).c_str(), wideString(title).c_str(), static_cast<UINT>(style));
    return answer == IDOK ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<Command> WinPlatform::popupMenu()
{
    return page().popupMenu();
}

void WinPlatform::printPage()
{
    m_printer.print(page());
}

void WinPlatform::showPrinterSetup()
{
    m_printer.showSetup(page().handle());
}

void WinPlatform::closeWindow()
{
    // Posted, so that the command that asked for it finishes first.
    PostMessageW(page().handle(), WM_CLOSE, 0, 0);
}

void WinPlatform::reportUnhandledError(std::u16string_view message)
{
    // No owner: the page may not be shown yet, or be half gone.
    MessageBoxW(nullptr, wide(unhandledErrorText(message).c_str()), wide(ApplicationName),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

} // namespace velmo
