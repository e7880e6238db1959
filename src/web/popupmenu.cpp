#include "popupmenu.h"

#include "dom.h"
#include "pagelayout.h"
#include "pageview.h"
#include "text.h"
#include "uitexts.h"
#include "webfonts.h"

#include <algorithm>
#include <cassert>

namespace velmo::web {

namespace {

// The caption before and after its access letter, and the letter; "&" is
// not shown.
struct Caption {
    std::u16string before;
    char16_t letter = 0;
    std::u16string after;
};

Caption splitCaption(std::u16string_view caption)
{
    const std::size_t mark = caption.find(u'&');
    assert(mark != std::u16string_view::npos && mark + 1 < caption.size());
    return {std::u16string(caption.substr(0, mark)), caption[mark + 1], std::u16string(caption.substr(mark + 2))};
}

char16_t upper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

} // namespace

PopupMenu::PopupMenu()
    : m_layer(createElement("div", document()["body"]))
    , m_menu(createElement("div", m_layer))
{
    m_layer.set("className", val("velmo-layer"));
    m_menu.set("className", val("velmo-menu"));
    setAttribute(m_menu, "role", u"menu");
    setAttribute(m_menu, "aria-label", fromUtf8(std::string(PageMenuName)));
    m_menu.set("tabIndex", val(-1));
    setStyle(m_menu, "font-family", cssFamilies(WindowFont.role));
    setStyle(m_menu, "font-size", cssPixels(WindowFont.pixelSize));

    for (const MenuItem& entry : PageMenu) {
        val item = createElement("div", m_menu);
        if (entry.kind == MenuItemKind::Separator) {
            setAttribute(item, "role", u"separator");
            continue;
        }
        const Caption caption = splitCaption(entry.caption);
        const std::u16string shortcut = std::u16string(ShortcutPrefix) + entry.shortcutLetter;
        setAttribute(item, "role", u"menuitem");
        setAttribute(item, "id", u"velmo-menu-" + fromUtf8(std::string(entry.name)));
        setAttribute(item, "aria-keyshortcuts", u"Control+" + std::u16string(1, entry.shortcutLetter));
        item.set("tabIndex", val(-1));
        val label = createElement("span", item);
        label.call<void>("append", val(caption.before));
        setText(createElement("u", label), std::u16string(1, caption.letter));
        label.call<void>("append", val(caption.after));
        val key = createElement("span", item);
        key.set("className", val("key"));
        setAttribute(key, "aria-hidden", u"true");
        setText(key, shortcut);
        m_items.push_back(item);
        m_commands.push_back(entry.command);
        m_letters.push_back(upper(caption.letter));
    }
    for (const char* type : {"mousedown", "mouseup", "mousemove", "contextmenu"}) {
        BrowserEvents::listen(m_layer, type);
    }
}

PopupMenu::~PopupMenu()
{
    m_layer.call<void>("remove");
}

std::optional<Command> PopupMenu::exec(double x, double y)
{
    const ModalLayer layer(*this);
    m_focusBefore = document()["activeElement"];
    m_open = true;
    // Where the menu would leave the window it opens to the left of the
    // point or above it instead, as a desktop's menus do.
    const val window = val::global("window");
    const double width = m_menu["offsetWidth"].as<double>();
    const double height = m_menu["offsetHeight"].as<double>();
    const double right = window["innerWidth"].as<double>();
    const double bottom = window["innerHeight"].as<double>();
    if (x + width > right) {
        x = std::max(0.0, x - width);
    }
    if (y + height > bottom) {
        y = std::max(0.0, y - height);
    }
    setStyle(m_menu, "left", cssPixels(x));
    setStyle(m_menu, "top", cssPixels(y));
    m_menu["classList"].call<void>("add", val("open"));
    m_menu.call<void>("focus");
    while (m_open) {
        BrowserEvents::waitForWake();
    }
    return m_choice;
}

void PopupMenu::close(std::optional<Command> choice)
{
    if (!m_open) {
        return;
    }
    m_open = false;
    m_choice = choice;
    m_layer.call<void>("remove");
    if (!m_focusBefore.isNull() && !m_focusBefore.isUndefined() && m_focusBefore["isConnected"].as<bool>()) {
        m_focusBefore.call<void>("focus");
    }
    BrowserEvents::wake();
}

void PopupMenu::activate(int item)
{
    if (m_active >= 0) {
        m_items[static_cast<std::size_t>(m_active)]["classList"].call<void>("remove", val("active"));
    }
    m_active = item;
    if (item >= 0) {
        const val& element = m_items[static_cast<std::size_t>(item)];
        element["classList"].call<void>("add", val("active"));
        element.call<void>("focus");
    } else {
        m_menu.call<void>("focus");
    }
}

int PopupMenu::itemAt(const val& target) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].call<bool>("contains", target)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void PopupMenu::handleEvent(const val& event)
{
    if (!m_open) {
        return;
    }
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown") {
        handleKey(event);
        return;
    }
    const val target = event["target"];
    const bool inMenu = m_menu.call<bool>("contains", target);
    const int item = inMenu ? itemAt(target) : -1;
    if (type == "mousemove") {
        if (inMenu && item != m_active) {
            activate(item);
        }
    } else if (type == "mousedown") {
        event.call<void>("preventDefault"); // keeps the focus on the menu
        if (!inMenu) {
            close(std::nullopt);
        }
    } else if (type == "mouseup" && item >= 0 && event["button"].as<int>() == 0) {
        close(m_commands[static_cast<std::size_t>(item)]);
    }
}

void PopupMenu::handleKey(const val& event)
{
    const std::string key = event["key"].as<std::string>();
    const bool handled = key == "Escape" || key == "ArrowDown" || key == "ArrowUp" || key == "Home" || key == "End"
        || key == "Enter" || key == " " || key == "Tab" || key.size() == 1;
    if (handled || isPageShortcut(event)) {
        event.call<void>("preventDefault");
    }
    const int count = static_cast<int>(m_items.size());
    if (key == "Escape") {
        close(std::nullopt);
    } else if (key == "ArrowDown") {
        activate(m_active < 0 ? 0 : (m_active + 1) % count);
    } else if (key == "ArrowUp") {
        activate(m_active < 0 ? count - 1 : (m_active + count - 1) % count);
    } else if (key == "Home") {
        activate(0);
    } else if (key == "End") {
        activate(count - 1);
    } else if ((key == "Enter" || key == " ") && m_active >= 0) {
        close(m_commands[static_cast<std::size_t>(m_active)]);
    } else if (key.size() == 1 && !event["ctrlKey"].as<bool>() && !event["altKey"].as<bool>() && !event["metaKey"].as<bool>()) {
        const char16_t letter = upper(static_cast<char16_t>(key[0]));
        const auto found = std::find(m_letters.begin(), m_letters.end(), letter);
        if (found != m_letters.end()) {
            close(m_commands[static_cast<std::size_t>(found - m_letters.begin())]);
        }
    }
}

} // namespace velmo::web
