#pragma once

#include "platform.h"

namespace velmo::web {

class PageView;

// The core's platform calls answered in the browser. The modal ones suspend
// the program (Asyncify) until the user has answered, as on the desktop.
class WebPlatform : public Platform {
public:
    explicit WebPlatform(PageView& view);

    MessageAnswer messageBox(std::u16string_view prompt, MessageStyle style, std::u16string_view title) override;
    std::optional<Command> popupMenu() override;

    // The page's frame goes while it is printed, so the paper shows the page
    // alone.
    void setBorderStyle(BorderStyle style) override;

    // The browser's print of the page alone, fitted and centred on the paper
    // by the page's print style; its dialog chooses the printer. A browser
    // tells the page nothing of how it ended.
    void printPage() override;

    // A browser keeps no current printer between prints: the printer and the
    // paper are chosen in its print dialog, which 印刷 opens. The setup says
    // so in a box of its own and leaves the printing to 印刷's confirmation.
    void showPrinterSetup() override;

    // Closes the tab where the browser lets a page do so; otherwise the
    // window stays, empty, and a reload fills it with a new page.
    void closeWindow() override;

    void reportUnhandledError(std::u16string_view message) override;

    bool closed() const { return m_closed; }

private:
    PageView& m_view;
    bool m_closed = false;
};

} // namespace velmo::web
