#include "pageview.h"

#include "dom.h"
#include "programinfo.h"
#include "textlayout.h"
#include "text.h"
#include "webfonts.h"

#include <cassert>
#include <cstdio>

namespace velmo::web {

namespace {

std::u16string colour(Rgb rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", rgb.red, rgb.green, rgb.blue);
    return fromUtf8(text);
}

std::u16string elementId(const PageElement& row)
{
    return std::u16string(row.name) + (row.index >= 0 ? fromUtf8(std::to_string(row.index)) : u"");
}

void place(const val& element, const Rect& rect)
{
    setStyle(element, "left", pageLength(rect.x));
    setStyle(element, "top", pageLength(rect.y));
    setStyle(element, "width", pageLength(rect.width));
    setStyle(element, "height", pageLength(rect.height));
}

void setFont(const val& element, const FontStyle& font)
{
    setStyle(element, "font-family", cssFamilies(font.role));
    setStyle(element, "font-weight", cssBold(font) ? u"bold" : u"normal");
    setStyle(element, "font-size", pageLength(font.pixelSize));
    // Lines one em apart; every face of the page puts the baseline at the
    // core's EmAscent of an em (its @font-face rules).
    setStyle(element, "line-height", pageLength(font.pixelSize));
}

bool isLetter(const std::string& key, char16_t letter)
{
    return key.size() == 1 && (key[0] == static_cast<char>(letter) || key[0] == static_cast<char>(letter - u'A' + u'a'));
}

} // namespace

std::optional<Command> shortcutOf(const val& event)
{
    const bool other = event["shiftKey"].as<bool>() || event["altKey"].as<bool>() || event["metaKey"].as<bool>();
    if (!event["ctrlKey"].as<bool>() || other) {
        return std::nullopt;
    }
    const std::string key = event["key"].as<std::string>();
    for (const MenuItem& item : PageMenu) {
        if (item.kind == MenuItemKind::Command && isLetter(key, item.shortcutLetter)) {
            return item.command;
        }
    }
    return std::nullopt;
}

PageView::PageView()
    : m_holder(createElement("div", document()["body"]))
    , m_page(createElement("div", m_holder))
    , m_elements(PageElements.size(), val::undefined())
    , m_pictures(PageElements.size(), val::undefined())
    , m_layer(*this)
{
    m_holder.set("id", val("velmo-holder"));
    m_page.set("id", val("frmVelmoNewsPaper"));
    setAttribute(m_page, "role", u"region");
    setAttribute(m_page, "aria-label", ApplicationName);
    setAttribute(m_page, "aria-description", ApplicationDescription);
    setAttribute(m_page, "aria-busy", u"true");
    setStyle(m_page, "background-color", colour(PageBackground));
    setBorder(BorderStyle::FixedSingle);

    // Created in the table's order, from the top of the page down: along the
    // one-pixel overlaps the later element is drawn on top, and the picture
    // boxes take the focus in the desktop's order.
    for (const PageElement& row : PageElements) {
        val element = createElement("div", m_page);
        const auto slot = static_cast<std::size_t>(row.id);
        setAttribute(element, "id", elementId(row));
        setAttribute(element, "data-name", row.name);
        element["dataset"].set("element", val(static_cast<int>(slot)));
        place(element, row.rect);
        setStyle(element, "background-color", colour(row.background));
        setStyle(element, "color", colour(row.foreground));
        if (row.kind == ElementKind::Label) {
            element.set("className", val("label"));
            setFont(element, row.font);
        } else {
            element.set("className", val("box"));
            val well = createElement("div", element);
            well.set("className", val("well"));
            val picture = createElement("img", well);
            picture.set("draggable", val(false));
            if (row.focus == Focus::Tab) {
                picture.set("tabIndex", val(0));
            }
            m_pictures[slot] = picture;
        }
        m_elements[slot] = element;
    }

    BrowserEvents::listen(m_page, "contextmenu");
    BrowserEvents::listen(document(), "mousedown");
    BrowserEvents::listen(document(), "mouseup");
    BrowserEvents::listen(document(), "keydown");
}

PageView::~PageView()
{
    remove();
}

void PageView::setCaption(ElementId label, std::u16string_view caption, TextMeasurer& measurer)
{
    const PageElement& row = pageElement(label);
    assert(row.kind == ElementKind::Label);
    const std::vector<TextLine> lines = layoutLabel(caption, row.font, row.rect.width, row.rect.height, measurer);
    std::u16string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? u"" : u"\n") + lines[i].text;
    }
    setText(m_elements[static_cast<std::size_t>(label)], text);
}

