#pragma once

namespace velmo {

class Platform;

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
