#include "printersetup.h"

#include <QPrintEngine>
#include <QPrinter>

namespace velmo {

namespace {

// The print engine property under which Qt's CUPS support keeps the job
// options that the dialog sets (QtPrintSupport's private PPK_CupsOptions).
// Engines without CUPS ignore it.
constexpr auto CupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

} // namespace

void copyPrinterSetup(const QPrinter& from, QPrinter& to)
{
    // The file name first: a name ending in ".pdf" switches the format by
    // itself, and an empty one switches it back to the print system.
    to.setOutputFileName(from.outputFileName());
    to.setOutputFormat(from.outputFormat());
    if (from.outputFormat() == QPrinter::NativeFormat) {
        to.setPrinterName(from.printerName());
    }
    // After the queue, which adapts the paper, colour and two-sided printing
    // to what it supports.
    to.setPageLayout(from.pageLayout());

    to.setCopyCount(from.copyCount());
    to.setCollateCopies(from.collateCopies());
    to.setPageOrder(from.pageOrder());
    to.setColorMode(from.colorMode());
    to.setDuplex(from.duplex());
    to.setPrintRange(from.printRange());
    to.setPageRanges(from.pageRanges());
    to.printEngine()->setProperty(CupsOptions, from.printEngine()->property(CupsOptions));
}

} // namespace velmo
