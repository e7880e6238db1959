#pragma once

#include "handles.h"

#include <windows.h>

#include <string>

namespace velmo {

class PageWindow;

// The printer the page goes to and its setup: the system's default printer
// until the user confirms another in the printer setup dialog, which then
// stays for the rest of the run.
class PagePrinter {
public:
    // Shows the standard printer setup dialog with the current setup. OK
    // makes the choice current; Cancel changes nothing. Throws RuntimeError
    // when the dialog cannot be shown, for example with no printer
    // installed.
    void showSetup(HWND owner);

    // Prints the page as one job, as large as it fits on the printable area
    // of the paper and centred there. Throws PrintCancelled when the user
    // cancels on the way (the file dialog of a printer that prints to a
    // file), and RuntimeError naming the printer and the system's message
    // when the print fails.
    void print(const PageWindow& page);

private:
    std::wstring printerName() const;

    GlobalMemory m_devMode;  // DEVMODEW of the chosen printer, or none for the default
    GlobalMemory m_devNames; // DEVNAMES of the chosen printer, or none for the default
};

} // namespace velmo
