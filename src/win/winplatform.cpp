#include "winplatform.h"

#include "programinfo.h"
#include "text.h"
#include "pagewindow.h"
#include "wintext.h"

#include <cassert>
#include <string>

namespace velmo {

HWND WinPlatform::owner() const
{
    return m_pageWindow != nullptr ? m_pageWindow->handle() : nullptr;
}

MessageAnswer WinPlatform::messageBox(std::u16string_view prompt, MessageStyle style, std::u16string_view title)
{
    // The styles are MessageBox's own button and icon flags.
    const std::u16string text(prompt);
    const std::u16string caption(title);
    const int answer = MessageBoxW(owner(), wide(text), wide(caption), static_cast<UINT>(style));
    // Esc and the close button answer IDCANCEL.
    return answer == IDOK ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<Command> WinPlatform::popupMenu()
{
    assert(m_pageWindow != nullptr);
    return m_pageWindow->popupMenu();
}

void WinPlatform::setBorderStyle(BorderStyle style)
{
    assert(m_pageWindow != nullptr);
    m_pageWindow->setBorderStyle(style);
}

void WinPlatform::printPage()
{
    assert(m_pageWindow != nullptr);
    m_printer.print(*m_pageWindow);
}

void WinPlatform::showPrinterSetup()
{
    assert(m_pageWindow != nullptr);
    m_printer.showSetup(owner());
}

void WinPlatform::closeWindow()
{
    assert(m_pageWindow != nullptr);
    // Posted, so that the command that asked for it finishes first.
    PostMessageW(owner(), WM_CLOSE, 0, 0);
}

void WinPlatform::reportUnhandledError(std::u16string_view message)
{
    const std::u16string text = unhandledErrorText(message);
    MessageBoxW(nullptr, wide(text), wide(ApplicationName), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

} // namespace velmo
