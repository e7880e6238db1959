#include "pagewindow.h"

#include "composer.h"
#include "picturefiles.h"
#include "placement.h"
#include "platform.h"
#include "programinfo.h"
#include "text.h"
#include "pagefonts.h"
#include "pagepainter.h"
#include "resource.h"
#include "wintext.h"

#include <windowsx.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

namespace velmo {

namespace {

constexpr wchar_t PageClassName[] = L"VelmoNewsPaperPage";
constexpr wchar_t LabelClassName[] = L"VelmoPageLabel";
constexpr wchar_t PictureClassName[] = L"VelmoPictureBox";

// A fixed window: a title bar with the system menu and its close button, no
// resizing, no minimise or maximise buttons.
constexpr DWORD PageStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD PageExStyle = 0;

// Posted by an element to the page when it has been clicked; wParam is the
// element's row in PageElements. Posted rather than sent, so that the
// element's own message has finished before the menu opens or the page
// closes.
constexpr UINT ElementClicked = WM_APP + 1;

// The menu's command ids: MenuIdBase plus the Command. They stay clear of
// IDOK and IDCANCEL.
constexpr UINT MenuIdBase = 0x100;
// The elements' control ids: ElementIdBase plus the row in PageElements.
constexpr int ElementIdBase = 1000;

UINT menuId(Command command)
{
    return MenuIdBase + static_cast<UINT>(command);
}

std::optional<Command> commandOf(UINT id)
{
    for (const MenuItem& item : PageMenu) {
        if (item.kind == MenuItemKind::Command && menuId(item.command) == id) {
            return item.command;
        }
    }
    return std::nullopt;
}

// The text a label's window carries: its caption with line feeds for the
// carriage returns, which screen readers may otherwise read as nothing.
std::wstring windowText(std::u16string_view caption)
{
    std::wstring text = wideString(caption);
    std::replace(text.begin(), text.end(), L'\r', L'\n');
    return text;
}

std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT scaledRect(const Rect& rect, double scale, POINT origin)
{
    // Each edge is scaled on its own, so that elements that touch or overlap
    // by a pixel still do.
    const auto edge = [scale](int value) { return static_cast<LONG>(std::lround(value * scale)); };
    return {origin.x + edge(rect.x), origin.y + edge(rect.y), origin.x + edge(rect.right()), origin.y + edge(rect.bottom())};
}

// The object a window stands for, kept in its GWLP_USERDATA: taken from the
// creation parameters at WM_NCCREATE and given back for every later message
// (null for the few the system sends before it). Also points the object's
// window member at the window there, before WM_CREATE needs it.
template <typename Object>
Object* windowObject(HWND window, UINT message, LPARAM lParam, HWND Object::*windowMember)
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Object*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->*windowMember = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace

PageWindow::PageWindow(HINSTANCE instance, Platform& platform)
    : m_instance(instance)
    , m_platform(platform)
    , m_controller(platform)
{
    for (std::size_t i = 0; i < PageElements.size(); ++i) {
        m_elements[i].row = &PageElements[i];
    }
}

PageWindow::~PageWindow()
{
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
    if (m_menu != nullptr) {
        DestroyMenu(m_menu);
    }
    if (m_accelerators != nullptr) {
        DestroyAcceleratorTable(m_accelerators);
    }
    if (m_background != nullptr) {
        DeleteObject(m_background);
    }
}

bool PageWindow::registerClasses()
{
    const Rgb page = PageBackground;
    m_background = CreateSolidBrush(RGB(page.red, page.green, page.blue));

    WNDCLASSEXW pageClass{};
    pageClass.cbSize = sizeof pageClass;
    pageClass.lpfnWndProc = pageProc;
    pageClass.hInstance = m_instance;
    pageClass.hIcon = LoadIconW(m_instance, VELMO_ICON_NAME);
    pageClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    pageClass.hbrBackground = m_background;
    pageClass.lpszClassName = PageClassName;

    // The elements paint every pixel of their own, background included.
    WNDCLASSEXW elementClass{};
    elementClass.cbSize = sizeof elementClass;
    elementClass.lpfnWndProc = elementProc;
    elementClass.hInstance = m_instance;
    elementClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    elementClass.lpszClassName = LabelClassName;
    WNDCLASSEXW pictureClass = elementClass;
    pictureClass.lpszClassName = PictureClassName;

    return RegisterClassExW(&pageClass) != 0 && RegisterClassExW(&elementClass) != 0 && RegisterClassExW(&pictureClass) != 0;
}

bool PageWindow::create()
{
    assert(m_window == nullptr);
    if (!registerClasses()) {
        return false;
    }
    // The window starts on the monitor under the pointer, so that it takes
    // that monitor's DPI; its size and place follow once the DPI is known.
    POINT pointer{};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;

    if (CreateWindowExW(PageExStyle, PageClassName, wide(ApplicationName), PageStyle, work.left, work.top, ClientWidth,
                        ClientHeight, nullptr, nullptr, m_instance, this)
        == nullptr) {
        return false;
    }
    m_dpi = GetDpiForWindow(m_window);
    RECT frame{0, 0, MulDiv(ClientWidth, static_cast<int>(m_dpi), USER_DEFAULT_SCREEN_DPI),
               MulDiv(ClientHeight, static_cast<int>(m_dpi), USER_DEFAULT_SCREEN_DPI)};
    AdjustWindowRectExForDpi(&frame, PageStyle, FALSE, PageExStyle, m_dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const Point at = centredFramePosition({work.left, work.top, work.right - work.left, work.bottom - work.top}, width, height);
    SetWindowPos(m_window, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    layoutElements();
    return true;
}

void PageWindow::load(RandomSource& source, const std::wstring& folder)
{
    const PageContent page = composeFreshPage(source);
    setElementText(ElementId::BigHeadline, page.headline);
    setElementText(ElementId::MainArticle, page.article);
    setElementText(ElementId::TopicColumn, page.topicColumn);

    for (const PagePicture& picture : pagePictures(page, u16(folder))) {
        Element& box = element(picture.box);
        box.picture = readPictureFile(wideString(hostFileName(picture.fileName)));
        SetWindowTextW(box.window, wide(picture.name));
        InvalidateRect(box.window, nullptr, FALSE);
    }
}

void PageWindow::show(int showCommand)
{
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
}

int PageWindow::run()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!translateKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

bool PageWindow::translateKey(MSG& message)
{
    if (m_window == nullptr) {
        return false;
    }
    if (TranslateAcceleratorW(m_window, m_accelerators, &message) != 0) {
        return true;
    }
    // Tab and Shift+Tab move between the picture boxes in the page's order.
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB
        && (message.hwnd == m_window || IsChild(m_window, message.hwnd))) {
        moveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    return false;
}

std::optional<Command> PageWindow::popupMenu()
{
    POINT pointer{};
    GetCursorPos(&pointer);
    // A pop-up closes on a click elsewhere only while its owner is the
    // foreground window; the posted message lets it close at once after a
    // choice (see the documentation of TrackPopupMenu).
    SetForegroundWindow(m_window);
    const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON;
    const auto chosen = static_cast<UINT>(TrackPopupMenuEx(m_menu, flags, pointer.x, pointer.y, m_window, nullptr));
    PostMessageW(m_window, WM_NULL, 0, 0);
    return commandOf(chosen);
}

void PageWindow::drawPage(HDC dc, POINT origin, double scale) const
{
    const RECT page = scaledRect({0, 0, ClientWidth, ClientHeight}, scale, origin);
    FillRect(dc, &page, m_background);
    for (const Element& item : m_elements) {
        const PageElement& row = *item.row;
        const RECT box = scaledRect(row.rect, scale, origin);
        if (row.kind == ElementKind::Label) {
            const Font font = createPageFont(row.font, scale);
            drawLabel(dc, box, textOf(item.window), font.get(), static_cast<int>(std::lround(row.font.pixelSize * scale)), row);
        } else {
            drawPictureBox(dc, box, item.picture ? &*item.picture : nullptr, scale, row);
        }
    }
}

void PageWindow::closeAfterError()
{
    m_exitStatus = 1;
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    } else {
        PostQuitMessage(m_exitStatus);
    }
}

template <typename Call>
void PageWindow::guarded(Call&& call)
{
    // Exceptions may not cross the system's frames back to the message loop.
    try {
        call();
    } catch (const RuntimeError& error) {
        m_platform.reportUnhandledError(error.message());
        closeAfterError();
    } catch (const std::exception& error) {
        m_platform.reportUnhandledError(fromUtf8(error.what()));
        closeAfterError();
    }
}

LRESULT CALLBACK PageWindow::pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = windowObject(window, message, lParam, &PageWindow::m_window);
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT PageWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        onCreate();
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_COMMAND:
        // Accelerators only: the pop-up returns its choice instead.
        if (HIWORD(wParam) == 1) {
            onCommand(LOWORD(wParam));
        }
        return 0;
    case ElementClicked:
        onElementClicked(static_cast<std::size_t>(wParam));
        return 0;
    case WM_SETFOCUS:
        onSetFocus();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(m_exitStatus);
        return 0;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

void PageWindow::onCreate()
{
    m_dpi = GetDpiForWindow(m_window);
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        Element& item = m_elements[i];
        const PageElement& row = *item.row;
        const bool label = row.kind == ElementKind::Label;
        // Siblings clip each other, so that along the one-pixel overlaps
        // exactly one of them shows.
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        if (row.focus == Focus::Tab) {
            style |= WS_TABSTOP;
        }
        item.window = CreateWindowExW(0, label ? LabelClassName : PictureClassName, windowText(row.caption).c_str(), style, 0, 0,
                                      0, 0, m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ElementIdBase + i)), m_instance,
                                      &item);
        // Each element goes on top of those before it: the later one shows
        // along an overlap.
        SetWindowPos(item.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    m_menu = CreatePopupMenu();
    std::vector<ACCEL> shortcuts;
    for (const MenuItem& item : PageMenu) {
        if (item.kind == MenuItemKind::Separator) {
            AppendMenuW(m_menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring text = wideString(item.caption) + L"\tCtrl+" + static_cast<wchar_t>(item.shortcutLetter);
        AppendMenuW(m_menu, MF_STRING, menuId(item.command), text.c_str());
        // The shortcuts work while the pop-up is closed; in the open pop-up
        // the access keys choose.
        shortcuts.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(item.shortcutLetter), static_cast<WORD>(menuId(item.command))});
    }
    m_accelerators = CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
}

void PageWindow::layoutElements()
{
    const double scale = m_dpi / double(USER_DEFAULT_SCREEN_DPI);
    for (Element& item : m_elements) {
        const RECT box = scaledRect(item.row->rect, scale, {0, 0});
        SetWindowPos(item.window, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (item.row->kind == ElementKind::Label) {
            item.font = createPageFont(item.row->font, scale);
        }
        InvalidateRect(item.window, nullptr, FALSE);
    }
}

void PageWindow::onDpiChanged(UINT dpi, const RECT& suggested)
{
    m_dpi = dpi;
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layoutElements();
}

void PageWindow::onCommand(WORD id)
{
    if (const std::optional<Command> command = commandOf(id)) {
        guarded([this, command] { m_controller.runCommand(*command); });
    }
}

void PageWindow::onElementClicked(std::size_t index)
{
    assert(index < m_elements.size());
    guarded([this, index] { m_controller.click(m_elements[index].row->id); });
}

void PageWindow::onSetFocus()
{
    // The page itself takes no keys: the focus goes on to the picture box
    // that had it last, or to the first.
    if (m_lastFocus == nullptr || !IsWindow(m_lastFocus)) {
        moveFocus(false);
    } else {
        SetFocus(m_lastFocus);
    }
}

void PageWindow::moveFocus(bool backwards)
{
    std::vector<HWND> order;
    for (const Element& item : m_elements) {
        if (item.row->focus == Focus::Tab) {
            order.push_back(item.window);
        }
    }
    const auto current = std::find(order.begin(), order.end(), GetFocus());
    std::size_t next = 0;
    if (current == order.end()) {
        next = backwards ? order.size() - 1 : 0;
    } else {
        const std::size_t at = static_cast<std::size_t>(current - order.begin());
        next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    SetFocus(order[next]);
}

void PageWindow::setElementText(ElementId id, const std::u16string& text)
{
    Element& item = element(id);
    SetWindowTextW(item.window, windowText(text).c_str());
    InvalidateRect(item.window, nullptr, FALSE);
}

LRESULT CALLBACK PageWindow::elementProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* item = windowObject(window, message, lParam, &Element::window);
    auto* page = reinterpret_cast<PageWindow*>(GetWindowLongPtrW(GetParent(window), GWLP_USERDATA));
    if (item == nullptr || page == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return page->handleElementMessage(*item, message, wParam, lParam);
}

LRESULT PageWindow::handleElementMessage(Element& item, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        // A press starts a click; the release completes it over the same
        // element, which keeps the mouse until then.
        if (item.row->focus == Focus::Tab) {
            SetFocus(item.window);
        }
        item.pressedButton = message;
        SetCapture(item.window);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        const bool completes = item.pressedButton == message - 1;
        if (!completes) {
            return 0;
        }
        item.pressedButton = 0;
        ReleaseCapture();
        RECT area{};
        GetClientRect(item.window, &area);
        if (PtInRect(&area, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
            PostMessageW(m_window, ElementClicked, static_cast<WPARAM>(item.row - PageElements.data()), 0);
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        item.pressedButton = 0;
        return 0;
    case WM_SETFOCUS:
        m_lastFocus = item.window;
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintElement(item);
        return 0;
    default:
        return DefWindowProcW(item.window, message, wParam, lParam);
    }
}

void PageWindow::paintElement(Element& item)
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(item.window, &paint);
    RECT box{};
    GetClientRect(item.window, &box);
    const double scale = m_dpi / double(USER_DEFAULT_SCREEN_DPI);
    const PageElement& row = *item.row;
    if (row.kind == ElementKind::Label) {
        drawLabel(dc, box, textOf(item.window), item.font.get(), static_cast<int>(std::lround(row.font.pixelSize * scale)), row);
    } else {
        drawPictureBox(dc, box, item.picture ? &*item.picture : nullptr, scale, row);
    }
    EndPaint(item.window, &paint);
}

} // namespace velmo
