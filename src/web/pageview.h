#pragma once

#include "browserevents.h"
#include "pagelayout.h"
#include "pagemenu.h"
#include "platform.h"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace velmo {
class TextMeasurer;
}

namespace velmo::web {

// What the user asked of the page: a click on an element, or a command by
// its shortcut.
struct PageInput {
    enum class Kind { Click, Shortcut };
    Kind kind = Kind::Click;
    ElementId element = ElementId::BigHeadline; // for a click
    Command command = Command::Print;           // for a shortcut
};

// Whether a key press is one of the page's shortcuts (Ctrl+O, Ctrl+P,
// Ctrl+Q), which the browser must not act on over the page.
std::optional<Command> shortcutOf(const val& keyEvent);
inline bool isPageShortcut(const val& keyEvent) { return shortcutOf(keyEvent).has_value(); }

struct ClientPoint {
    double x = 0; // CSS pixels from the window's top-left corner
    double y = 0;
};

// The page window in the document: a labelled region of 327 x 440 page
// pixels, centred in the window, with the ten elements of the layout, each a
// DOM element in its rectangle, with the layout's name as its id (the three
// advertisements 広告0, 広告1, 広告2). It stays hidden and marked busy until
// show(). As the page's event receiver it turns presses and releases into
// clicks (left or right button, both over the same element), and the
// shortcuts and the context-menu key into inputs for the program's loop.
class PageView : public EventReceiver {
public:
    PageView();
    ~PageView() override;
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    // Sets a label's caption in the lines the core's layout gives, as one
    // text whose lines are separated by line feeds.
    void setCaption(ElementId label, std::u16string_view caption, TextMeasurer& measurer);

    // Shows the picture at url, width x height pixels at its natural size
    // from the box's top-left corner inside the frame, named for screen
    // readers. A blob: url is released with the page.
    void setPicture(ElementId box, const val& url, int width, int height, std::u16string_view name);

    // The decoded picture of a box, for waiting on its decoding.
    val picture(ElementId box) const;

    void show();
    // The frame around the page on the screen; the printed page has none.
    void setBorder(BorderStyle style);

    // The page is gone: its elements leave the document, and no event
    // reaches the program any more.
    void remove();

    // The next input, waiting for it when there is none.
    PageInput nextInput();

    // Where the last click happened, or the focused box when the context-
    // menu key asked for the menu: the pop-up opens there.
    ClientPoint pointer() const { return m_pointer; }

    void handleEvent(const val& event) override;

private:
    std::optional<ElementId> elementAt(const val& target) const;
    void handleKey(const val& event);
    void queue(PageInput input);

    val m_holder;
    val m_page;
    std::vector<val> m_elements;  // in the order of ElementId
    std::vector<val> m_pictures;  // the <img> of each picture box, undefined for the labels
    std::vector<val> m_pictureUrls; // released with the page
    ModalLayer m_layer;
    std::deque<PageInput> m_inputs;
    ClientPoint m_pointer;
    std::optional<ElementId> m_pressed;
    int m_pressedButton = -1;
    bool m_shown = false;
    bool m_removed = false;
};

} // namespace velmo::web
