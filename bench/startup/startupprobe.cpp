// Measures one start of a windowed program on an X server: the time from the
// fork that starts it to its window being mapped and to the window's first
// complete frame, and the program's peak resident memory. Then it closes the
// window the way a window manager's close button does and waits for the
// program to end.
//
// Usage: velmo-startup-probe [options] -- program [arguments...]
//   --title TEXT      title of the window to wait for ("Velmo NewsPaper")
//   --timeout SEC     give up after this many seconds (20)
//   --settle MS       wait this long after the first frame before reading
//                     the peak memory and closing (300)
//   --poll-us US      pause between two looks at the window's pixels (1000)
//   --key RRGGBB      colour given to the root window; a window pixel of this
//                     colour has not been painted yet (01FE03)
//   --final           also report when the window first showed its final
//                     frame (final_ms, see below)
//
// The probe paints the root window in the key colour before it starts the
// program. Qt creates its windows without a background of their own, so the
// server leaves a freshly mapped window showing what lay beneath it (the
// key colour) until the program draws. The window counts as painted once not
// one of its pixels has the key colour: the whole page, pictures included,
// is then on the screen.
//
// Some programs cover the whole window before they draw all of it: Wine
// erases the page's background and shows it before every element has
// painted itself. With --final the probe keeps reading the whole window
// (every 5 ms at most) through the settle time; the last frame it sees is
// the final one, and final_ms is when the window began to show it without
// a change after.
//
// Prints one line of name=value pairs on success, times in milliseconds
// since the fork:
//   mapped_ms       the titled window was mapped
//   first_pixel_ms  a first pixel of the window's middle row or column was
//                   painted
//   painted_ms      no pixel of the window has the key colour any more
//   final_ms        (with --final) the window shows its final frame
//   vmhwm_kb        the program's peak resident memory, kB, read just before
//   vmrss_kb        closing, and its resident memory at that moment
//   close_ms        from the close request to the end of the program
//   cpu_ms          processor time the program used over its whole run,
//                   user and system, all threads: unlike the times above it
//                   hardly depends on what else the machine is doing
//   exit            the program's exit status
// and exits with 0. On failure prints "error=<reason>" and exits with 1; a
// program still running then is killed.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string title = "Velmo NewsPaper";
    double timeoutSeconds = 20.0;
    int settleMs = 300;
    int pollMicroseconds = 1000;
    std::uint32_t key = 0x01FE03;
    bool final = false;
    std::vector<char*> command;
};

struct Probe {
    Display* display = nullptr;
    Window root = 0;
    pid_t child = -1;
    double origin = 0.0;
    Atom netWmName = 0;
    Atom utf8String = 0;
    Atom netWmPid = 0;
    Atom wmProtocols = 0;
    Atom wmDeleteWindow = 0;
};

bool g_xError = false;

int recordXError(Display*, XErrorEvent*)
{
    g_xError = true;
    return 0;
}

double now()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1.0e6;
}

[[noreturn]] void usage(const char* message)
{
    std::fprintf(stderr, "velmo-startup-probe: %s\n", message);
    std::fprintf(stderr,
                 "usage: velmo-startup-probe [--title TEXT] [--timeout SEC] [--settle MS] [--poll-us US] [--key RRGGBB] [--final] "
                 "-- program [arguments...]\n");
    std::exit(2);
}

Options parseOptions(int argc, char* argv[])
{
    Options options;
    int i = 1;
    auto value = [&](const char* name) -> const char* {
        if (i + 1 >= argc) {
            usage((std::string("missing value for ") + name).c_str());
        }
        return argv[++i];
    };
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--title") {
            options.title = value("--title");
        } else if (arg == "--timeout") {
            options.timeoutSeconds = std::atof(value("--timeout"));
        } else if (arg == "--settle") {
            options.settleMs = std::atoi(value("--settle"));
        } else if (arg == "--poll-us") {
            options.pollMicroseconds = std::atoi(value("--poll-us"));
        } else if (arg == "--key") {
            options.key = static_cast<std::uint32_t>(std::strtoul(value("--key"), nullptr, 16)) & 0xFFFFFFu;
        } else if (arg == "--final") {
            options.final = true;
        } else {
            usage(("unknown option " + arg).c_str());
        }
    }
    for (; i < argc; ++i) {
        options.command.push_back(argv[i]);
    }
    if (options.command.empty()) {
        usage("no program given");
    }
    options.command.push_back(nullptr);
    return options;
}

