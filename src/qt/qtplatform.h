#pragma once

#include "platform.h"

#include <QPointer>

#include <memory>

class QPrinter;

namespace velmo {

class PageWindow;

// The page's platform on the real desktop, with Qt's message boxes, menus,
// print support and printer setup dialog.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // The window that the commands act on, that boxes are centred on and
    // that is printed. Set once it exists; boxes before it have no parent.
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

    // The program's one current printer, used by every print of the run. A
    // confirmed printer setup puts another printer in its place, so no
    // reference to it is kept across showPrinterSetup.
    QPrinter& currentPrinter();

private:
    QPointer<PageWindow> m_pageWindow;
    // Made on first use: looking up the system's printers takes time that the
    // start of the program should not pay.
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace velmo
