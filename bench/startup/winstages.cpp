// Where the Windows program's start goes. With --rounds N (15 by default) it
// starts itself 2N times with --once, alternately the page (the program's own
// classes, in its order; the carried fonts registered and the fonts resolved
// first, as its first measure does) and a bare window like
// velmo-bench-bare-window's, and prints min / median milliseconds of each
// step. The steps are told apart by the messages the windows get: what goes
// before a label's WM_SETTEXT is the measuring of its caption, before a
// picture box's the reading of its picture.

#include "carriedfonts.h"
#include "pagefonts.h"
#include "pagewindow.h"
#include "randomsource.h"
#include "winplatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

enum Step { BeforeMain, Register, Resolve, Page, Children, MeasureHeadline, MeasureFixed, Layout, MeasurePage, Pictures,
            Show, PaintLabels, PaintBoxes, PaintBare, Frame, CpuBeforeMain, CpuFrame, StepCount };
constexpr const char* StepNames[StepCount] = {"process creation to wWinMain", "registering the carried fonts",
    "resolving the fonts of the 5 roles", "window system, page window up to WM_CREATE", "10 child windows in WM_CREATE",
    "measuring the headline's placeholder", "measuring the other fixed captions", "placing window and children, label fonts",
    "measuring the page's 3 captions", "reading the 4 pictures", "ShowWindow until the first child WM_PAINT",
    "first WM_PAINT of the 6 labels", "first WM_PAINT of the 4 picture boxes", "first WM_PAINT of the bare window",
    "wWinMain to the last first WM_PAINT", "CPU before wWinMain", "CPU to the last first WM_PAINT"};
constexpr wchar_t PageClass[] = L"VelmoNewsPaperPage", LabelClass[] = L"VelmoPageLabel";

double steps[StepCount]{};
double last = 0;
Step current = Page;
int fixedCaptions = 0;
HWND page = nullptr;
std::map<HWND, WNDPROC> procedures; // of the page's children
std::set<HWND> painted;

// Adds the time since the last charge to step; StepCount only notes the time.
void charge(Step step)
{
    const double now = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
    steps[std::min(step, CpuFrame)] += step == StepCount ? 0 : now - last;
    last = now;
}

// The process's processor time, user and system (Wine counts it in 10 ms
// ticks), and the time since the process was created, in milliseconds.
std::pair<double, double> processTimes()
{
    FILETIME times[5]{};
    GetProcessTimes(GetCurrentProcess(), &times[0], &times[1], &times[2], &times[3]);
    GetSystemTimePreciseAsFileTime(&times[4]);
    const auto ms = [&times](int i) { return static_cast<double>((ULONGLONG(times[i].dwHighDateTime) << 32) | times[i].dwLowDateTime) / 1e4; };
    return {ms(2) + ms(3), ms(4) - ms(0)};
}

bool isOfClass(HWND window, const wchar_t* className)
{
    wchar_t name[32]{};
    GetClassNameW(window, name, 32);
    return std::wcscmp(name, className) == 0;
}