[[noreturn]] void fail(Probe& probe, const std::string& reason)
{
    std::printf("error=%s\n", reason.c_str());
    std::fflush(stdout);
    if (probe.child > 0) {
        kill(probe.child, SIGKILL);
        waitpid(probe.child, nullptr, 0);
    }
    std::exit(1);
}

// The pixel value of an RGB colour on a TrueColor visual.
unsigned long pixelOf(const Visual* visual, std::uint32_t rgb)
{
    auto place = [](unsigned long mask, std::uint32_t component) {
        if (mask == 0) {
            return 0ul;
        }
        int shift = 0;
        while (((mask >> shift) & 1ul) == 0) {
            ++shift;
        }
        int bits = 0;
        while (((mask >> (shift + bits)) & 1ul) != 0) {
            ++bits;
        }
        const unsigned long scaled = bits >= 8 ? static_cast<unsigned long>(component) << (bits - 8)
                                               : static_cast<unsigned long>(component) >> (8 - bits);
        return (scaled << shift) & mask;
    };
    return place(visual->red_mask, (rgb >> 16) & 0xFF) | place(visual->green_mask, (rgb >> 8) & 0xFF)
           | place(visual->blue_mask, rgb & 0xFF);
}

std::optional<std::string> textProperty(Probe& probe, Window window, Atom property, Atom type)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    g_xError = false;
    const int status = XGetWindowProperty(probe.display, window, property, 0, 1024, False, type, &actualType, &format,
                                          &count, &after, &data);
    XSync(probe.display, False);
    if (status != Success || g_xError || data == nullptr || actualType == None || format != 8) {
        if (data != nullptr) {
            XFree(data);
        }
        return std::nullopt;
    }
    std::string text(reinterpret_cast<const char*>(data), count);
    XFree(data);
    return text;
}

bool hasTitle(Probe& probe, Window window, const std::string& title)
{
    if (const auto name = textProperty(probe, window, probe.netWmName, probe.utf8String); name && *name == title) {
        return true;
    }
    const auto name = textProperty(probe, window, XA_WM_NAME, AnyPropertyType);
    return name && *name == title;
}

// Whether the window belongs to another process than the probed one. A
// window that does not say is taken as the program's.
bool belongsToOther(Probe& probe, Window window)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    g_xError = false;
    const int status = XGetWindowProperty(probe.display, window, probe.netWmPid, 0, 1, False, XA_CARDINAL, &actualType,
                                          &format, &count, &after, &data);
    XSync(probe.display, False);
    bool other = false;
    if (status == Success && !g_xError && data != nullptr && format == 32 && count == 1) {
        other = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) != probe.child;
    }
    if (data != nullptr) {
        XFree(data);
    }
    return other;
}

void checkChildAlive(Probe& probe, const char* stage)
{
    int status = 0;
    if (waitpid(probe.child, &status, WNOHANG) == probe.child) {
        probe.child = -1;
        char reason[160];
        if (WIFEXITED(status)) {
            std::snprintf(reason, sizeof reason, "program exited with status %d %s", WEXITSTATUS(status), stage);
        } else {
            std::snprintf(reason, sizeof reason, "program died of signal %d %s", WTERMSIG(status), stage);
        }
        fail(probe, reason);
    }
}

pid_t startProgram(Probe& probe, const Options& options)
{
    // The program must not inherit the probe's own connection to the server.
    fcntl(ConnectionNumber(probe.display), F_SETFD, FD_CLOEXEC);
    std::fflush(stdout);
    std::fflush(stderr);
    probe.origin = now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(options.command[0], options.command.data());
        std::fprintf(stderr, "velmo-startup-probe: cannot start %s: %s\n", options.command[0], std::strerror(errno));
        _exit(127);
    }
    if (pid < 0) {
        fail(probe, std::string("fork failed: ") + std::strerror(errno));
    }
    return pid;
}

