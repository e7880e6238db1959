#pragma once

#include <windows.h>

namespace velmo {

class PageWindow;

// The printer the page goes to and its setup: the system's default printer
// until the user confirms another in the printer setup dialog, which then
// stays for the rest of the run.
class PagePrinter {
public:
    PagePrinter() = default;
    ~PagePrinter();
    PagePrinter(const PagePrinter&) = delete;
    PagePrinter& operator=(const PagePrinter&) = delete;

    // Shows the standard printer setup dialog with the current setup. OK
    // makes the choice current; Cancel changes nothing. Throws RuntimeError
    // when the dialog cannot be shown, for example with no printer
    // installed.
    void showSetup(HWND owner);

    // Prints the page as one job, as large as it fits on the printable area
    // of the paper and centred there. Throws RuntimeError when that fails.
    void print(const PageWindow& page);

private:
    HDC createPrinterDc() const;

    HGLOBAL m_devMode = nullptr;  // DEVMODEW of the chosen printer, or null for the default
    HGLOBAL m_devNames = nullptr; // DEVNAMES of the chosen printer, or null for the default
};

} // namespace velmo