void PageView::setPicture(ElementId box, const val& url, int width, int height, std::u16string_view name)
{
    val picture = m_pictures[static_cast<std::size_t>(box)];
    assert(!picture.isUndefined());
    setAttribute(picture, "alt", name);
    setStyle(picture, "width", pageLength(width));
    setStyle(picture, "height", pageLength(height));
    picture.set("src", url);
    m_pictureUrls.push_back(url);
}

val PageView::picture(ElementId box) const
{
    return m_pictures[static_cast<std::size_t>(box)];
}

void PageView::show()
{
    m_shown = true;
    setAttribute(m_page, "aria-busy", u"false");
    setStyle(m_page, "visibility", u"visible");
}

void PageView::setBorder(BorderStyle style)
{
    m_page["classList"].call<void>("toggle", val("framed"), val(style == BorderStyle::FixedSingle));
}

void PageView::remove()
{
    if (m_removed) {
        return;
    }
    m_removed = true;
    BrowserEvents::unlisten(document(), "mousedown");
    BrowserEvents::unlisten(document(), "mouseup");
    BrowserEvents::unlisten(document(), "keydown");
    BrowserEvents::end();
    m_holder.call<void>("remove");
    for (const val& url : m_pictureUrls) {
        val::global("URL").call<void>("revokeObjectURL", url);
    }
}

PageInput PageView::nextInput()
{
    while (m_inputs.empty()) {
        BrowserEvents::waitForWake();
    }
    const PageInput input = m_inputs.front();
    m_inputs.pop_front();
    return input;
}

void PageView::queue(PageInput input)
{
    m_inputs.push_back(input);
    BrowserEvents::wake();
}

std::optional<ElementId> PageView::elementAt(const val& target) const
{
    if (target.isNull() || target.isUndefined() || target["closest"].isUndefined()) {
        return std::nullopt;
    }
    const val element = target.call<val>("closest", val("[data-element]"));
    if (element.isNull() || !m_page.call<bool>("contains", element)) {
        return std::nullopt;
    }
    return static_cast<ElementId>(std::stoi(element["dataset"]["element"].as<std::string>()));
}

void PageView::handleEvent(const val& event)
{
    // Nothing of the page reacts before it is shown; its keys are still the
    // browser's.
    if (!m_shown) {
        return;
    }
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown") {
        handleKey(event);
        return;
    }
    if (type != "mousedown" && type != "mouseup") {
        return;
    }
    // The left and the right button click; the middle one does not.
    const int button = event["button"].as<int>();
    const std::optional<ElementId> element = elementAt(event["target"]);
    if (type == "mousedown") {
        m_pressed = button == 0 || button == 2 ? element : std::nullopt;
        m_pressedButton = button;
        return;
    }
    const bool click = m_pressed && element == m_pressed && button == m_pressedButton;
    m_pressed.reset();
    if (click) {
        m_pointer = {event["clientX"].as<double>(), event["clientY"].as<double>()};
        queue({PageInput::Kind::Click, *element, {}});
    }
}

void PageView::handleKey(const val& event)
{
    if (event["repeat"].as<bool>() || event["isComposing"].as<bool>()) {
        return;
    }
    if (const std::optional<Command> command = shortcutOf(event)) {
        event.call<void>("preventDefault");
        queue({PageInput::Kind::Shortcut, {}, *command});
        return;
    }
    const std::string key = event["key"].as<std::string>();
    const bool ctrl = event["ctrlKey"].as<bool>();
    const bool shift = event["shiftKey"].as<bool>();
    // The keyboard's way to the menu: the context-menu key, or Shift+F10, on
    // a focused picture box opens it at the box.
    if ((key == "ContextMenu" && !shift) || (key == "F10" && shift && !ctrl)) {
        const std::optional<ElementId> element = elementAt(document()["activeElement"]);
        if (element) {
            event.call<void>("preventDefault");
            const val box = m_elements[static_cast<std::size_t>(*element)].call<val>("getBoundingClientRect");
            m_pointer = {box["left"].as<double>() + box["width"].as<double>() / 2, box["top"].as<double>() + box["height"].as<double>() / 2};
            queue({PageInput::Kind::Click, *element, {}});
        }
    }
}

} // namespace velmo::web
