#include "webplatform.h"

#include "messagebox.h"
#include "pageview.h"
#include "popupmenu.h"
#include "programinfo.h"
#include "text.h"
#include "uitexts.h"

namespace velmo::web {

WebPlatform::WebPlatform(PageView& view)
    : m_view(view)
{
}

MessageAnswer WebPlatform::messageBox(std::u16string_view prompt, MessageStyle style, std::u16string_view title)
{
    const bool question = style == MessageStyle::OkCancelQuestion;
    MessageBox box(prompt, title, question ? BoxIcon::Question : BoxIcon::Exclamation,
                   question ? BoxButtons::OkCancel : BoxButtons::Ok);
    return box.exec();
}

std::optional<Command> WebPlatform::popupMenu()
{
    PopupMenu menu;
    const ClientPoint at = m_view.pointer();
    return menu.exec(at.x, at.y);
}

void WebPlatform::setBorderStyle(BorderStyle style)
{
    m_view.setBorder(style);
}

void WebPlatform::printPage()
{
    const val print = val::global("print");
    if (print.typeOf().as<std::string>() != "function") {
        throw RuntimeError(std::u16string(PrintingUnavailable));
    }
    // Returns once the browser's print dialog has closed, however it closed.
    print();
}

void WebPlatform::showPrinterSetup()
{
    MessageBox box(PrinterSetupNote, PrinterSetupTitle, BoxIcon::Information, BoxButtons::Ok);
    box.exec();
}

void WebPlatform::closeWindow()
{
    // The program's loop ends after this command and takes the page away.
    m_closed = true;
    val::global("window").call<void>("close");
}

void WebPlatform::reportUnhandledError(std::u16string_view message)
{
    MessageBox box(unhandledErrorText(message), ApplicationName, BoxIcon::Error, BoxButtons::Ok);
    box.exec();
}

} // namespace velmo::web
