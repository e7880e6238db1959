// Reports what the running program shows, one JSON object a line, for the
// test driver (tests/win/run). Usage: velmo-win-probe page | popups
//   page    the page window: client size, place on the screen, whether it is
//           shown and the control id of the window with the keyboard focus in
//           its thread, then each child window's control id and rectangle in
//           client coordinates; exits with 2 when there is no page window
//   popups  every visible dialog or message box (title and the texts of its
//           static controls and buttons) and pop-up menu (its top left corner
//           on the screen)

#include "text.h"

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

BOOL CALLBACK reportChild(HWND child, LPARAM page)
{
    if (GetParent(child) == reinterpret_cast<HWND>(page)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, reinterpret_cast<HWND>(page), reinterpret_cast<POINT*>(&r), 2);
        std::printf("{\"child\":{\"id\":%d,\"rect\":[%ld,%ld,%ld,%ld]}}\n", GetDlgCtrlID(child), r.left, r.top, r.right - r.left,
                    r.bottom - r.top);
    }
    return TRUE;
}

int reportPage()
{
    HWND page = FindWindowW(L"VelmoNewsPaperPage", nullptr);
    if (page == nullptr) {
        return 2;
    }
    RECT client{};
    GetClientRect(page, &client);
    POINT origin{0, 0};
    ClientToScreen(page, &origin);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(page, nullptr), &thread);
    std::printf("{\"page\":{\"client\":[%ld,%ld],\"origin\":[%ld,%ld],\"visible\":%s,\"focus\":%d}}\n", client.right, client.bottom,
                origin.x, origin.y, IsWindowVisible(page) ? "true" : "false", thread.hwndFocus ? GetDlgCtrlID(thread.hwndFocus) : 0);
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

BOOL CALLBACK reportPopup(HWND window, LPARAM)
{
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    if (classOf(window) == L"#32770") {
        std::string texts;
        EnumChildWindows(window, reportBoxText, reinterpret_cast<LPARAM>(&texts));
        std::printf("{\"box\":{\"title\":%s,\"texts\":[%s]}}\n", json(textOf(window)).c_str(), texts.c_str());
    } else if (classOf(window) == L"#32768") {
        RECT place{};
        GetWindowRect(window, &place);
        std::printf("{\"menu\":{\"at\":[%ld,%ld]}}\n", place.left, place.top);
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring what = argc > 1 ? argv[1] : L"page";
    if (what == L"page") {
        return reportPage();
    }
    if (what == L"popups") {
        EnumWindows(reportPopup, 0);
        return 0;
    }
    return 64;
}
