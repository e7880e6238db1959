#include "printcommands.h"

#include "app/runtimeservices.h"

#include <QString>

namespace velmo {

namespace {

const QString ConfirmPrompt = QStringLiteral("印刷を開始します。いいですか？");
const QString ConfirmTitle = QStringLiteral("印刷");
const QString FailurePrompt = QStringLiteral("エラーです。プリンタの電源、インク、用紙などをチェックしてください。");
const QString FailureTitle = QStringLiteral("印刷エラー");
const QString SetupFailureTitle = QStringLiteral("印刷設定");

} // namespace

PrintCommands::PrintCommands(RuntimeServices& services, QWidget& pageWindow)
    : m_services(services)
    , m_pageWindow(pageWindow)
{
}

void PrintCommands::Print_Click()
{
    try {
        if (m_services.messageBox(ConfirmPrompt, MessageStyle::OkCancelQuestion, ConfirmTitle) != MessageAnswer::Ok) {
            return;
        }
        m_services.setBorderStyle(m_pageWindow, BorderStyle::None);
        m_services.printWindow(m_pageWindow);
        m_services.setBorderStyle(m_pageWindow, BorderStyle::FixedSingle);
    } catch (const std::exception&) {
        // Whatever went wrong, the user sees the one print error box and the
        // window gets its border back.
        m_services.setBorderStyle(m_pageWindow, BorderStyle::FixedSingle);
        m_services.messageBox(FailurePrompt, MessageStyle::OkExclamation, FailureTitle);
    }
}

void PrintCommands::PrintOption_Click()
{
    try {
        m_services.showPrinterSetup(m_pageWindow);
    } catch (const RuntimeError& error) {
        m_services.messageBox(error.message(), MessageStyle::OkExclamation, SetupFailureTitle);
    }
}

} // namespace velmo
