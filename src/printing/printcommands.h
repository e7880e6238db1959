#pragma once

class QWidget;

namespace velmo {

class RuntimeServices;

// The two printing commands of the page's pop-up menu. Both act on the one
// page window given at construction.
class PrintCommands {
public:
    PrintCommands(RuntimeServices& services, QWidget& pageWindow);

    // Asks for confirmation, then prints the page window with its border
    // switched off for the duration. Any failure is reported in the print
    // error box and the program carries on; the border is always restored.
    void Print_Click();

    // Shows the printer setup dialog on the current printer. If the dialog
    // cannot be shown, says so in a message box and carries on.
    void PrintOption_Click();

private:
    RuntimeServices& m_services;
    QWidget& m_pageWindow;
};

} // namespace velmo