// Waits for the titled window of the program to be mapped; returns it and the
// time of the map in milliseconds since the fork.
Window waitForMappedWindow(Probe& probe, const Options& options, double deadline, double& mappedMs)
{
    std::set<Window> mapped;
    const int fd = ConnectionNumber(probe.display);
    while (true) {
        while (XPending(probe.display) > 0) {
            XEvent event;
            XNextEvent(probe.display, &event);
            Window candidate = 0;
            if (event.type == MapNotify && event.xmap.event == probe.root) {
                candidate = event.xmap.window;
                mapped.insert(candidate);
                // The title might be set only after the map.
                g_xError = false;
                XSelectInput(probe.display, candidate, PropertyChangeMask);
                XSync(probe.display, False);
            } else if (event.type == UnmapNotify && event.xunmap.event == probe.root) {
                mapped.erase(event.xunmap.window);
            } else if (event.type == PropertyNotify && mapped.count(event.xproperty.window) != 0
                       && (event.xproperty.atom == XA_WM_NAME || event.xproperty.atom == probe.netWmName)) {
                candidate = event.xproperty.window;
            }
            if (candidate != 0 && hasTitle(probe, candidate, options.title) && !belongsToOther(probe, candidate)) {
                mappedMs = now() - probe.origin;
                return candidate;
            }
        }
        checkChildAlive(probe, "before its window was mapped");
        if (now() > deadline) {
            fail(probe, "timed out waiting for the window to be mapped");
        }
        pollfd ready{fd, POLLIN, 0};
        poll(&ready, 1, 2);
    }
}

// Counts the pixels of a rectangle of the window that still have the key
// colour; returns -1 when the window's contents cannot be read.
long countUnpainted(Probe& probe, Window window, int left, int top, int width, int height, unsigned long keyPixel)
{
    g_xError = false;
    XImage* image = XGetImage(probe.display, window, left, top, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr || g_xError) {
        if (image != nullptr) {
            XDestroyImage(image);
        }
        return -1;
    }
    long count = 0;
    if (image->bits_per_pixel == 32) {
        const unsigned long mask = image->red_mask | image->green_mask | image->blue_mask;
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(image->data + static_cast<long>(y) * image->bytes_per_line);
            for (int x = 0; x < width; ++x) {
                count += (row[x] & mask) == (keyPixel & mask) ? 1 : 0;
            }
        }
    } else {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                count += XGetPixel(image, x, y) == keyPixel ? 1 : 0;
            }
        }
    }
    XDestroyImage(image);
    return count;
}

// A fingerprint of the window's whole contents (FNV-1a over its pixels), or
// nothing when they cannot be read.
std::optional<std::uint64_t> frameHash(Probe& probe, Window window, int width, int height)
{
    g_xError = false;
    XImage* image = XGetImage(probe.display, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    if (image == nullptr || g_xError) {
        if (image != nullptr) {
            XDestroyImage(image);
        }
        return std::nullopt;
    }
    std::uint64_t hash = 14695981039346656037ull;
    const int rowBytes = width * image->bits_per_pixel / 8;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(image->data + static_cast<long>(y) * image->bytes_per_line);
        for (int i = 0; i < rowBytes; ++i) {
            hash = (hash ^ row[i]) * 1099511628211ull;
        }
    }
    XDestroyImage(image);
    return hash;
}

long readStatusKilobytes(pid_t pid, const char* field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) {
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
        }
    }
    return -1;
}

