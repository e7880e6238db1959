#include "pageprinter.h"

#include "app/runtimeservices.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace velmo {

void printPage(QWidget& window, QPrinter& printer)
{
    // Without any installed printer Qt quietly turns the printer into a PDF
    // writer with no file to write to; that is no printer at all.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        throw RuntimeError("印刷できるプリンタがありません。");
    }

    printer.setDocName(QStringLiteral("Velmo NewsPaper"));
    printer.setFullPage(false);

    QPainter painter;
    if (!painter.begin(&printer)) {
        throw RuntimeError("プリンタを開けません。");
    }

    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF page = window.size();
    const qreal scale = std::min(area.width() / page.width(), area.height() / page.height());
    painter.translate((area.width() - page.width() * scale) / 2, (area.height() - page.height() * scale) / 2);
    painter.scale(scale, scale);
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);

    const bool finished = painter.end();
    if (!finished || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        throw RuntimeError("印刷ジョブが失敗しました。");
    }
}

} // namespace velmo
