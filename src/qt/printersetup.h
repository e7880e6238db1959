#pragma once

class QPrinter;

namespace velmo {

// Copies everything that the standard printer setup dialog shows or changes
// from one printer to another: where the job goes (a print queue, or a PDF
// file), the paper and page layout, the copies and their order, colour,
// two-sided printing, the print range and the print system's job options
// (page set, pages per sheet, banners, the printer's own options).
void copyPrinterSetup(const QPrinter& from, QPrinter& to);

} // namespace velmo
