#!/usr/bin/env python3
"""Installs the program and checks it the way a user meets it.

    test_install.py --build DIR --cmake CMAKE --cpack CPACK tree
        `cmake --install` into a scratch prefix, checks the installed tree and
        starts <prefix>/bin/velmo-newspaper.
    test_install.py --build DIR --cmake CMAKE --cpack CPACK package
        Builds the Debian package into a scratch folder, installs it with dpkg,
        checks the installed tree, starts /usr/bin/velmo-newspaper, removes and
        purges the package and checks that none of its files is left. Needs
        root; skipped (exit 77) otherwise.

The program runs on a private Xvfb server. It must show its window titled
"Velmo NewsPaper" with all four pictures drawn, and quit through its own menu.
Everything started or installed here is undone on the way out, also when a
check fails.
"""

import argparse
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SKIPPED = 77
PACKAGE = "velmo-newspaper"
TITLE = "Velmo NewsPaper"
PROGRAM_DIR = "lib/velmo-newspaper"
PICTURES = {f"話題の人{n}.bmp" for n in range(1, 11)} | {f"広告{n}.bmp" for n in range(1, 13)}
ICON_SIZES = (16, 32, 48, 64, 128)

# The page window's client area and the four picture boxes on it, in pixels:
# name, left, top, width, height.
WINDOW_SIZE = (327, 440)
PICTURE_BOXES = (
    ("写真", 8, 80, 97, 105),
    ("広告(0)", 8, 320, 97, 113),
    ("広告(1)", 104, 320, 97, 113),
    ("広告(2)", 200, 320, 97, 113),
)
BACKGROUND = (0xE0, 0xE0, 0xE0)
# Two points of the page that no element covers: left of the portrait and
# right of the big headline. They prove that the screenshot shows the page.
BACKGROUND_POINTS = ((2, 76), (320, 3))
# A box counts as showing its picture when at least this share of the pixels
# inside its frame differs from the page's background.
MIN_PICTURE_SHARE = 0.25
# The main article's label: a click there opens the page's menu.
MENU_CLICK_POINT = (215, 150)


class CheckFailed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise CheckFailed(message)


def run(command, **kwargs):
    """Runs a command to its end and returns its standard output; fails the
    test with the command's output when it exits with an error."""
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        raise CheckFailed(f"{' '.join(map(str, command))} exited with {result.returncode}:\n"
                          f"{result.stdout}{result.stderr}")
    return result.stdout


def read_desktop_entry(path):
    entry = {}
    group = None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("["):
            group = line.strip()
        elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
            key, value = line.split("=", 1)
            entry[key.strip()] = value.strip()
    return entry


