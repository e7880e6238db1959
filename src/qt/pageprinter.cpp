#include "pageprinter.h"

#include "placement.h"
#include "platform.h"
#include "printcommands.h"
#include "programinfo.h"
#include "qttext.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QWidget>

namespace velmo {

bool isMissingPrinter(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty();
}

void printPage(QWidget& window, QPrinter& printer)
{
    // Qt hands the finished job to the print system without telling whether
    // it arrived, so a printer that has gone since it was chosen (a stopped
    // print scheduler, a removed queue) is looked for before printing.
    if (printer.outputFormat() == QPrinter::NativeFormat && QPrinterInfo::printerInfo(printer.printerName()).isNull()) {
        throw RuntimeError(printerFailureText(PrinterFailure::NotFound, u16(printer.printerName())));
    }

    // The window's painting is recorded as drawing commands rather than
    // pixels. QWidget::render straight onto a printer would first paint the
    // whole page into a bitmap at the printer's resolution - hundreds of
    // megabytes at 1200 dpi. Replayed on the printer, the recorded text and
    // frames stay vector shapes that the printer sets at its own resolution.
    QPicture page;
    window.render(&page, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    // A recorded picture scales its fonts by the resolution of the device it
    // is replayed on; the print runs in the screen's coordinates so that the
    // text keeps its size relative to the page. The printer's own setting is
    // given back afterwards.
    const auto restore = qScopeGuard([&printer, saved = printer.resolution()] { printer.setResolution(saved); });
    printer.setResolution(window.logicalDpiY());
    printer.setDocName(qt(ApplicationName));
    printer.setFullPage(false);

    // Qt's stand-in for a missing print system cannot be opened either.
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw RuntimeError(printerFailureText(PrinterFailure::CannotOpen, u16(printer.printerName())));
    }

    // The painter's origin is the printable area's corner.
    const QSizeF size = window.size();
    const QSizeF printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const RectF fitted = fittedPage(size.width(), size.height(), {0, 0, printable.width(), printable.height()});
    const QRectF placed(fitted.x, fitted.y, fitted.width, fitted.height);
    // The pictures are small flat-colour drawings: they go to the printer
    // pixel for pixel, without the lossy compression that Qt's PDF writer
    // (which also feeds the print system) would otherwise apply, and without
    // smoothing, so that they stay crisp at any size.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.translate(placed.topLeft());
    painter.scale(placed.width() / size.width(), placed.height() / size.height());
    painter.drawPicture(0, 0, page);

    const bool finished = painter.end();
    if (!finished || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        throw RuntimeError(printerFailureText(PrinterFailure::CannotPrint, u16(printer.printerName())));
    }
}

} // namespace velmo
