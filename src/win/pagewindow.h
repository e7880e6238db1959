#pragma once

#include "handles.h"
#include "pagecontroller.h"
#include "pagefonts.h"
#include "picture.h"
#include "platform.h"

#include <windows.h>

#include <array>
#include <optional>
#include <vector>

namespace velmo {

class RandomSource;

// The page window: a fixed 327 x 440 client area (at 96 dots per inch,
// scaled to the monitor's) that holds the page's ten elements as child
// windows, built from the page layout. A child's window text is what it
// shows, so screen readers read it: a label's caption (line feeds for its
// line breaks), a picture's name. Clicks and the menu's shortcuts go to the
// page controller, which makes every decision; an exception that escapes
// it, or any handler, ends the program after its box, with status 1.
class PageWindow {
public:
    PageWindow(HINSTANCE instance, Platform& platform);
    ~PageWindow();
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    // Creates the window, hidden and centred on the monitor under the
    // pointer, composes a page from source and reads its four pictures from
    // the program's folder. Throws RuntimeError when the window cannot be
    // made or a picture cannot be read.
    void load(RandomSource& source);

    // Shows the window and runs the messages until it is gone; returns the
    // exit status.
    int run(int showCommand);

    HWND handle() const { return m_window; }

    // The lines a label shows, as the core laid them out when its caption
    // was set.
    const std::vector<TextLine>& lines(ElementId id) const { return m_elements[static_cast<std::size_t>(id)].lines; }

    // Shows the page's menu at the pointer and returns the chosen command.
    std::optional<Command> popupMenu();

    // Draws the whole page into dc with its top left at origin, scale device
    // pixels to a page pixel: what the printer prints.
    void drawPage(HDC dc, POINT origin, double scale) const;

private:
    struct Element {
        const PageElement* row = nullptr;
        HWND window = nullptr;
        Font font;                      // labels only, at the window's DPI
        std::vector<TextLine> lines;    // labels only
        std::optional<Picture> picture; // picture boxes only, once loaded
        UINT pressedButton = 0;         // WM_LBUTTONDOWN or WM_RBUTTONDOWN while a click is under way
    };

    static LRESULT CALLBACK pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK elementProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    template <typename Handler>
    LRESULT guarded(Handler&& handler);
    void closeAfterError();

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleElementMessage(Element& element, UINT message, WPARAM wParam, LPARAM lParam);
    void onCreate();
    void onSetFocus();
    void layoutElements();
    void moveFocus(TabDirection direction);
    bool translateKey(MSG& message);
    void setCaption(Element& element, std::u16string_view caption);
    void drawElement(HDC dc, const Element& element, const RECT& box, double scale, HFONT font) const;
    double scale() const { return m_dpi / double(USER_DEFAULT_SCREEN_DPI); }

    HINSTANCE m_instance;
    Platform& m_platform;
    PageController m_controller;
    PageFonts m_fonts;
    HWND m_window = nullptr;
    Menu m_menu;
    Accelerators m_accelerators;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    HWND m_lastFocus = nullptr;
    int m_exitStatus = 0;
    std::array<Element, PageElements.size()> m_elements;
};

} // namespace velmo