LRESULT CALLBACK onSent(int code, WPARAM wParam, LPARAM lParam)
{
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    const bool toPage = isOfClass(sent.hwnd, PageClass);
    if (sent.message == WM_SETTEXT && !toPage) {
        charge(!isOfClass(sent.hwnd, LabelClass) ? Pictures : current == Layout ? MeasurePage : fixedCaptions++ == 0 ? MeasureHeadline : MeasureFixed);
    } else {
        // The page's WM_CREATE makes the children, each announced to it by WM_PARENTNOTIFY.
        const Step next = toPage && sent.message == WM_CREATE ? Children
                        : toPage && current == Children && sent.message != WM_PARENTNOTIFY ? Layout : current;
        charge(current);
        current = next;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Each window's first WM_PAINT: the page's children, or the bare window,
// which this procedure also serves. After the last of them the start ends.
LRESULT CALLBACK watched(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC original = procedures.count(window) != 0 ? procedures[window] : DefWindowProcW;
    if (message != WM_PAINT || painted.count(window) != 0) {
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    charge(Show);
    const LRESULT result = CallWindowProcW(original, window, WM_PAINT, wParam, lParam);
    charge(procedures.empty() ? PaintBare : isOfClass(window, LabelClass) ? PaintLabels : PaintBoxes);
    if (painted.insert(window).second && painted.size() == std::max<std::size_t>(1, procedures.size())) {
        steps[CpuFrame] = processTimes().first;
        PostQuitMessage(0); // the page window goes with its owner
    }
    return result;
}

void startOnce(HINSTANCE instance, int showCommand, bool isPage)
{
    std::tie(steps[CpuBeforeMain], steps[BeforeMain]) = processTimes();
    charge(StepCount);
    const double start = last;
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, onSent, nullptr, GetCurrentThreadId());
    velmo::WinPlatform platform;
    velmo::PageWindow window(instance, platform);
    if (isPage) {
        velmo::CarriedFonts::instance();
        charge(Register);
        for (const velmo::PageElement& row : velmo::PageElements) {
            velmo::PageFonts::create(row.font, 1); // resolved on the first call of a role
        }
        charge(Resolve);
        platform.setPageWindow(&window);
        velmo::RandomSource random;
        window.load(random);
        page = window.handle();
        EnumChildWindows(page, [](HWND child, LPARAM) {
            procedures[child] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watched)));
            return TRUE; }, 0);
    } else { // as velmo-bench-bare-window
        constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
        const WNDCLASSEXW windowClass{sizeof windowClass, 0, watched, 0, 0, instance, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, PageClass, nullptr};
        RegisterClassExW(&windowClass);
        RECT frame{0, 0, 327, 440};
        AdjustWindowRectExForDpi(&frame, style, FALSE, 0, GetDpiForSystem());
        page = CreateWindowExW(0, PageClass, L"Velmo NewsPaper", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                               frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    }
    charge(Layout);
    UnhookWindowsHookEx(hook);
    ShowWindow(page, showCommand); // for the page, done again by run()
    UpdateWindow(page);
    window.run(showCommand); // with no page loaded only a message loop, which serves the bare window as well
    steps[Frame] = last - start;
    for (int step = 0; step < StepCount; ++step) {
        std::printf("%d %.3f\n", step, steps[step]);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    if (std::wcsstr(commandLine, L"--once") != nullptr) {
        startOnce(instance, showCommand, std::wcsstr(commandLine, L"--bare") == nullptr);
        return 0;
    }
    int count = 15;
    std::swscanf(commandLine, L"--rounds %d", &count);
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    std::vector<double> samples[2][StepCount];
    for (int start = 0; start < 2 * std::max(1, count); ++start) {
        FILE* child = _wpopen((L"\"\"" + self + (start % 2 != 0 ? L"\" --once --bare\"" : L"\" --once\"")).c_str(), L"r");
        int step = 0;
        for (double value = 0; child != nullptr && std::fscanf(child, "%d %lf", &step, &value) == 2 && step >= 0 && step < StepCount;) {
            samples[start % 2][step].push_back(value);
        }
        if (child == nullptr || _pclose(child) != 0) {
            std::fprintf(stderr, "%ls --once failed\n", self.c_str());
            return 1;
        }
    }
    std::printf("| step (%d starts each) | page min | page median | bare min | bare median |\n|---|---|---|---|---|\n", count);
    for (int step = 0; step < StepCount; ++step) {
        std::printf("| %s |", StepNames[step]);
        for (std::vector<double>* values : {&samples[0][step], &samples[1][step]}) {
            std::sort(values->begin(), values->end());
            std::printf(" %.1f | %.1f |", values->front(), (*values)[values->size() / 2]);
        }
        std::printf("\n");
    }
    return 0;
}
