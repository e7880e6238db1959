#include "messagebox.h"

#include "dom.h"
#include "pagelayout.h"
#include "pageview.h"
#include "text.h"
#include "uitexts.h"
#include "webfonts.h"

namespace velmo::web {

namespace {

int g_boxes = 0; // gives every box's title and prompt ids of their own

} // namespace

std::u16string_view boxIconMarkup(BoxIcon icon)
{
    // Drawn for the page: a blue disc with a question mark, a yellow triangle
    // with an exclamation mark, a red disc with a cross, a blue disc with an i.
    switch (icon) {
    case BoxIcon::Question:
        return u"<svg viewBox='0 0 32 32' width='32' height='32' aria-hidden='true'>"
               u"<circle cx='16' cy='16' r='14.5' fill='#2d6fd1' stroke='#1b4a94'/>"
               u"<path d='M11.5 12.2a4.5 4.5 0 1 1 6.6 4c-1.4.8-2.1 1.6-2.1 3.2v1' fill='none' stroke='#fff' "
               u"stroke-width='3' stroke-linecap='round'/><circle cx='16' cy='24.6' r='1.9' fill='#fff'/></svg>";
    case BoxIcon::Exclamation:
        return u"<svg viewBox='0 0 32 32' width='32' height='32' aria-hidden='true'>"
               u"<path d='M16 2.5 30.5 28.5h-29z' fill='#f5c518' stroke='#8a6a00' stroke-linejoin='round'/>"
               u"<path d='M16 10.5v9.5' stroke='#1a1a1a' stroke-width='3.2' stroke-linecap='round'/>"
               u"<circle cx='16' cy='24.3' r='1.9' fill='#1a1a1a'/></svg>";
    case BoxIcon::Error:
        return u"<svg viewBox='0 0 32 32' width='32' height='32' aria-hidden='true'>"
               u"<circle cx='16' cy='16' r='14.5' fill='#d9342b' stroke='#8e1b15'/>"
               u"<path d='M10.5 10.5l11 11m0-11-11 11' stroke='#fff' stroke-width='3.2' stroke-linecap='round'/></svg>";
    case BoxIcon::Information:
        return u"<svg viewBox='0 0 32 32' width='32' height='32' aria-hidden='true'>"
               u"<circle cx='16' cy='16' r='14.5' fill='#2d6fd1' stroke='#1b4a94'/>"
               u"<circle cx='16' cy='9.3' r='2' fill='#fff'/>"
               u"<path d='M16 14.2v9.6' stroke='#fff' stroke-width='3.2' stroke-linecap='round'/></svg>";
    }
    return {};
}

MessageBox::MessageBox(std::u16string_view prompt, std::u16string_view title, BoxIcon icon, BoxButtons buttons)
    : m_dialog(createElement("dialog", document()["body"]))
{
    const std::u16string id = u"velmo-box-" + fromUtf8(std::to_string(++g_boxes));
    m_dialog.set("className", val("velmo-box"));
    setAttribute(m_dialog, "role", u"alertdialog");
    setAttribute(m_dialog, "aria-labelledby", id + u"-title");
    setAttribute(m_dialog, "aria-describedby", id + u"-prompt");
    setStyle(m_dialog, "font-family", cssFamilies(WindowFont.role));
    setStyle(m_dialog, "font-size", cssPixels(WindowFont.pixelSize));

    val bar = createElement("div", m_dialog);
    bar.set("className", val("title"));
    val titleText = createElement("span", bar);
    setAttribute(titleText, "id", id + u"-title");
    setText(titleText, title);
    m_close = createElement("button", bar);
    m_close.set("className", val("close"));
    m_close.set("tabIndex", val(-1));
    setAttribute(m_close, "aria-label", CloseButtonName);
    setText(m_close, u"\u00D7");

    val body = createElement("div", m_dialog);
    body.set("className", val("body"));
    val image = createElement("span", body);
    image.set("className", val("icon"));
    image.set("innerHTML", val(std::u16string(boxIconMarkup(icon))));
    val text = createElement("div", body);
    text.set("className", val("prompt"));
    setAttribute(text, "id", id + u"-prompt");
    setText(text, prompt);

    val row = createElement("div", m_dialog);
    row.set("className", val("buttons"));
    m_ok = createElement("button", row);
    setText(m_ok, OkButton);
    if (buttons == BoxButtons::OkCancel) {
        m_cancel = createElement("button", row);
        setText(m_cancel, CancelButton);
    }
    for (const char* type : {"click", "cancel", "contextmenu"}) {
        BrowserEvents::listen(m_dialog, type);
    }
}

MessageBox::~MessageBox()
{
    m_dialog.call<void>("remove");
}

MessageAnswer MessageBox::exec()
{
    const ModalLayer layer(*this);
    m_focusBefore = document()["activeElement"];
    m_open = true;
    m_dialog.call<void>("showModal");
    m_ok.call<void>("focus");
    while (m_open) {
        BrowserEvents::waitForWake();
    }
    return m_answer;
}

void MessageBox::answer(MessageAnswer answer)
{
    if (!m_open) {
        return;
    }
    m_open = false;
    m_answer = answer;
    m_dialog.call<void>("close");
    m_dialog.call<void>("remove");
    if (!m_focusBefore.isNull() && !m_focusBefore.isUndefined() && m_focusBefore["isConnected"].as<bool>()) {
        m_focusBefore.call<void>("focus");
    }
    BrowserEvents::wake();
}

void MessageBox::handleEvent(const val& event)
{
    if (!m_open) {
        return;
    }
    const std::string type = event["type"].as<std::string>();
    const val target = event["target"];
    const bool hasCancel = !m_cancel.isUndefined();
    if (type == "cancel") {
        // The browser's own way out of a modal dialog (Escape).
        event.call<void>("preventDefault");
        answer(MessageAnswer::Cancel);
    } else if (type == "click") {
        if (target.strictlyEquals(m_ok)) {
            answer(MessageAnswer::Ok);
        } else if ((hasCancel && target.strictlyEquals(m_cancel)) || target.strictlyEquals(m_close)) {
            answer(MessageAnswer::Cancel);
        }
    } else if (type == "keydown") {
        const std::string key = event["key"].as<std::string>();
        const val focused = document()["activeElement"];
        if (key == "Escape") {
            event.call<void>("preventDefault");
            answer(MessageAnswer::Cancel);
        } else if (key == "Enter") {
            event.call<void>("preventDefault");
            answer(hasCancel && focused.strictlyEquals(m_cancel) ? MessageAnswer::Cancel : MessageAnswer::Ok);
        } else if (key == "Tab" || key == "ArrowLeft" || key == "ArrowRight") {
            event.call<void>("preventDefault");
            if (hasCancel) {
                (focused.strictlyEquals(m_ok) ? m_cancel : m_ok).call<void>("focus");
            }
        } else if (isPageShortcut(event)) {
            // The page's shortcuts wait while the box is open, and the
            // browser's own (Ctrl+P prints) must not act for them.
            event.call<void>("preventDefault");
        }
    }
}

} // namespace velmo::web