void sleepMicroseconds(long microseconds)
{
    timespec ts{microseconds / 1000000, (microseconds % 1000000) * 1000};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

bool acceptsDelete(Probe& probe, Window window)
{
    Atom* protocols = nullptr;
    int count = 0;
    bool accepts = false;
    if (XGetWMProtocols(probe.display, window, &protocols, &count) != 0) {
        for (int i = 0; i < count; ++i) {
            accepts = accepts || protocols[i] == probe.wmDeleteWindow;
        }
        XFree(protocols);
    }
    return accepts;
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = parseOptions(argc, argv);
    Probe probe;
    probe.display = XOpenDisplay(nullptr);
    if (probe.display == nullptr) {
        std::printf("error=cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(recordXError);
    probe.root = DefaultRootWindow(probe.display);
    probe.netWmName = XInternAtom(probe.display, "_NET_WM_NAME", False);
    probe.utf8String = XInternAtom(probe.display, "UTF8_STRING", False);
    probe.netWmPid = XInternAtom(probe.display, "_NET_WM_PID", False);
    probe.wmProtocols = XInternAtom(probe.display, "WM_PROTOCOLS", False);
    probe.wmDeleteWindow = XInternAtom(probe.display, "WM_DELETE_WINDOW", False);

    const Visual* visual = DefaultVisual(probe.display, DefaultScreen(probe.display));
    if (visual->c_class != TrueColor) {
        std::printf("error=the screen is not TrueColor\n");
        return 1;
    }
    const unsigned long keyPixel = pixelOf(visual, options.key);
    XSetWindowBackground(probe.display, probe.root, keyPixel);
    XClearWindow(probe.display, probe.root);
    XSelectInput(probe.display, probe.root, SubstructureNotifyMask);
    XSync(probe.display, False);

    probe.child = startProgram(probe, options);
    const double deadline = now() + options.timeoutSeconds * 1000.0;

    double mappedMs = 0.0;
    const Window window = waitForMappedWindow(probe, options, deadline, mappedMs);

    XWindowAttributes attributes{};
    g_xError = false;
    if (XGetWindowAttributes(probe.display, window, &attributes) == 0 || g_xError) {
        fail(probe, "cannot read the window's attributes");
    }
    double firstPixelMs = -1.0;
    double paintedMs = -1.0;
    const int width = attributes.width;
    const int height = attributes.height;
    while (paintedMs < 0.0) {
        // Reading the whole window costs the server and the probe a copy of
        // it each time, which the program under test would feel on a small
        // machine; one row and one column through the middle are read first,
        // and the whole window only once neither shows the key colour.
        const long row = countUnpainted(probe, window, 0, height / 2, width, 1, keyPixel);
        const long column = countUnpainted(probe, window, width / 2, 0, 1, height, keyPixel);
        long unpainted = row + column;
        if (row == 0 && column == 0) {
            unpainted = countUnpainted(probe, window, 0, 0, width, height, keyPixel);
        } else if (row < 0 || column < 0) {
            unpainted = -1;
        }
        const double seen = now() - probe.origin;
        if (unpainted >= 0 && unpainted < width + height && firstPixelMs < 0.0) {
            firstPixelMs = seen;
        }
        if (unpainted == 0) {
            paintedMs = seen;
            break;
        }
        checkChildAlive(probe, "before its window was painted");
        if (now() > deadline) {
            fail(probe, "timed out waiting for the window to be painted (" + std::to_string(unpainted) + " of "
                            + std::to_string(static_cast<long>(width) * height) + " pixels unpainted)");
        }
        sleepMicroseconds(options.pollMicroseconds);
    }

    double finalMs = paintedMs;
    if (options.final) {
        const double settled = now() + options.settleMs;
        std::optional<std::uint64_t> shown;
        while (now() < settled) {
            const auto frame = frameHash(probe, window, width, height);
            if (frame && frame != shown) {
                shown = frame;
                finalMs = now() - probe.origin;
            }
            // A whole window read is costly; every 5 ms at most, so that the
            // probe does not slow down the painting it watches.
            sleepMicroseconds(std::max(options.pollMicroseconds, 5000));
        }
    } else {
        sleepMicroseconds(static_cast<long>(options.settleMs) * 1000);
    }
    checkChildAlive(probe, "after its window was painted");
    const long hwm = readStatusKilobytes(probe.child, "VmHWM");
    const long rss = readStatusKilobytes(probe.child, "VmRSS");

    if (!acceptsDelete(probe, window)) {
        fail(probe, "the window does not take WM_DELETE_WINDOW");
    }
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = probe.wmProtocols;
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(probe.wmDeleteWindow);
    close.xclient.data.l[1] = CurrentTime;
    const double closeStart = now();
    XSendEvent(probe.display, window, False, NoEventMask, &close);
    XFlush(probe.display);

    int status = 0;
    rusage usage{};
    while (true) {
        const pid_t done = wait4(probe.child, &status, WNOHANG, &usage);
        if (done == probe.child) {
            break;
        }
        if (now() - closeStart > 5000.0) {
            fail(probe, "the program did not end within 5 s of being asked to close");
        }
        sleepMicroseconds(500);
    }
    const double closeMs = now() - closeStart;
    probe.child = -1;
    const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);

    auto cpuMs = [](const timeval& time) { return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0; };
    if (options.final) {
        std::printf("final_ms=%.2f ", finalMs);
    }
    std::printf("mapped_ms=%.2f first_pixel_ms=%.2f painted_ms=%.2f vmhwm_kb=%ld vmrss_kb=%ld close_ms=%.2f cpu_ms=%.2f "
                "exit=%d\n",
                mappedMs, firstPixelMs, paintedMs, hwm, rss, closeMs, cpuMs(usage.ru_utime) + cpuMs(usage.ru_stime),
                exitCode);
    XCloseDisplay(probe.display);
    return 0;
}
