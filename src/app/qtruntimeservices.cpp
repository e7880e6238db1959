#include "qtruntimeservices.h"

#include "printing/pageprinter.h"

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
    QPrintDialog dialog(&currentPrinter(), &parent);
    dialog.setWindowTitle(QStringLiteral("印刷設定"));
    // The dialog writes what the user confirms into the printer only when it
    // is accepted; Cancel leaves it as it was.
    dialog.exec();
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
