#include "qtruntimeservices.h"

#include "printing/pageprinter.h"
#include "printing/printersetup.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace velmo {

QtRuntimeServices::QtRuntimeServices() = default;
QtRuntimeServices::~QtRuntimeServices() = default;

MessageAnswer QtRuntimeServices::messageBox(const QString& prompt, MessageStyle style, const QString& title)
{
    if (style == MessageStyle::OkExclamation) {
        QMessageBox::warning(m_pageWindow, title, prompt, QMessageBox::Ok);
        return MessageAnswer::Ok;
    }
    // Esc and the close button answer Cancel, the box's escape button.
    const auto answer = QMessageBox::question(m_pageWindow, title, prompt, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void QtRuntimeServices::popupMenu(QMenu& menu)
{
    menu.exec(QCursor::pos());
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
    // Qt's stand-in for a missing print system is not kept: the printers are
    // looked up again on the next use, so that a print system that comes
    // back later is found.
    if (!m_printer || isMissingPrinter(*m_printer)) {
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

void QtRuntimeServices::setBorderStyle(QWidget& window, BorderStyle style)
{
    window.setProperty("borderStyle", QVariant::fromValue(style));
}

void QtRuntimeServices::reportUnhandledError(const QString& message)
{
    const QString text = QStringLiteral("エラーが発生したため、Velmo NewsPaper を終了します。\n\n") + message;
    qCritical().noquote().nospace() << "velmo-newspaper: " << message;
    QMessageBox::critical(nullptr, QStringLiteral("Velmo NewsPaper"), text);
}

} // namespace velmo
