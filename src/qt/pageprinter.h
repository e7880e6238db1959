#pragma once

class QPrinter;
class QWidget;

namespace velmo {

// Whether the printer is Qt's stand-in for a missing print system: without
// any installed printer Qt quietly turns a printer into a PDF writer with no
// file to write to.
bool isMissingPrinter(const QPrinter& printer);

// Prints an image of the window as one job of one page on the printer. The
// window is drawn at the printer's own resolution (text and lines stay
// sharp), scaled to fit the printable area with its proportions kept, and
// centred there. Throws RuntimeError when there is no printer, the printer
// cannot be opened or the job fails.
void printPage(QWidget& window, QPrinter& printer);

} // namespace velmo
