"""Drives the real executable on a private Xvfb with xdotool, xwininfo and
xprop. There is no window manager (so the tests give the focus back
themselves) unless a test starts openbox on the same display. Run one group:
python3 test_page.py --bin build/bin."""

import argparse
import ctypes
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from dataclasses import dataclass
from pathlib import Path


EXECUTABLE = "velmo-newspaper"
TITLE = "Velmo NewsPaper"
PAGE_SIZE = (327, 440)
SCREEN_SIZE = (1024, 768)

PORTRAITS = [f"話題の人{n}.bmp" for n in range(1, 11)]
ADVERTISEMENTS = [f"広告{n}.bmp" for n in range(1, 13)]
# The picture boxes with the files each may show, in loading order.
PICTURE_SLOTS = {
    "写真": PORTRAITS,
    "広告0": ADVERTISEMENTS[0:4],
    "広告1": ADVERTISEMENTS[4:8],
    "広告2": ADVERTISEMENTS[8:12],
}
# The ten clickable elements: (x, y, width, height) in client coordinates,
# from the layout table that the widget tests read too.
ELEMENTS = {name: tuple(box) for name, box in
            json.loads((Path(__file__).parent.parent / "support" / "pagelayout.json").read_text("utf-8")).items()}

# Seconds. The limits only keep a broken run from hanging the suite.
START_TIMEOUT = 15
REACTION_TIMEOUT = 5

# Set by main().
BIN_DIR = None
session = None


def click_point(element):
    x, y, width, height = ELEMENTS[element]
    return x + width // 2, y + height // 2


def poll(condition, timeout, interval=0.05):
    """condition's first true result, or its last one when time is up."""
    deadline = time.monotonic() + timeout
    while not (result := condition()) and time.monotonic() < deadline:
        time.sleep(interval)
    return result


_libc = ctypes.CDLL(None)


def die_with_parent():
    """No server or program outlives the suite, even when CTest kills it."""
    _libc.prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def run_tool(arguments, env=None, check=True, timeout=20):
    completed = subprocess.run(arguments, env=env, capture_output=True, timeout=timeout)
    if check and completed.returncode != 0:
        raise RuntimeError(f"{' '.join(map(str, arguments))} failed ({completed.returncode}): "
                           f"{completed.stderr.decode(errors='replace')}")
    return completed


@dataclass(frozen=True)
class Window:
    id: int
    title: str
    x: int
    y: int
    size: tuple
    is_popup: bool  # override-redirect: a pop-up menu
    is_dialog: bool

    @property
    def is_page(self):
        return self.title == TITLE and self.size == PAGE_SIZE and not self.is_popup and not self.is_dialog


class Session:

    def __init__(self):
        self.scratch = Path(tempfile.mkdtemp(prefix="velmo-e2e-"))
        # The print filters of a private CUPS run as another user.
        self.scratch.chmod(0o755)
        (self.scratch / "runtime").mkdir(mode=0o700)
        self.working_dir = self.scratch / "cwd"
        self.working_dir.mkdir()
        read_end, write_end = os.pipe()
        with open(self.scratch / "xvfb.log", "wb") as log:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % SCREEN_SIZE, "-nolisten", "tcp",
                 "-noreset"], pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                preexec_fn=die_with_parent)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number.isdigit():
            self.close()
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"
        self.tool_env = dict(os.environ, DISPLAY=self.display, LC_ALL="C.UTF-8")
        self.tool_env.pop("XAUTHORITY", None)
        self._window_manager = None

    def start_window_manager(self):
        """openbox, until stop_window_manager(); it frames every window."""
        self._window_manager = subprocess.Popen(
            ["openbox", "--sm-disable"], env=self.tool_env | {"HOME": str(self.scratch)}, stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=die_with_parent)
        # openbox announces itself before it handles events; a window it has
        # framed since shows that it does.
        poll(lambda: b"window id" in run_tool(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], self.tool_env,
                                              check=False).stdout, START_TIMEOUT)
        with subprocess.Popen(["xmessage", "-title", "velmo-wm-ready", "."], env=self.tool_env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, preexec_fn=die_with_parent) as ready:
            framed = poll(lambda: b"= " in run_tool(["xprop", "-name", "velmo-wm-ready", "_NET_FRAME_EXTENTS"],
                                                     self.tool_env, check=False).stdout, START_TIMEOUT)
            ready.kill()
        if not framed:
            raise RuntimeError("openbox did not start")

    def stop_window_manager(self):
        if self._window_manager is not None:
            self._window_manager.terminate()
            self._window_manager.wait(10)
            self._window_manager = None

    def frame_extents(self, window):
        """(left, right, top, bottom) of the window manager's frame."""
        found = run_tool(["xprop", "-id", str(window.id), "_NET_FRAME_EXTENTS"], self.tool_env).stdout.decode()
        return tuple(map(int, re.findall(r"\d+", found.partition("=")[2])))

    def close(self):
        self.stop_window_manager()
        self._xvfb.terminate()
        try:
            self._xvfb.wait(10)
        except subprocess.TimeoutExpired:
            self._xvfb.kill()
            self._xvfb.wait()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def program_env(self, extra=None):
        """No desktop of the suite's own and no print scheduler unless named."""
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("QT_", "WAYLAND_", "XDG_", "DBUS_", "CUPS_", "LC_"))
               and key not in ("DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "LANG", "LANGUAGE")}
        env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(self.scratch / "runtime"),
                   LANG="C.UTF-8", CUPS_SERVER=str(self.scratch / "no-scheduler.sock"))
        return env | (extra or {})

    def xdotool(self, *arguments):
        run_tool(["xdotool", *map(str, arguments)], self.tool_env)

    def click(self, x, y):
        self.xdotool("mousemove", x, y, "click", 1)

    def key(self, *keys):
        self.xdotool("key", *keys)

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", window.id)

    def folder(self, pictures, name=None):
        """The executable plus pictures: file name -> bytes, or None for no file."""
        folder = self.scratch / (name or f"run{len(list(self.scratch.glob('run*')))}")
        folder.mkdir()
        shutil.copy2(BIN_DIR / EXECUTABLE, folder / EXECUTABLE)
        for file_name, content in pictures.items():
            if content is not None:
                (folder / file_name).write_bytes(content)
        return folder


