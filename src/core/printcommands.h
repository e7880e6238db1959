#pragma once

#include <string>
#include <string_view>

namespace velmo {

class Platform;

// What stopped the page on its way to a printer.
enum class PrinterFailure { NoneInstalled, NotFound, CannotOpen, CannotStart, CannotPrint };

// The text that names such a failure, for the cause of the print error and
// the printer setup's box: with the printer's name where one is known, and
// the system's own words in brackets where it gave any.
std::u16string printerFailureText(PrinterFailure failure, std::u16string_view printer = {}, std::u16string_view systemMessage = {});

// The two printing commands of the page's pop-up menu.
class PrintCommands {
public:
    explicit PrintCommands(Platform& platform);

    // Asks for confirmation, then prints the page window with its border
    // switched off for the duration. Any failure is reported in the print
    // error box and the program carries on; the border is always restored.
    void print();

    // Shows the printer setup dialog on the current printer. If the dialog
    // cannot be shown, says why in a message box and carries on.
    void printerSetup();

private:
    Platform& m_platform;
};

} // namespace velmo
