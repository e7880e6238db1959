#include "printcommands.h"

#include "errorguard.h"
#include "platform.h"
#include "text.h"

#include <string_view>

namespace velmo {

namespace {

constexpr std::u16string_view ConfirmPrompt = u"印刷を開始します。いいですか？";
constexpr std::u16string_view ConfirmTitle = u"印刷";
constexpr std::u16string_view FailurePrompt = u"エラーです。プリンタの電源、インク、用紙などをチェックしてください。";
constexpr std::u16string_view FailureTitle = u"印刷エラー";
constexpr std::u16string_view SetupFailureTitle = u"印刷設定";

std::u16string causeOf(const std::exception& error)
{
    const auto* runtime = dynamic_cast<const RuntimeError*>(&error);
    return runtime != nullptr ? runtime->message() : fromUtf8(error.what());
}

} // namespace

std::u16string printerFailureText(PrinterFailure failure, std::u16string_view printer, std::u16string_view systemMessage)
{
    if (failure == PrinterFailure::NoneInstalled) {
        return u"プリンタがインストールされていません。";
    }
    constexpr std::u16string_view What[] = {u"", u"が見つかりません", u"を開けません", u"で印刷を開始できません", u"で印刷できません"};
    std::u16string text = u"プリンタ";
    if (!printer.empty()) {
        text += u"「" + std::u16string(printer) + u"」";
    }
    text += What[static_cast<std::size_t>(failure)];
    if (!systemMessage.empty()) {
        text += u"（" + std::u16string(systemMessage) + u"）";
    }
    return text + u"。";
}

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
    } catch (const PrintCancelled&) {
        // The user stopped it on the way: nothing is printed and nothing is
        // wrong, so no box; the window gets its border back.
        m_platform.setBorderStyle(BorderStyle::FixedSingle);
    } catch (const std::exception& error) {
        // Whatever went wrong, the user sees the one print error box and the
        // window gets its border back; standard error gets the cause.
        writeCause(causeOf(error));
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
        writeCause(error.message());
        m_platform.messageBox(error.message(), MessageStyle::OkExclamation, SetupFailureTitle);
    }
}

} // namespace velmo
