// Shows the page window of the Windows front end with the fixed page of
// velmo-page-screenshot, so that the two front ends' drawing of the same page
// can be set side by side (tools/comparefixedpage). It behaves as the program
// does in every other way. It runs beside velmo-newspaper.exe, since the page
// reads its pictures from the executable's folder.
//
//   velmo-fixed-page.exe [--lines FILE]
//   --lines FILE   writes the lines of each label as the page has laid them
//                  out, one line of UTF-8 a label in the layout's order, and
//                  ends without showing the window

#include "errorguard.h"
#include "fixedrandomsource.h"
#include "pagewindow.h"
#include "textlayout.h"
#include "winplatform.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    velmo::WinPlatform platform;
    velmo::PageWindow window(instance, platform);
    platform.setPageWindow(&window);
    velmo::FixedRandomSource values(velmo::ScreenshotPageValues);
    if (!velmo::runGuarded(platform, [&] { window.load(values); })) {
        return 1;
    }
    if (__argc == 3 && std::wstring_view(__wargv[1]) == L"--lines") {
        std::ofstream out(std::filesystem::path(__wargv[2]), std::ios::binary);
        for (const velmo::PageElement& element : velmo::PageElements) {
            if (element.kind == velmo::ElementKind::Label) {
                out << velmo::describeLines(element, window.lines(element.id)) << '\n';
            }
        }
        return out.flush() ? 0 : 1;
    }
    return window.run(showCommand);
}
