#pragma once

#include "pagecontroller.h"
#include "pagelayout.h"
#include "platform.h"
#include "gdiobject.h"
#include "picturereader.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace velmo {

class Platform;
class RandomSource;

// The page window: a fixed 327 x 440 client area (at 96 dots per inch,
// scaled to the monitor's) that holds the page's ten elements as child
// windows, built from the page layout. A child's window text is what it
// shows, so screen readers read it: a label's caption (line feeds for its
// line breaks), a picture's name. Clicks and the menu's shortcuts go to the
// page controller, which makes every decision.
class PageWindow {
public:
    PageWindow(HINSTANCE instance, Platform& platform);
    ~PageWindow();
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    // Creates the window, hidden, centred on the monitor under the pointer.
    // Returns false when the system refuses (no desktop to show it on).
    bool create();

    // Composes a fresh page and reads its four pictures from folder. Throws
    // RuntimeError when a picture cannot be read.
    void load(RandomSource& source, const std::wstring& folder);

    void show(int showCommand);

    // Runs the messages until the window is gone; returns the exit status.
    int run();

    HWND handle() const { return m_window; }

    // Shows the page's menu at the pointer and returns the chosen command.
    std::optional<Command> popupMenu();

    // Draws the whole page into dc with its top left at origin, scale device
    // pixels to a page pixel: what the printer prints.
    void drawPage(HDC dc, POINT origin, double scale) const;

    void setBorderStyle(BorderStyle style) { m_borderStyle = style; }
    BorderStyle borderStyle() const { return m_borderStyle; }

    // Ends the program with a non-zero status after an error that no
    // command deals with has been reported.
    void closeAfterError();

private:
    struct Element {
        const PageElement* row = nullptr;
        HWND window = nullptr;
        Font font;                      // labels only, at the window's DPI
        std::optional<Picture> picture; // picture boxes only, once loaded
        UINT pressedButton = 0;         // WM_LBUTTONDOWN or WM_RBUTTONDOWN while a click is under way
    };

    static LRESULT CALLBACK pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK elementProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool registerClasses();

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCreate();
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onCommand(WORD id);
    void onElementClicked(std::size_t index);
    void onSetFocus();

    LRESULT handleElementMessage(Element& element, UINT message, WPARAM wParam, LPARAM lParam);
    void paintElement(Element& element);
    void layoutElements();
    void moveFocus(bool backwards);
    bool translateKey(MSG& message);
    void setElementText(ElementId id, const std::u16string& text);
    Element& element(ElementId id) { return m_elements[static_cast<std::size_t>(id)]; }

    // Runs a controller call; an exception that escapes it ends the program.
    template <typename Call>
    void guarded(Call&& call);

    HINSTANCE m_instance;
    Platform& m_platform;
    PageController m_controller;
    HWND m_window = nullptr;
    HMENU m_menu = nullptr;
    HACCEL m_accelerators = nullptr;
    HBRUSH m_background = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    BorderStyle m_borderStyle = BorderStyle::FixedSingle;
    HWND m_lastFocus = nullptr;
    int m_exitStatus = 0;
    std::array<Element, PageElements.size()> m_elements;
};

} // namespace velmo
