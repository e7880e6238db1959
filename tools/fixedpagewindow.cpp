// Shows the page window of the Windows front end with the fixed page of
// velmo-page-screenshot, so that the two front ends' drawing of the same page
// can be set side by side (tools/comparefixedpage). It behaves as the program
// does in every other way. It runs beside velmo-newspaper.exe, since the page
// reads its pictures from the executable's folder.

#include "platform.h"
#include "fixedrandomsource.h"
#include "pagewindow.h"
#include "winplatform.h"

#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    velmo::WinPlatform platform;
    velmo::PageWindow window(instance, platform);
    if (!window.create()) {
        return 1;
    }
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring executable(path);
    velmo::FixedRandomSource values(velmo::ScreenshotPageValues);
    try {
        window.load(values, executable.substr(0, executable.find_last_of(L'\\')));
    } catch (const velmo::RuntimeError& error) {
        platform.reportUnhandledError(error.message());
        return 1;
    }
    platform.setPageWindow(&window);
    window.show(showCommand);
    return window.run();
}
