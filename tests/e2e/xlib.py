"""The two things the suite needs from the X server that no command-line tool
gives: a polite close request (WM_DELETE_WINDOW, as a window manager sends it
when the user clicks the close button) and a record of every top-level window
that was mapped, so that a window shown only for an instant is not missed.

Talks to libX11 through ctypes; the structure layouts are those of Xlib.h on
LP64 systems."""

import ctypes
import ctypes.util

_ClientMessage = 33
_CreateNotify = 16
_MapNotify = 19
_ConfigureNotify = 22
_SubstructureNotifyMask = 1 << 19
_NoEventMask = 0


class _ClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class _MapEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("event", ctypes.c_ulong),
        ("window", ctypes.c_ulong),
        ("override_redirect", ctypes.c_int),
    ]


class _GeometryEvent(ctypes.Structure):
    """The common head of CreateNotify and ConfigureNotify: the window and its
    geometry sit at the same offsets in both."""

    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("parent_or_event", ctypes.c_ulong),
        ("window", ctypes.c_ulong),
        ("x", ctypes.c_int),
        ("y", ctypes.c_int),
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
    ]


class _Event(ctypes.Union):
    _fields_ = [
        ("type", ctypes.c_int),
        ("client", _ClientMessageEvent),
        ("map", _MapEvent),
        ("geometry", _GeometryEvent),
        ("pad", ctypes.c_long * 24),
    ]


def _library():
    name = ctypes.util.find_library("X11") or "libX11.so.6"
    lib = ctypes.CDLL(name)
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    lib.XDefaultRootWindow.restype = ctypes.c_ulong
    lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    lib.XInternAtom.restype = ctypes.c_ulong
    lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(_Event)]
    lib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    lib.XFlush.argtypes = [ctypes.c_void_p]
    lib.XPending.argtypes = [ctypes.c_void_p]
    lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_Event)]
    return lib


class Connection:
    """One connection to an X server, used from one thread only."""

    def __init__(self, display_name):
        self._lib = _library()
        self._display = self._lib.XOpenDisplay(display_name.encode())
        if not self._display:
            raise RuntimeError(f"cannot open X display {display_name}")
        self._root = self._lib.XDefaultRootWindow(self._display)

    def close(self):
        if self._display:
            self._lib.XCloseDisplay(self._display)
            self._display = None

    def request_close(self, window):
        """Sends the window the WM_DELETE_WINDOW message of the ICCCM, which
        is what a window manager does for the title bar's close button."""
        protocols = self._lib.XInternAtom(self._display, b"WM_PROTOCOLS", 0)
        delete = self._lib.XInternAtom(self._display, b"WM_DELETE_WINDOW", 0)
        event = _Event()
        event.client.type = _ClientMessage
        event.client.window = window
        event.client.message_type = protocols
        event.client.format = 32
        event.client.data[0] = delete
        event.client.data[1] = 0  # CurrentTime
        if not self._lib.XSendEvent(self._display, window, 0, _NoEventMask, ctypes.byref(event)):
            raise RuntimeError("XSendEvent failed")
        self._lib.XSync(self._display, 0)


class MapMonitor:
    """Records every window mapped as a child of the root window from the
    moment it is made. Events are read when mapped_windows() is called; the
    X server keeps them queued until then."""

    def __init__(self, display_name):
        self._connection = Connection(display_name)
        lib = self._connection._lib
        lib.XSelectInput(self._connection._display, self._connection._root, _SubstructureNotifyMask)
        # Once the server has the selection, no later map can be missed.
        lib.XSync(self._connection._display, 0)
        self._mapped = []
        self._sizes = {}

    def close(self):
        self._connection.close()

    def _drain(self):
        lib = self._connection._lib
        display = self._connection._display
        # After a round trip every event that the server made before it is in
        # the queue.
        lib.XSync(display, 0)
        event = _Event()
        while lib.XPending(display) > 0:
            lib.XNextEvent(display, ctypes.byref(event))
            if event.type == _MapNotify:
                self._mapped.append(event.map.window)
            elif event.type in (_CreateNotify, _ConfigureNotify):
                self._sizes[event.geometry.window] = (event.geometry.width, event.geometry.height)

    def mapped_windows(self):
        """Every top-level window mapped so far, in order, with the size it
        was last given: a list of (window id, (width, height))."""
        self._drain()
        return [(window, self._sizes.get(window)) for window in self._mapped]
