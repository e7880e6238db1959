// Reports what the running page shows, one JSON object a line, for the test
// driver (tests/win/run). Usage: velmo-win-probe page | boxes | menu | focus
//   page   the page window: client size and place on the screen, then each
//          child window: control id, class, text, rectangle in client
//          coordinates, whether it takes the Tab key
//   boxes  every visible dialog or message box: title and the texts of its
//          static controls and buttons
//   menu   that a pop-up menu is open and its top left corner on the screen,
//          then its items where the system lets another process read them
//          (Wine does not)
//   focus  the window that has the keyboard focus in the page's thread
// Exits with 2 when the page window (or for menu, an open pop-up) is not there.

#include "core/text.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string json(const std::wstring& text)
{
    std::string out = "\"";
    for (unsigned char c : velmo::toUtf8(std::u16string(text.begin(), text.end()))) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::wstring textOf(HWND window)
{
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return text;
}

std::wstring classOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

void emit(const std::string& line)
{
    std::fputs((line + "\n").c_str(), stdout);
}

HWND pageWindow()
{
    return FindWindowW(L"VelmoNewsPaperPage", nullptr);
}

BOOL CALLBACK reportChild(HWND child, LPARAM page)
{
    if (GetParent(child) != reinterpret_cast<HWND>(page)) {
        return TRUE;
    }
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(page), reinterpret_cast<POINT*>(&r), 2);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "\"id\":%d,\"rect\":[%ld,%ld,%ld,%ld],\"tabstop\":%s,\"visible\":%s",
                  GetDlgCtrlID(child), r.left, r.top, r.right - r.left, r.bottom - r.top, (style & WS_TABSTOP) ? "true" : "false",
                  IsWindowVisible(child) ? "true" : "false");
    emit("{\"child\":{" + std::string(numbers) + ",\"class\":" + json(classOf(child)) + ",\"text\":" + json(textOf(child)) + "}}");
    return TRUE;
}

int reportPage()
{
    HWND page = pageWindow();
    if (page == nullptr) {
        return 2;
    }
    RECT client{};
    GetClientRect(page, &client);
    POINT origin{0, 0};
    ClientToScreen(page, &origin);
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "\"client\":[%ld,%ld],\"origin\":[%ld,%ld],\"visible\":%s", client.right, client.bottom,
                  origin.x, origin.y, IsWindowVisible(page) ? "true" : "false");
    emit("{\"page\":{" + std::string(numbers) + ",\"title\":" + json(textOf(page)) + "}}");
    EnumChildWindows(page, reportChild, reinterpret_cast<LPARAM>(page));
    return 0;
}

BOOL CALLBACK reportBoxText(HWND child, LPARAM texts)
{
    const std::wstring name = classOf(child);
    if ((name == L"Static" || name == L"Button") && IsWindowVisible(child) && !textOf(child).empty()) {
        auto& all = *reinterpret_cast<std::string*>(texts);
        all += (all.empty() ? "" : ",") + json(textOf(child));
    }
    return TRUE;
}

BOOL CALLBACK reportBox(HWND window, LPARAM)
{
    if (IsWindowVisible(window) && classOf(window) == L"#32770") {
        std::string texts;
        EnumChildWindows(window, reportBoxText, reinterpret_cast<LPARAM>(&texts));
        emit("{\"box\":{\"title\":" + json(textOf(window)) + ",\"texts\":[" + texts + "]}}");
    }
    return TRUE;
}

int reportMenu()
{
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (popup == nullptr || !IsWindowVisible(popup)) {
        return 2;
    }
    RECT place{};
    GetWindowRect(popup, &place);
    emit("{\"menu\":{\"open\":true,\"at\":[" + std::to_string(place.left) + "," + std::to_string(place.top) + "]}}");
    constexpr UINT GetMenuHandle = 0x01E1; // MN_GETHMENU
    auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, GetMenuHandle, 0, 0));
    for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 256;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        char numbers[80];
        std::snprintf(numbers, sizeof numbers, "\"separator\":%s", (item.fType & MFT_SEPARATOR) ? "true" : "false");
        emit("{\"item\":{" + std::string(numbers) + ",\"text\":" + json(text) + "}}");
    }
    return 0;
}

int reportFocus()
{
    HWND page = pageWindow();
    if (page == nullptr) {
        return 2;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(page, nullptr), &info);
    emit("{\"focus\":{\"id\":" + std::to_string(info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0) + ",\"text\":"
         + json(info.hwndFocus ? textOf(info.hwndFocus) : L"") + "}}");
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring what = argc > 1 ? argv[1] : L"page";
    if (what == L"page") {
        return reportPage();
    }
    if (what == L"boxes") {
        EnumWindows(reportBox, 0);
        return 0;
    }
    if (what == L"menu") {
        return reportMenu();
    }
    if (what == L"focus") {
        return reportFocus();
    }
    return 64;
}
