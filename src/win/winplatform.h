#pragma once

#include "pageprinter.h"
#include "platform.h"

namespace velmo {

class PageWindow;

// The page core's platform answered with Win32: message boxes owned by the
// page window, which hold it until they are answered, the window's pop-up
// menu and printing.
class WinPlatform : public Platform {
public:
    void setPageWindow(PageWindow* window) { m_pageWindow = window; }

    MessageAnswer messageBox(std::u16string_view prompt, MessageStyle style, std::u16string_view title) override;
    std::optional<Command> popupMenu() override;
    // The window keeps its frame while the page prints: the printed image
    // is the client area alone, so the border style changes nothing here.
    void setBorderStyle(BorderStyle) override {}
    void printPage() override;
    void showPrinterSetup() override;
    void closeWindow() override;
    void reportUnhandledError(std::u16string_view message) override;

private:
    PageWindow& page() const;

    PageWindow* m_pageWindow = nullptr;
    PagePrinter m_printer;
};

} // namespace velmo