def png_size(path):
    header = path.read_bytes()[:24]
    check(header[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG file")
    return struct.unpack(">II", header[16:24])


def check_tree(prefix):
    """Checks the installed tree under prefix and returns its desktop entry."""
    link = prefix / "bin" / PACKAGE
    program = prefix / PROGRAM_DIR / PACKAGE
    check(link.is_symlink(), f"{link} is not a symbolic link")
    check(os.readlink(link) == f"../{PROGRAM_DIR}/{PACKAGE}",
          f"{link} points to {os.readlink(link)}, not to the program relative to itself")
    check(link.resolve() == program.resolve(), f"{link} does not lead to {program}")
    check(program.is_file() and os.access(program, os.X_OK), f"{program} is not an executable file")

    beside = {p.name for p in (prefix / PROGRAM_DIR).iterdir()} - {PACKAGE}
    check(beside == PICTURES,
          f"{prefix / PROGRAM_DIR} holds the wrong pictures: missing {sorted(PICTURES - beside)}, "
          f"unexpected {sorted(beside - PICTURES)}")

    desktop = prefix / "share/applications" / f"{PACKAGE}.desktop"
    check(desktop.is_file(), f"{desktop} is missing")
    entry = read_desktop_entry(desktop)
    check(entry.get("Exec") == PACKAGE, f"the desktop entry runs {entry.get('Exec')!r}")
    check(entry.get("Name") == TITLE, f"the desktop entry is named {entry.get('Name')!r}")
    icon = entry.get("Icon")
    for size in ICON_SIZES:
        path = prefix / f"share/icons/hicolor/{size}x{size}/apps/{icon}.png"
        check(path.is_file(), f"the {size} pixel icon {path} is missing")
        check(png_size(path) == (size, size), f"{path} is {png_size(path)} pixels, not {size} x {size}")
    check((prefix / f"share/icons/hicolor/scalable/apps/{icon}.svg").is_file(), "the scalable icon is missing")

    metainfo = prefix / "share/metainfo" / f"{PACKAGE}.metainfo.xml"
    check(metainfo.is_file(), f"{metainfo} is missing")
    check(f'<launchable type="desktop-id">{desktop.name}</launchable>' in metainfo.read_text(encoding="utf-8"),
          "the AppStream data does not name the desktop entry")
    check((prefix / "share/man/man6" / f"{PACKAGE}.6.gz").is_file(), "the manual page is missing")
    check((prefix / "share/doc" / PACKAGE / "copyright").is_file(), "the copyright file is missing")
    return entry


class Display:
    """A private Xvfb server; the server picks a free display number itself."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        check(number.isdigit(), "Xvfb did not start")
        self.name = f":{number}"

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def find_window(display, program, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if program.poll() is not None:
            raise CheckFailed(f"the program ended with {program.returncode} before its window appeared")
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"],
                               capture_output=True, text=True, env=display.env())
        windows = found.stdout.split()
        if windows:
            check(len(windows) == 1, f"{len(windows)} windows are titled {TITLE!r}")
            return windows[0]
        time.sleep(0.2)
    titles = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                            capture_output=True, text=True, env=display.env()).stdout.split()
    names = [subprocess.run(["xdotool", "getwindowname", w], capture_output=True, text=True,
                            env=display.env()).stdout.strip() for w in titles]
    raise CheckFailed(f"no window titled {TITLE!r} appeared; visible windows: {names}")


def screenshot(display, window):
    """Returns width, height and the RGB bytes of the window's client area."""
    result = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"],
                            capture_output=True, env=display.env())
    check(result.returncode == 0, f"no screenshot of the window: {result.stderr.decode(errors='replace')}")
    data = result.stdout
    match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    check(match is not None and match.group(3) == b"255", "the screenshot is not an 8-bit PPM image")
    width, height = int(match.group(1)), int(match.group(2))
    return width, height, data[match.end():]


def pictures_drawn(shot):
    """Returns the boxes that show no picture, or a reason why the screenshot
    cannot be judged."""
    width, height, pixels = shot

    def pixel(x, y):
        offset = 3 * (y * width + x)
        return tuple(pixels[offset:offset + 3])

    if (width, height) != WINDOW_SIZE:
        return f"the window is {width} x {height} pixels"
    for x, y in BACKGROUND_POINTS:
        if pixel(x, y) != BACKGROUND:
            return f"the page background at {x}, {y} is {pixel(x, y)}"
    empty = []
    for name, left, top, box_width, box_height in PICTURE_BOXES:
        # Stay clear of the box's frame, which is at most two pixels wide.
        inside = [pixel(x, y) for y in range(top + 3, top + box_height - 3)
                  for x in range(left + 3, left + box_width - 3)]
        share = sum(p != BACKGROUND for p in inside) / len(inside)
        if share < MIN_PICTURE_SHARE:
            empty.append(f"{name} ({share:.0%} of it differs from the background)")
    return f"no picture in {', '.join(empty)}" if empty else None


def visible_windows(display, program):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid)],
                           capture_output=True, text=True, env=display.env())
    return found.stdout.split()


def wm_class(display, window):
    text = run(["xprop", "-id", window, "WM_CLASS"], env=display.env())
    return re.findall(r'"([^"]*)"', text)


def check_program(executable, entry, workdir):
    """Starts the installed program on a private display, checks its window and
    pictures and quits it through its menu."""
    display = Display()
    program = None
    log_path = workdir / "program.log"
    try:
        # The working folder must play no part in finding the pictures.
        with open(log_path, "wb") as log:
            program = subprocess.Popen([str(executable)], cwd=workdir, env=display.env(),
                                       stdout=log, stderr=subprocess.STDOUT)
        window = find_window(display, program, timeout=30)

        classes = wm_class(display, window)
        check(entry.get("StartupWMClass") in classes,
              f"the desktop entry's StartupWMClass {entry.get('StartupWMClass')!r} is not in the window's "
              f"WM_CLASS {classes}")

        # The window may be mapped a moment before it is painted.
        deadline = time.monotonic() + 10
        while (problem := pictures_drawn(screenshot(display, window))) and time.monotonic() < deadline:
            time.sleep(0.3)
        check(problem is None, f"the page is not drawn as expected: {problem}")

        # A click on the page opens its menu, a second window of the program;
        # Q is the access key of the menu's quit item.
        run(["xdotool", "mousemove", "--window", window, *map(str, MENU_CLICK_POINT), "click", "1"],
            env=display.env())
        deadline = time.monotonic() + 10
        while len(visible_windows(display, program)) < 2:
            check(time.monotonic() < deadline, "a click on the page opened no menu")
            time.sleep(0.2)
        run(["xdotool", "key", "q"], env=display.env())
        try:
            status = program.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise CheckFailed("the program did not quit through its menu")
        check(status == 0, f"the program exited with {status}")
        print(f"{executable}: window {TITLE!r} with four pictures shown, WM_CLASS {classes}, quit through its menu")
    except CheckFailed as failure:
        output = log_path.read_text(errors="replace").strip() if log_path.exists() else ""
        raise CheckFailed(f"{failure}\nprogram output:\n{output}" if output else str(failure)) from None
    finally:
        if program is not None and program.poll() is None:
            program.kill()
            program.wait()
        display.close()