def shipped_pictures():
    """The 22 pictures beside the built program: file name -> bytes."""
    return {name: (BIN_DIR / name).read_bytes() for name in PORTRAITS + ADVERTISEMENTS}


class Program:

    def __init__(self, folder, env=None, cwd=None):
        self.folder = folder
        self._cwd = cwd or session.working_dir
        self._env = session.program_env(env)
        self._stderr_path = session.scratch / f"{folder.name}.stderr"
        self.process = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def start(self):
        with open(self._stderr_path, "wb") as stderr:
            self.process = subprocess.Popen([str(self.folder / EXECUTABLE)], cwd=self._cwd, env=self._env,
                                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=stderr,
                                            preexec_fn=die_with_parent)

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    @property
    def running(self):
        return self.process.poll() is None

    def stderr(self):
        return self._stderr_path.read_text(errors="replace")

    def windows(self):
        found = run_tool(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
                         session.tool_env, check=False)
        return [w for w in map(self._describe, map(int, found.stdout.split())) if w is not None]

    def _describe(self, window_id):
        info = run_tool(["xwininfo", "-id", str(window_id)], session.tool_env, check=False)
        props = run_tool(["xprop", "-id", str(window_id), "_NET_WM_WINDOW_TYPE", "_NET_WM_NAME"], session.tool_env,
                         check=False)
        text = info.stdout.decode(errors="replace")
        if info.returncode != 0 or props.returncode != 0 or "Map State: IsViewable" not in text:
            return None  # gone in the meantime, or not shown

        def number(label):
            return int(re.search(rf"{label}:\s+(-?\d+)", text).group(1))

        title = re.search(r'^_NET_WM_NAME\(UTF8_STRING\) = "(.*)"$', props.stdout.decode(errors="replace"), re.M)
        return Window(window_id, title.group(1) if title else "", number("Absolute upper-left X"),
                      number("Absolute upper-left Y"), (number("Width"), number("Height")),
                      "Override Redirect State: yes" in text, b"_NET_WM_WINDOW_TYPE_DIALOG" in props.stdout)

    def _state(self):
        state = "running" if self.running else f"ended with status {self.process.returncode}"
        windows = ", ".join(map(str, self.windows())) if self.running else "none"
        return f"program {state}; windows: {windows}; stderr: {self.stderr().strip()!r}"

    def wait_window(self, predicate, what, timeout=REACTION_TIMEOUT):
        window = poll(lambda: self.running and next(filter(predicate, self.windows()), None), timeout)
        if not window:
            raise AssertionError(f"no {what} within {timeout} s ({self._state()})")
        return window

    def wait_gone(self, window, what):
        if not poll(lambda: not self.running or all(w.id != window.id for w in self.windows()), REACTION_TIMEOUT):
            raise AssertionError(f"{what} still shown after {REACTION_TIMEOUT} s ({self._state()})")

    def page(self, timeout=START_TIMEOUT):
        """The page window; fails at once on a message box instead."""
        window = self.wait_window(lambda w: w.is_page or w.is_dialog, "page window", timeout)
        if not window.is_page:
            raise AssertionError(f"a message box instead of the page ({self._state()})")
        return window

    def dialog(self, title, timeout=REACTION_TIMEOUT):
        return self.wait_window(lambda w: w.is_dialog and w.title == title, f"dialog titled {title!r}", timeout)

    def click(self, page, element_or_point):
        x, y = click_point(element_or_point) if isinstance(element_or_point, str) else element_or_point
        session.click(page.x + x, page.y + y)

    def open_menu(self, page, element):
        self.click(page, element)
        return self.wait_window(lambda w: w.is_popup, "pop-up menu")

    def answer(self, window, key="Escape"):
        if window.is_dialog:
            session.focus(window)
        session.key(key)
        self.wait_gone(window, str(window))

    def exit_status(self):
        try:
            return self.process.wait(REACTION_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {REACTION_TIMEOUT} s ({self._state()})") from None


def launch(test, folder=None, **options):
    """The program, by default with the 22 shipped pictures, and its page."""
    program = Program(folder or session.folder(shipped_pictures()), **options)
    (test.addClassCleanup if isinstance(test, type) else test.addCleanup)(program.stop)
    program.start()
    return program, program.page()


def main():
    """Runs the calling module; 77 (skipped for CTest) if every test skipped."""
    global BIN_DIR, session
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="the build's folder with velmo-newspaper and its pictures")
    arguments, rest = parser.parse_known_args()
    BIN_DIR = Path(arguments.bin).resolve()
    session = Session()
    try:
        result = unittest.main(module="__main__", argv=[sys.argv[0], *rest], verbosity=2, exit=False).result
    finally:
        session.close()
    if not result.wasSuccessful():
        sys.exit(1)
    sys.exit(77 if result.testsRun and len(result.skipped) == result.testsRun else 0)
