"""Drives the real velmo-newspaper executable on an X server of the suite's
own (Xvfb, no window manager) with xdotool, xwininfo, xprop and ImageMagick's
import.

Every run copies the executable and the pictures it is meant to find into a
fresh folder, because the program reads its pictures from its own folder.
Without a window manager the page window's client area is also its outer
frame, nothing gives the focus back to a window when a dialog closes (the
tests do that themselves, as a click on the window would), and size limits
show only as WM_NORMAL_HINTS.

Each test_<group>.py runs on its own: python3 test_window.py --bin build/bin
(unittest's arguments may follow, such as a test's name)."""

import argparse
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from dataclasses import dataclass
from pathlib import Path

import bitmaps
import xlib

EXECUTABLE = "velmo-newspaper"
TITLE = "Velmo NewsPaper"
PAGE_SIZE = (327, 440)
SCREEN_SIZE = (1024, 768)
PAGE_COLOUR = (0xE0, 0xE0, 0xE0)

PORTRAITS = [f"話題の人{n}.bmp" for n in range(1, 11)]
ADVERTISEMENTS = [f"広告{n}.bmp" for n in range(1, 13)]
ALL_PICTURES = PORTRAITS + ADVERTISEMENTS

# The picture boxes with the files each may show, in loading order.
PICTURE_SLOTS = {
    "写真": PORTRAITS,
    "広告(0)": ADVERTISEMENTS[0:4],
    "広告(1)": ADVERTISEMENTS[4:8],
    "広告(2)": ADVERTISEMENTS[8:12],
}

# The ten clickable elements of the page: (x, y, width, height) in client
# coordinates. Neighbours overlap by one pixel in places.
ELEMENTS = {
    "見出し大": (0, 8, 305, 65),
    "写真": (8, 80, 97, 105),
    "記事1": (112, 80, 209, 145),
    "説明": (0, 184, 113, 41),
    "見出し小": (16, 232, 17, 81),
    "記事2": (40, 232, 281, 89),
    "広告(0)": (8, 320, 97, 113),
    "広告(1)": (104, 320, 97, 113),
    "広告(2)": (200, 320, 97, 113),
    "広告欄Tel": (304, 320, 17, 121),
}

# Points of the bare page, outside every element.
BACKGROUND_POINTS = [(110, 76), (60, 76), (315, 40), (5, 280), (3, 400), (324, 200), (150, 437)]

# Set by main() from the command line: the build's folder with the executable
# and the pictures.
BIN_DIR = None

# Default time limits, seconds. Starting the program takes well under one
# second; the limits only keep a broken run from hanging the suite.
START_TIMEOUT = 15
REACTION_TIMEOUT = 5
# How long a window that should not appear is watched for.
QUIET_PERIOD = 0.6


def click_point(element):
    """The middle of an element, which no neighbour overlaps."""
    x, y, width, height = ELEMENTS[element]
    return x + width // 2, y + height // 2


def inside(point, rect):
    x, y, width, height = rect
    return x <= point[0] < x + width and y <= point[1] < y + height


