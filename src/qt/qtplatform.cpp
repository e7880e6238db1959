#include "qtplatform.h"

#include "programinfo.h"
#include "text.h"
#include "pageprinter.h"
#include "pagewindow.h"
#include "printersetup.h"
#include "qttext.h"

#include <QCursor>
#include <QDebug>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace velmo {

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
    // exec() returns only once the pop-up has closed, with the chosen action.
    return m_pageWindow->commandOf(m_pageWindow->menu().exec(QCursor::pos()));
}

void QtPlatform::setBorderStyle(BorderStyle style)
{
    Q_ASSERT(m_pageWindow);
    m_pageWindow->setBorderStyle(style);
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
    qCritical().noquote().nospace() << "velmo-newspaper: " << qt(message);
    QMessageBox::critical(nullptr, qt(ApplicationName), qt(unhandledErrorText(message)));
}

} // namespace velmo
