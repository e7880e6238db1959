#include "printcommands.h"

#include "platform.h"

#include <string_view>

namespace velmo {

namespace {

constexpr std::u16string_view ConfirmPrompt = u"印刷を開始します。いいですか？";
constexpr std::u16string_view ConfirmTitle = u"印刷";
constexpr std::u16string_view FailurePrompt = u"エラーです。プリンタの電源、インク、用紙などをチェックしてください。";
constexpr std::u16string_view FailureTitle = u"印刷エラー";
constexpr std::u16string_view SetupFailureTitle = u"印刷設定";

} // namespace

PrintCommands::PrintCommands(Platform& platform)
    : m_platform(platform)
{
}

void PrintCommands::print()
{
    try {
        if (m_platform.messageBox(ConfirmPrompt, MessageStyle::OkCancelQuestion, ConfirmTitle) != MessageAnswer::Ok) {
            return;
        }
        m_platform.setBorderStyle(BorderStyle::None);
        m_platform.printPage();
        m_platform.setBorderStyle(BorderStyle::FixedSingle);
    } catch (const std::exception&) {
        // Whatever went wrong, the user sees the one print error box and the
        // window gets its border back.
        m_platform.setBorderStyle(BorderStyle::FixedSingle);
        m_platform.messageBox(FailurePrompt, MessageStyle::OkExclamation, FailureTitle);
    }
}

void PrintCommands::printerSetup()
{
    // A dialog that cannot be shown (no printer known to the system) is no
    // reason to end the program: the user is told why, and the page stays.
    try {
        m_platform.showPrinterSetup();
    } catch (const RuntimeError& error) {
        m_platform.messageBox(error.message(), MessageStyle::OkExclamation, SetupFailureTitle);
    }
}

} // namespace velmo