def poll(condition, timeout, interval=0.05):
    """Calls condition until it returns something true or the time is up;
    returns its last result."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() >= deadline:
            return result
        time.sleep(interval)


_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def die_with_parent():
    """Run in a child process before it starts its program: the child gets
    SIGTERM when the suite ends, even if the suite is killed (a CTest
    time-out), so that no server or program outlives it."""
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def run_tool(arguments, env, check=True, timeout=20):
    completed = subprocess.run(arguments, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout)
    if check and completed.returncode != 0:
        raise RuntimeError(f"{' '.join(arguments)} failed ({completed.returncode}): {completed.stderr.decode(errors='replace')}")
    return completed


@dataclass(frozen=True)
class Window:
    id: int
    title: str
    x: int
    y: int
    width: int
    height: int
    override_redirect: bool
    types: tuple

    @property
    def size(self):
        return (self.width, self.height)

    @property
    def is_dialog(self):
        return "_NET_WM_WINDOW_TYPE_DIALOG" in self.types

    @property
    def is_page(self):
        return self.title == TITLE and self.size == PAGE_SIZE and not self.override_redirect and not self.is_dialog

    @property
    def is_popup(self):
        return self.override_redirect

    def __str__(self):
        kind = "popup" if self.override_redirect else ("dialog" if self.is_dialog else "window")
        return f"{kind} 0x{self.id:x} {self.title!r} {self.width}x{self.height}+{self.x}+{self.y}"


class Session:
    """An Xvfb server of the suite's own with a scratch folder. Stopped by its
    own process id."""

    def __init__(self):
        self.scratch = Path(tempfile.mkdtemp(prefix="velmo-e2e-"))
        # Other users (the print filters of a private CUPS) must reach folders
        # below this one.
        self.scratch.chmod(0o755)
        self.runtime_dir = self.scratch / "runtime"
        self.runtime_dir.mkdir(mode=0o700)
        self.working_dir = self.scratch / "cwd"
        self.working_dir.mkdir()
        self._folders = 0
        self._xvfb_log = open(self.scratch / "xvfb.log", "wb")
        self._xvfb = None
        self.display = None
        self._start_xvfb()
        self.tool_env = dict(os.environ, DISPLAY=self.display, LC_ALL="C.UTF-8")
        self.tool_env.pop("XAUTHORITY", None)
        self.connection = xlib.Connection(self.display)

    def _start_xvfb(self):
        if shutil.which("Xvfb") is None:
            raise RuntimeError("Xvfb is not installed (Debian package xvfb)")
        read_end, write_end = os.pipe()
        width, height = SCREEN_SIZE
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=self._xvfb_log, stderr=self._xvfb_log,
            preexec_fn=die_with_parent)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + START_TIMEOUT
        while not number.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([read_end], [], [], max(remaining, 0))
            if not ready:
                break
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip().isdigit():
            self._xvfb.kill()
            self._xvfb.wait()
            raise RuntimeError(f"Xvfb did not start: {(self.scratch / 'xvfb.log').read_text(errors='replace')}")
        self.display = f":{number.strip().decode()}"

    def close(self):
        self.connection.close()
        if self._xvfb is not None and self._xvfb.poll() is None:
            self._xvfb.terminate()
            try:
                self._xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
                self._xvfb.wait()
        self._xvfb_log.close()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def program_env(self, extra=None):
        """The program's environment: this display and nothing of the desktop
        the suite was started from. The printing system is pointed at a
        socket where no scheduler listens unless a test names its own."""
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("QT_", "WAYLAND_", "XDG_", "DBUS_", "CUPS_", "LC_"))
               and key not in ("DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "LANG", "LANGUAGE")}
        env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(self.runtime_dir),
                   LANG="C.UTF-8", CUPS_SERVER=str(self.scratch / "no-scheduler.sock"))
        env.update(extra or {})
        return env

    # Input. xdotool's requests reach the server in order, so a move followed
    # by a click in one call clicks at the new place.

    def click(self, x, y, button=1):
        run_tool(["xdotool", "mousemove", str(x), str(y), "click", str(button)], self.tool_env)

    def key(self, *keys):
        run_tool(["xdotool", "key", *keys], self.tool_env)

    def focus(self, window):
        """Gives a window the keyboard focus, as the window manager would when
        the user clicks it."""
        run_tool(["xdotool", "windowfocus", "--sync", str(window.id)], self.tool_env)

    def request_close(self, window):
        self.connection.request_close(window.id)

    def screenshot(self, window):
        """The window's current image, read back from the X server."""
        completed = run_tool(["import", "-silent", "-window", str(window.id), "-depth", "8", "ppm:-"], self.tool_env)
        return bitmaps.read_ppm(completed.stdout)

    def settled_screenshot(self, window, timeout=REACTION_TIMEOUT):
        """A screenshot taken once the window has been painted: the first
        that is not of one colour and equals the one before it."""
        previous = None

        def settled():
            nonlocal previous
            shot = self.screenshot(window)
            painted = shot.data[:3] * (len(shot.data) // 3) != shot.data
            same = previous is not None and previous.data == shot.data
            previous = shot
            return shot if painted and same else None

        shot = poll(settled, timeout, interval=0.1)
        if shot is None:
            raise AssertionError(f"{window} was not painted within {timeout} s")
        return shot

    def save_screenshot(self, window, path):
        run_tool(["import", "-silent", "-window", str(window.id), str(path)], self.tool_env)

    def map_monitor(self):
        return xlib.MapMonitor(self.display)

    # Folders for runs of the program.

    def folder(self, pictures, name=None):
        """A new folder holding the executable and the given pictures:
        a mapping from file name to bytes, or to a Path whose file (or
        folder) is copied, or to None for no file at all."""
        self._folders += 1
        folder = self.scratch / (name or f"run{self._folders}")
        folder.mkdir(parents=True)
        shutil.copy2(Path(BIN_DIR) / EXECUTABLE, folder / EXECUTABLE)
        written = {}
        for file_name, content in pictures.items():
            target = folder / file_name
            if content is None:
                continue
            if isinstance(content, bytes) and id(content) in written:
                # The same large content under several names is stored once.
                os.link(written[id(content)], target)
            elif isinstance(content, Path):
                if content.is_dir():
                    shutil.copytree(content, target)
                else:
                    shutil.copyfile(content, target)
            else:
                target.write_bytes(content)
                written[id(content)] = target
        return folder


def pattern_pictures():
    """A full set of 22 distinct patterned pictures, each the size of the
    inside of its box: file name -> Image."""
    pictures = {}
    for index, name in enumerate(PORTRAITS, start=1):
        pictures[name] = bitmaps.pattern(93, 101, index)
    for index, name in enumerate(ADVERTISEMENTS, start=1):
        pictures[name] = bitmaps.pattern(93, 109, 20 + index)
    return pictures


def encoded(pictures):
    return {name: bitmaps.bmp(image) for name, image in pictures.items()}


def find_picture(shot, box, candidates, max_frame=4):
    """Which of the candidate pictures (name -> Image) the screenshot of the
    page shows in the box (x, y, width, height): drawn at its natural size
    from the top-left corner inside the box's frame and cut at the frame.
    The frame's width is the page's own business, so every width up to
    max_frame is tried. Returns (name, frame width) or None."""
    x, y, width, height = box
    for frame in range(max_frame + 1):
        for name, image in candidates.items():
            visible_width = min(image.width, width - 2 * frame)
            visible_height = min(image.height, height - 2 * frame)
            if all(shot.row(y + frame + row, x + frame, visible_width) == image.row(row, 0, visible_width)
                   for row in range(visible_height)):
                return name, frame
    return None


def folder_snapshot(folder):
    """Names, kinds and sizes of everything in the folder, to see whether
    the program wrote anything there."""
    entries = {}
    for path in sorted(folder.rglob("*")):
        info = path.lstat()
        entries[str(path.relative_to(folder))] = (path.is_dir(), info.st_size, info.st_mtime_ns)
    return entries


class Program:
    """One run of the program in a prepared folder. Use as a context manager:
    a run still going at the end is killed."""

    def __init__(self, session, folder, env=None, cwd=None):
        self.session = session
        self.folder = folder
        self._cwd = cwd or session.working_dir
        self._env = session.program_env(env)
        self.process = None
        self.monitor = None
        self._stderr_path = session.scratch / f"{folder.name}.stderr"
        self._stdout_path = session.scratch / f"{folder.name}.stdout"

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def start(self):
        self.monitor = self.session.map_monitor()
        with open(self._stdout_path, "wb") as stdout, open(self._stderr_path, "wb") as stderr:
            self.process = subprocess.Popen([str(self.folder / EXECUTABLE)], cwd=self._cwd, env=self._env,
                                            stdin=subprocess.DEVNULL, stdout=stdout, stderr=stderr,
                                            preexec_fn=die_with_parent)

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if self.monitor is not None:
            self.monitor.close()
            self.monitor = None

    @property
    def running(self):
        return self.process.poll() is None

    def stderr(self):
        return self._stderr_path.read_bytes().decode(errors="replace")

    def peak_memory_kib(self):
        """VmHWM, the most resident memory the process has used so far."""
        status = Path(f"/proc/{self.process.pid}/status").read_text()
        match = re.search(r"^VmHWM:\s+(\d+) kB", status, re.MULTILINE)
        return int(match.group(1))

    def windows(self):
        """The program's windows that are currently viewable."""
        found = run_tool(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)], self.session.tool_env,
                         check=False)
        windows = []
        for line in found.stdout.decode().split():
            window = self._describe(int(line))
            if window is not None:
                windows.append(window)
        return windows

    def _describe(self, window_id):
        info = run_tool(["xwininfo", "-id", str(window_id)], self.session.tool_env, check=False)
        props = run_tool(["xprop", "-id", str(window_id), "_NET_WM_WINDOW_TYPE", "_NET_WM_NAME"], self.session.tool_env,
                         check=False)
        if info.returncode != 0 or props.returncode != 0:
            return None  # gone in the meantime
        text = info.stdout.decode(errors="replace")
        if "Map State: IsViewable" not in text:
            return None

        def number(label):
            return int(re.search(rf"{label}:\s+(-?\d+)", text).group(1))

        prop_text = props.stdout.decode(errors="replace")
        title = re.search(r'^_NET_WM_NAME\(UTF8_STRING\) = "(.*)"$', prop_text, re.MULTILINE)
        types = re.search(r"^_NET_WM_WINDOW_TYPE\(ATOM\) = (.*)$", prop_text, re.MULTILINE)
        return Window(
            id=window_id,
            title=title.group(1) if title else "",
            x=number("Absolute upper-left X"),
            y=number("Absolute upper-left Y"),
            width=number("Width"),
            height=number("Height"),
            override_redirect="Override Redirect State: yes" in text,
            types=tuple(t.strip() for t in types.group(1).split(",")) if types else (),
        )

    def _describe_state(self):
        state = "running" if self.running else f"ended with status {self.process.returncode}"
        windows = ", ".join(str(w) for w in self.windows()) if self.running else "none"
        return f"program {state}; windows: {windows}; stderr: {self.stderr().strip()!r}"

    def wait_window(self, predicate, what, timeout=REACTION_TIMEOUT):
        """Waits for a viewable window of the program that fits predicate."""
        def look():
            if not self.running:
                return None
            return next((w for w in self.windows() if predicate(w)), None)

        window = poll(look, timeout)
        if window is None:
            raise AssertionError(f"no {what} within {timeout} s ({self._describe_state()})")
        return window

    def wait_gone(self, window, what, timeout=REACTION_TIMEOUT):
        if not poll(lambda: not self.running or all(w.id != window.id for w in self.windows()), timeout):
            raise AssertionError(f"{what} still shown after {timeout} s ({self._describe_state()})")

    def assert_none_appears(self, predicate, what, period=QUIET_PERIOD):
        """Watches for a while that no window fitting predicate shows up."""
        deadline = time.monotonic() + period
        while time.monotonic() < deadline:
            unwanted = [w for w in self.windows() if predicate(w)]
            if unwanted:
                raise AssertionError(f"unexpected {what}: {', '.join(str(w) for w in unwanted)}")
            time.sleep(0.05)

    def page(self, timeout=START_TIMEOUT):
        """Waits for the page window; fails at once if a message box shows
        up instead (a picture that could not be loaded)."""
        window = self.wait_window(lambda w: w.is_page or w.is_dialog, "page window", timeout)
        if not window.is_page:
            raise AssertionError(f"a message box instead of the page ({self._describe_state()})")
        return window

    def popup(self):
        return self.wait_window(lambda w: w.is_popup, "pop-up menu")

    def dialog(self, title, timeout=REACTION_TIMEOUT):
        return self.wait_window(lambda w: w.is_dialog and w.title == title, f"dialog titled {title!r}", timeout)

    def click(self, page, element_or_point):
        x, y = click_point(element_or_point) if isinstance(element_or_point, str) else element_or_point
        self.session.click(page.x + x, page.y + y)

    def open_menu(self, page, element):
        """Clicks an element and returns the pop-up menu it opens."""
        self.click(page, element)
        return self.popup()

    def dismiss(self, window, key="Escape"):
        self.session.key(key)
        self.wait_gone(window, str(window))

    def answer(self, dialog, key="Return"):
        """Presses a key in a dialog and waits until it has closed."""
        self.session.focus(dialog)
        self.session.key(key)
        self.wait_gone(dialog, str(dialog))

    def exit_status(self, timeout=REACTION_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {timeout} s ({self._describe_state()})") from None


def main():
    """Runs the calling test module: `python3 test_x.py --bin <build>/bin`.
    Exits with 77, which CTest reports as skipped, when every test of the
    module was skipped."""
    global BIN_DIR
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="the build's folder with velmo-newspaper and its pictures")
    arguments, rest = parser.parse_known_args()
    BIN_DIR = Path(arguments.bin).resolve()
    if not (BIN_DIR / EXECUTABLE).is_file():
        sys.exit(f"{BIN_DIR / EXECUTABLE} does not exist")
    for tool in ("xdotool", "xwininfo", "xprop", "import"):
        if shutil.which(tool) is None:
            sys.exit(f"{tool} is not installed")
    program = unittest.main(module="__main__", argv=[sys.argv[0], *rest], verbosity=2, exit=False)
    result = program.result
    if not result.wasSuccessful():
        sys.exit(1)
    if result.testsRun > 0 and len(result.skipped) == result.testsRun:
        sys.exit(77)
    sys.exit(0)

