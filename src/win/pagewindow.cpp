#include "pagewindow.h"

#include "composer.h"
#include "errorguard.h"
#include "picturefiles.h"
#include "placement.h"
#include "programinfo.h"
#include "wintext.h"

#include <windowsx.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <functional>

namespace velmo {

namespace {

constexpr wchar_t PageClassName[] = L"VelmoNewsPaperPage";
constexpr wchar_t LabelClassName[] = L"VelmoPageLabel";
constexpr wchar_t PictureClassName[] = L"VelmoPictureBox";

// A fixed window: a title bar with the system menu and its close button, no
// resizing, no minimise or maximise buttons.
constexpr DWORD PageStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

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
    return id >= menuId(Command::PrintOption) && id <= menuId(Command::Quit) ? std::optional(static_cast<Command>(id - MenuIdBase))
                                                                             : std::nullopt;
}

COLORREF colourRef(Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

void fill(HDC dc, const RECT& area, COLORREF colour)
{
    // ExtTextOut with an opaque rectangle fills without a brush to create.
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// The classic sunken frame: an outer line dark at the top and left and light
// at the bottom and right, and within it a darker and a lighter one, each
// line thick pixels wide. This is what DrawEdge draws with EDGE_SUNKEN at one
// pixel; drawn by hand it keeps its proportion on a printer.
void drawSunkenFrame(HDC dc, RECT box, int thick)
{
    const auto line = [dc, thick](const RECT& r, int topLeftColour, int bottomRightColour) {
        fill(dc, {r.left, r.top, r.right, r.top + thick}, GetSysColor(topLeftColour));
        fill(dc, {r.left, r.top, r.left + thick, r.bottom}, GetSysColor(topLeftColour));
        fill(dc, {r.left, r.bottom - thick, r.right, r.bottom}, GetSysColor(bottomRightColour));
        fill(dc, {r.right - thick, r.top + thick, r.right, r.bottom}, GetSysColor(bottomRightColour));
    };
    line(box, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    InflateRect(&box, -thick, -thick);
    line(box, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
}

// A label: its background, then the lines the core has laid out, each at its
// baseline and each character at its measured advance, scaled, in font (the
// label's font made at scale), cut at the box.
void drawLabel(HDC dc, const RECT& box, const std::vector<TextLine>& lines, HFONT font, double scale, const PageElement& element)
{
    const SavedDc saved(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    fill(dc, box, colourRef(element.background));
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourRef(element.foreground));
    SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    for (const TextLine& line : lines) {
        // Each character where the layout put it, so that the window at any
        // DPI and the printer show the lines as they were laid out.
        const std::vector<int> dx = scaledAdvances(line.advances, scale);
        ExtTextOutW(dc, box.left, box.top + static_cast<int>(std::lround(line.baseline * scale)), 0, nullptr,
                    wide(line.text.data()), static_cast<UINT>(line.text.size()), dx.data());
    }
}

// A picture box: the two-pixel sunken frame, and inside it the picture at its
// natural size from the top left, cut at the frame, on the page's background.
// picture may be null before the page is loaded.
void drawPictureBox(HDC dc, const RECT& box, const Picture* picture, double scale, const PageElement& element)
{
    const SavedDc saved(dc);
    const int thick = std::max(1, static_cast<int>(std::lround(scale * PictureFrameWidth / 2.0)));
    drawSunkenFrame(dc, box, thick);

    RECT inside = box;
    InflateRect(&inside, -2 * thick, -2 * thick);
    fill(dc, inside, colourRef(element.background));
    if (picture == nullptr) {
        return;
    }
    IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    // Pixels are repeated, never blended, so the flat-colour drawings stay
    // crisp at any size and reach a printer exactly as they are.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, inside.left, inside.top, static_cast<int>(std::lround(picture->width() * scale)),
                  static_cast<int>(std::lround(picture->height() * scale)), 0, 0, picture->width(), picture->height(),
                  picture->bits(), picture->info(), DIB_RGB_COLORS, SRCCOPY);
}

// The page's window classes, registered once per process. The elements
// paint every pixel of their own, background included.
void registerClasses(HINSTANCE instance, WNDPROC pageProc, WNDPROC elementProc)
{
    [[maybe_unused]] static const bool registered = [&] {
        static const Brush background(CreateSolidBrush(colourRef(PageBackground)));
        WNDCLASSEXW page{};
        page.cbSize = sizeof page;
        page.lpfnWndProc = pageProc;
        page.hInstance = instance;
        // The icon of the program's resource script.
        page.hIcon = LoadIconW(instance, L"IDI_ICON1");
        page.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        page.hbrBackground = background.get();
        page.lpszClassName = PageClassName;
        WNDCLASSEXW element = page;
        element.lpfnWndProc = elementProc;
        element.hIcon = nullptr;
        element.hbrBackground = nullptr;
        for (const wchar_t* name : {LabelClassName, PictureClassName}) {
            element.lpszClassName = name;
            RegisterClassExW(&element);
        }
        return RegisterClassExW(&page) != 0;
    }();
}

RECT deviceRect(const Rect& rect, double scale, POINT origin)
{
    const Rect scaled = scaledRect(rect, scale);
    return {origin.x + scaled.x, origin.y + scaled.y, origin.x + scaled.right(), origin.y + scaled.bottom()};
}

// The folder of the running executable, where the pictures are.
std::u16string programFolder()
{
    std::wstring path(32768, L'\0'); // the longest path Windows has
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return u16(path.substr(0, path.find_last_of(L'\\')));
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
}

void PageWindow::load(RandomSource& source)
{
    assert(m_window == nullptr);
    registerClasses(m_instance, pageProc, elementProc);
    // The window starts on the monitor under the pointer, so that it takes
    // that monitor's DPI; its size and place follow once the DPI is known.
    POINT pointer{};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    if (CreateWindowExW(0, PageClassName, wide(ApplicationName), PageStyle, work.left, work.top,
                        ClientWidth, ClientHeight, nullptr, nullptr, m_instance, this)
        == nullptr) {
        throw RuntimeError(u"ウィンドウを作成できません（" + systemMessage(GetLastError()) + u"）。");
    }
    RECT frame = deviceRect({0, 0, ClientWidth, ClientHeight}, scale(), {0, 0});
    AdjustWindowRectExForDpi(&frame, PageStyle, FALSE, 0, m_dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const Point at = centredFramePosition({work.left, work.top, work.right - work.left, work.bottom - work.top}, width, height);
    SetWindowPos(m_window, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    layoutElements();

    // The page is complete before the window appears.
    const PageContent page = composeFreshPage(source);
    setCaption(m_elements[static_cast<std::size_t>(ElementId::BigHeadline)], page.headline);
    setCaption(m_elements[static_cast<std::size_t>(ElementId::MainArticle)], page.article);
    setCaption(m_elements[static_cast<std::size_t>(ElementId::TopicColumn)], page.topicColumn);
    for (const PagePicture& picture : pagePictures(page, programFolder())) {
        Element& box = m_elements[static_cast<std::size_t>(picture.box)];
        box.picture.emplace(hostFileName(picture.fileName));
        SetWindowTextW(box.window, wideString(picture.name).c_str());
        InvalidateRect(box.window, nullptr, FALSE);
    }
}

int PageWindow::run(int showCommand)
{
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
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
    if (TranslateAcceleratorW(m_window, m_accelerators.get(), &message) != 0) {
        return true;
    }
    // Tab and Shift+Tab move between the picture boxes in the page's order.
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB
        && (message.hwnd == m_window || IsChild(m_window, message.hwnd))) {
        moveFocus(GetKeyState(VK_SHIFT) < 0 ? TabDirection::Backward : TabDirection::Forward);
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
    const auto chosen = static_cast<UINT>(TrackPopupMenuEx(m_menu.get(), flags, pointer.x, pointer.y, m_window, nullptr));
    PostMessageW(m_window, WM_NULL, 0, 0);
    return commandOf(chosen);
}

void PageWindow::drawPage(HDC dc, POINT origin, double scale) const
{
    const RECT page = deviceRect({0, 0, ClientWidth, ClientHeight}, scale, origin);
    fill(dc, page, colourRef(PageBackground));
    for (const Element& item : m_elements) {
        const Font font = item.row->kind == ElementKind::Label ? PageFonts::create(item.row->font, scale) : Font();
        drawElement(dc, item, deviceRect(item.row->rect, scale, origin), scale, font.get());
    }
}

void PageWindow::drawElement(HDC dc, const Element& item, const RECT& box, double scale, HFONT font) const
{
    if (item.row->kind == ElementKind::Label) {
        drawLabel(dc, box, item.lines, font, scale, *item.row);
    } else {
        drawPictureBox(dc, box, item.picture ? &*item.picture : nullptr, scale, *item.row);
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

template <typename Handler>
LRESULT PageWindow::guarded(Handler&& handler)
{
    // Exceptions may not cross the system's frames back to the message loop.
    LRESULT result = 0;
    const auto call = [&] { result = handler(); };
    if (!runGuarded(m_platform, std::cref(call))) {
        closeAfterError();
    }
    return result;
}

LRESULT CALLBACK PageWindow::pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = windowObject(window, message, lParam, &PageWindow::m_window);
    return self == nullptr ? DefWindowProcW(window, message, wParam, lParam)
                           : self->guarded([=] { return self->handleMessage(window, message, wParam, lParam); });
}

LRESULT PageWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        onCreate();
        return 0;
    case WM_DPICHANGED: {
        m_dpi = HIWORD(wParam);
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        layoutElements();
        return 0;
    }
    case WM_COMMAND:
        // Accelerators only: the pop-up returns its choice instead.
        if (const std::optional<Command> command = commandOf(LOWORD(wParam)); command && HIWORD(wParam) == 1) {
            m_controller.runCommand(*command);
        }
        return 0;
    case ElementClicked:
        assert(wParam < m_elements.size());
        m_controller.click(m_elements[wParam].row->id);
        return 0;
    case WM_SETFOCUS:
        onSetFocus();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(m_exitStatus);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        m_window = nullptr;
        [[fallthrough]];
    default:
        return DefWindowProcW(window, message, wParam, lParam);
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
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (row.focus == Focus::Tab ? WS_TABSTOP : 0);
        item.window = CreateWindowExW(0, label ? LabelClassName : PictureClassName, L"", style, 0, 0, 0, 0, m_window,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ElementIdBase + i)), m_instance, &item);
        // Each element goes on top of those before it: the later one shows
        // along an overlap.
        SetWindowPos(item.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (label) {
            setCaption(item, row.caption);
        }
    }

    m_menu.reset(CreatePopupMenu());
    std::vector<ACCEL> shortcuts;
    for (const MenuItem& item : PageMenu) {
        if (item.kind == MenuItemKind::Separator) {
            AppendMenuW(m_menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring text = wideString(item.caption) + L"\tCtrl+" + static_cast<wchar_t>(item.shortcutLetter);
        AppendMenuW(m_menu.get(), MF_STRING, menuId(item.command), text.c_str());
        // The shortcuts work while the pop-up is closed; in the open pop-up
        // the access keys choose.
        shortcuts.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(item.shortcutLetter), static_cast<WORD>(menuId(item.command))});
    }
    m_accelerators.reset(CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size())));
}

void PageWindow::setCaption(Element& item, std::u16string_view caption)
{
    // Laid out once, at 96 dots per inch; the window and the printer draw the
    // same lines at their scale.
    item.lines = layoutLabel(caption, item.row->font, item.row->rect.width, item.row->rect.height, m_fonts);
    SetWindowTextW(item.window, wideString(spokenCaption(caption)).c_str());
    InvalidateRect(item.window, nullptr, FALSE);
}

void PageWindow::layoutElements()
{
    for (Element& item : m_elements) {
        const RECT box = deviceRect(item.row->rect, scale(), {0, 0});
        SetWindowPos(item.window, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (item.row->kind == ElementKind::Label) {
            item.font = PageFonts::create(item.row->font, scale());
        }
        InvalidateRect(item.window, nullptr, FALSE);
    }
}

void PageWindow::onSetFocus()
{
    // The page itself takes no keys: the focus goes on to the picture box
    // that had it last, or to the first.
    if (m_lastFocus == nullptr || !IsWindow(m_lastFocus)) {
        moveFocus(TabDirection::Forward);
    } else {
        SetFocus(m_lastFocus);
    }
}

void PageWindow::moveFocus(TabDirection direction)
{
    const auto focused = std::find_if(m_elements.begin(), m_elements.end(), [](const Element& item) { return item.window == GetFocus(); });
    const ElementId next = nextTabStop(focused == m_elements.end() ? std::nullopt : std::optional(focused->row->id), direction);
    SetFocus(m_elements[static_cast<std::size_t>(next)].window);
}

LRESULT CALLBACK PageWindow::elementProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* item = windowObject(window, message, lParam, &Element::window);
    auto* page = reinterpret_cast<PageWindow*>(GetWindowLongPtrW(GetParent(window), GWLP_USERDATA));
    return item == nullptr || page == nullptr ? DefWindowProcW(window, message, wParam, lParam)
                                              : page->guarded([=] { return page->handleElementMessage(*item, message, wParam, lParam); });
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
        if (item.pressedButton != message - 1) {
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
    case WM_PAINT: {
        const PaintDc dc(item.window);
        RECT box{};
        GetClientRect(item.window, &box);
        drawElement(dc.get(), item, box, scale(), item.font.get());
        return 0;
    }
    default:
        return DefWindowProcW(item.window, message, wParam, lParam);
    }
}

} // namespace velmo
