#include "platform.h"
#include "randomsource.h"
#include "text.h"
#include "pagewindow.h"
#include "winplatform.h"
#include "wintext.h"

#include <windows.h>

#include <string>

namespace {

// The folder of the running executable, where the pictures are.
std::wstring programFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\'));
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    velmo::WinPlatform platform;
    velmo::PageWindow window(instance, platform);
    if (!window.create()) {
        platform.reportUnhandledError(u"ウィンドウを作成できません。");
        return 1;
    }
    // The page is complete before the window appears: a picture that
    // cannot be read ends the program before anything is shown.
    velmo::RandomSource random;
    try {
        window.load(random, programFolder());
    } catch (const velmo::RuntimeError& error) {
        platform.reportUnhandledError(error.message());
        return 1;
    } catch (const std::exception& error) {
        platform.reportUnhandledError(velmo::fromUtf8(error.what()));
        return 1;
    }
    platform.setPageWindow(&window);
    window.show(showCommand);
    return window.run();
}