def test_tree(args, scratch):
    prefix = scratch / "prefix"
    run([args.cmake, "--install", args.build, "--prefix", prefix])
    entry = check_tree(prefix)
    check_program(prefix / "bin" / PACKAGE, entry, scratch)


def package_status():
    result = subprocess.run(["dpkg-query", "-W", "-f=${Status}", PACKAGE], capture_output=True, text=True)
    return result.stdout if result.returncode == 0 else ""


def dpkg(*arguments):
    return run(["dpkg", *arguments], env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))


def test_package(args, scratch):
    if os.geteuid() != 0:
        print("SKIPPED: installing the Debian package needs root")
        return SKIPPED
    check(package_status() in ("", "unknown ok not-installed"),
          f"{PACKAGE} is already installed ({package_status()}); remove it with `dpkg -P {PACKAGE}` "
          "before running this test")

    run([args.cpack, "-G", "DEB", "-B", scratch, "--config", Path(args.build) / "CPackConfig.cmake"])
    debs = list(scratch.glob(f"{PACKAGE}_*.deb"))
    check(len(debs) == 1, f"cpack made {[d.name for d in debs]}")
    deb = debs[0]
    fields = {name: run(["dpkg-deb", "-f", deb, name]).strip() for name in ("Package", "Section", "Depends")}
    check(fields["Package"] == PACKAGE and fields["Section"] == "misc", f"unexpected control fields {fields}")
    check("libqt6widgets6" in fields["Depends"], f"the Qt libraries are missing from Depends: {fields['Depends']}")

    # Paths of the package that did not exist before must all be gone after
    # it is purged; folders such as /usr/share/applications stay.
    contents = [line.split(maxsplit=5)[5].split(" -> ")[0] for line in run(["dpkg-deb", "-c", deb]).splitlines()]
    new_paths = [Path("/") / path.lstrip("./") for path in contents if path.strip("./")]
    new_paths = [path for path in new_paths if not os.path.lexists(path)]

    try:
        dpkg("-i", deb)
        listed = run(["dpkg", "-L", PACKAGE]).splitlines()
        check(all(path == "/." or path.startswith("/usr") for path in listed),
              f"the package installs outside /usr: {[p for p in listed if not p.startswith('/usr')]}")
        check(set(map(str, new_paths)) <= set(listed),
              f"dpkg does not list {sorted(set(map(str, new_paths)) - set(listed))}")
        entry = check_tree(Path("/usr"))
        check_program(Path("/usr/bin") / PACKAGE, entry, scratch)

        listed_files = [path for path in listed if os.path.islink(path) or not os.path.isdir(path)]
        dpkg("-r", PACKAGE)
        left = [path for path in listed_files if os.path.lexists(path)]
        check(not left, f"left behind after removing the package: {left}")
        dpkg("-P", PACKAGE)
    finally:
        if package_status() not in ("", "unknown ok not-installed"):
            subprocess.run(["dpkg", "-P", PACKAGE], capture_output=True)

    left = [str(path) for path in new_paths if os.path.lexists(path)]
    check(not left, f"left behind after purging the package: {left}")
    check(not Path("/usr", PROGRAM_DIR).exists(), f"/usr/{PROGRAM_DIR} is left behind")
    check(package_status() in ("", "unknown ok not-installed"), f"dpkg still knows {PACKAGE}: {package_status()}")
    print(f"{deb.name}: {deb.stat().st_size} bytes, installed {len(listed)} paths, all removed again")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="the build folder")
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--cpack", default="cpack")
    parser.add_argument("mode", choices=("tree", "package"))
    args = parser.parse_args()

    # A termination by CTest's time-out should still clean up.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    scratch = Path(tempfile.mkdtemp(prefix="velmo-install-"))
    try:
        if args.mode == "tree":
            return test_tree(args, scratch) or 0
        return test_package(args, scratch) or 0
    except CheckFailed as failure:
        print(f"FAILED: {failure}")
        return 1
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
