#pragma once

#include "browserevents.h"
#include "platform.h"

#include <string_view>

namespace velmo::web {

// The icon beside a box's prompt, drawn here as SVG.
enum class BoxIcon { Question, Exclamation, Error, Information };

enum class BoxButtons { Ok, OkCancel };

// A modal message box in the document: a <dialog> shown modally (the page
// beneath is inert), role alertdialog, named by its title and described by
// its prompt, with the buttons OK and, where asked, キャンセル. OK has the
// focus; Enter answers with the focused button, Escape and the title bar's
// close button answer Cancel, and Tab moves between the buttons only.
class MessageBox : public EventReceiver {
public:
    MessageBox(std::u16string_view prompt, std::u16string_view title, BoxIcon icon, BoxButtons buttons);
    ~MessageBox() override;
    MessageBox(const MessageBox&) = delete;
    MessageBox& operator=(const MessageBox&) = delete;

    // Shows the box and returns the answer once it is closed.
    MessageAnswer exec();

    void handleEvent(const val& event) override;

private:
    void answer(MessageAnswer answer);

    val m_dialog;
    val m_ok = val::undefined();
    val m_cancel = val::undefined();
    val m_close = val::undefined();
    val m_focusBefore = val::undefined();
    bool m_open = false;
    MessageAnswer m_answer = MessageAnswer::Cancel;
};

// The icon's SVG markup, 32 x 32.
std::u16string_view boxIconMarkup(BoxIcon icon);

} // namespace velmo::web
