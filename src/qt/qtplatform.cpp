#include "qtplatform.h"

#include "programinfo.h"
#include "text.h"
#include "pageprinter.h"
#include "pagewindow.h"
#include "qttext.h"

#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>

namespace velmo {

namespace {

// The print engine property under which Qt's CUPS support keeps the job
// options that the dialog sets (QtPrintSupport's private PPK_CupsOptions).
// Engines without CUPS ignore it.
constexpr auto CupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Copies everything that the standard printer setup dialog shows or changes
// from one printer to another: where the job goes (a print queue, or a PDF
// file), the paper and page layout, the copies and their order, colour,
// two-sided printing, the print range and the print system's job options
// (page set, pages per sheet, banners, the printer's own options).
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

} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::messageBox(std::u16string_view prompt, MessageStyle style, std::u16string_view title)
{
    if (style == MessageStyle::OkExclamation) {
        QMessageBox::warning(m_pageWindow, qt(title), qt(prompt), QMessageBox::Ok);
        return MessageAnswer::Ok;
    }
    // Esc and the close button answer Cancel, the box's escape button.
    const auto answer = QMessageBox::question(m_pageWindow, qt(title), qt(prompt), QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<Command> QtPlatform::popupMenu()
{
    Q_ASSERT(m_pageWindow);
    // exec() returns only once the pop-up has closed, with the chosen action
    // or none; the actions stand in the order of PageMenu.
    QMenu& menu = m_pageWindow->menu();
    const auto chosen = static_cast<std::size_t>(menu.actions().indexOf(menu.exec(QCursor::pos())));
    if (chosen >= PageMenu.size() || PageMenu[chosen].kind != MenuItemKind::Command) {
        return std::nullopt;
    }
    return PageMenu[chosen].command;
}

QPrinter& QtPlatform::currentPrinter()
{
    // Qt's stand-in for a missing print system is not kept: the printers are
    // looked up again on the next use, so that a print system that comes
    // back later is found.
    if (!m_printer || isMissingPrinter(*m_printer)) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

void QtPlatform::printPage()
{
    Q_ASSERT(m_pageWindow);
    velmo::printPage(*m_pageWindow, currentPrinter());
}

void QtPlatform::showPrinterSetup()
{
    Q_ASSERT(m_pageWindow);
    // The dialog writes into its printer while the user is still choosing:
    // picking another queue or the PDF file switches the printer at once,
    // whatever button closes the dialog later. So it works on a draft made
    // from the current printer, and only an accepted draft takes its place.
    auto draft = std::make_unique<QPrinter>(QPrinter::HighResolution);
    copyPrinterSetup(currentPrinter(), *draft);
    QPrintDialog dialog(draft.get(), m_pageWindow);
    dialog.setWindowTitle(QStringLiteral("印刷設定"));
    if (dialog.exec() == QDialog::Accepted) {
        m_printer = std::move(draft);
    }
}

void QtPlatform::closeWindow()
{
    Q_ASSERT(m_pageWindow);
    m_pageWindow->close();
}

void QtPlatform::reportUnhandledError(std::u16string_view message)
{
    QMessageBox::critical(nullptr, qt(ApplicationName), qt(unhandledErrorText(message)));
}

} // namespace velmo
