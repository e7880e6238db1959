#include "qtruntimeservices.h"

#include "printing/pageprinter.h"
#include "printing/printersetup.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <cstdio>

namespace velmo {

QtRuntimeServices::QtRuntimeServices() = default;
QtRuntimeServices::~QtRuntimeServices() = default;

MessageAnswer QtRuntimeServices::messageBox(const QString& prompt, MessageStyle style, const QString& title)
{
    QMessageBox box(m_pageWindow);
    box.setWindowTitle(title);
    box.setText(prompt);
    QPushButton* ok = nullptr;
    if (style == MessageStyle::OkCancelQuestion) {
        box.setIcon(QMessageBox::Question);
        ok = box.addButton(QMessageBox::Ok);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(ok);
        box.setEscapeButton(cancel);
    } else {
        box.setIcon(QMessageBox::Warning);
        ok = box.addButton(QMessageBox::Ok);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    box.exec();
    if (style == MessageStyle::OkExclamation) {
        return MessageAnswer::Ok;
    }
    // Esc and the close button answer Cancel.
    return box.clickedButton() == ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void QtRuntimeServices::popupMenu(QMenu& menu)
{
    menu.exec(QCursor::pos());
}

void QtRuntimeServices::popupMenuAt(QMenu& menu, QPoint globalPosition)
{
    menu.exec(globalPosition);
}

void QtRuntimeServices::copyImageToClipboard(const QImage& image)
{
    QGuiApplication::clipboard()->setImage(image);
}

QString QtRuntimeServices::executableFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QImage QtRuntimeServices::loadPicture(const QString& fileName)
{
    return readPictureFile(fileName, MaxPicturePixels);
}

QPrinter& QtRuntimeServices::currentPrinter()
{
    // Without any printer Qt falls back to a PDF writer with no file. That
    // fallback is not kept: the printers are looked up again on the next use,
    // so that a print system that comes back later is found.
    const bool noPrinter = m_printer && m_printer->outputFormat() == QPrinter::PdfFormat
                           && m_printer->outputFileName().isEmpty();
    if (!m_printer || noPrinter) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

void QtRuntimeServices::showPrinterSetup(QWidget& parent)
{
    // The dialog writes into its printer while the user is still choosing:
    // picking another queue or the PDF file switches the printer at once,
    // whatever button closes the dialog later. So it works on a draft made
    // from the current printer, and only an accepted draft takes its place.
    auto draft = std::make_unique<QPrinter>(QPrinter::HighResolution);
    copyPrinterSetup(currentPrinter(), *draft);
    QPrintDialog dialog(draft.get(), &parent);
    dialog.setWindowTitle(QStringLiteral("印刷設定"));
    if (dialog.exec() == QDialog::Accepted) {
        m_printer = std::move(draft);
    }
}

void QtRuntimeServices::printWindow(QWidget& window)
{
    printPage(window, currentPrinter());
}

void QtRuntimeServices::setBorderStyle(QWidget& window, int style)
{
    window.setProperty("borderStyle", style);
}

void QtRuntimeServices::reportUnhandledError(const QString& message)
{
    const QString text = QStringLiteral("エラーが発生したため、Velmo NewsPaper を終了します。\n\n") + message;
    std::fprintf(stderr, "velmo-newspaper: %s\n", message.toUtf8().constData());
    std::fflush(stderr);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmo NewsPaper"), text, QMessageBox::Ok);
    box.exec();
}

} // namespace velmo
