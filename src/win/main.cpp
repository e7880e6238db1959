#include "errorguard.h"
#include "pagewindow.h"
#include "randomsource.h"
#include "winplatform.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    velmo::WinPlatform platform;
    velmo::PageWindow window(instance, platform);
    platform.setPageWindow(&window);
    // The page is complete before the window appears: a picture that
    // cannot be read ends the program before anything is shown.
    velmo::RandomSource random;
    if (!velmo::runGuarded(platform, [&] { window.load(random); })) {
        return 1;
    }
    return window.run(showCommand);
}
