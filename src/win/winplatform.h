#pragma once

#include "platform.h"
#include "pageprinter.h"

namespace velmo {

class PageWindow;

// The page core's platform answered with Win32: message boxes, the pop-up
// menu and printing, all owned by the page window.
class WinPlatform : public Platform {
public:
    void setPageWindow(PageWindow* window) { m_pageWindow = window; }

    MessageAnswer messageBox(std::u16string_view prompt, MessageStyle style, std::u16string_view title) override;
    std::optional<Command> popupMenu() override;
    void setBorderStyle(BorderStyle style) override;
    void printPage() override;
    void showPrinterSetup() override;
    void closeWindow() override;
    void reportUnhandledError(std::u16string_view message) override;

private:
    HWND owner() const;

    PageWindow* m_pageWindow = nullptr;
    PagePrinter m_printer;
};

} // namespace velmo
