#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace velmo {

template <auto Release>
struct HandleReleaser {
    void operator()(auto handle) const { Release(handle); }
};

// Owns one Windows handle and releases it with Release when it goes. Null is
// no handle; a call that answers INVALID_HANDLE_VALUE is checked before its
// handle is given to an owner.
template <typename Handle, auto Release>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, HandleReleaser<Release>>;

using Font = Owned<HFONT, DeleteObject>;
using Brush = Owned<HBRUSH, DeleteObject>;
using Menu = Owned<HMENU, DestroyMenu>;
using Accelerators = Owned<HACCEL, DestroyAcceleratorTable>;
using File = Owned<HANDLE, CloseHandle>;
using GlobalMemory = Owned<HGLOBAL, GlobalFree>;
using OwnedDc = Owned<HDC, DeleteDC>;         // a memory or printer device context

// The device context of one WM_PAINT, from BeginPaint to EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window)
        : m_window(window)
        , m_dc(BeginPaint(window, &m_paint))
    {
    }
    ~PaintDc() { EndPaint(m_window, &m_paint); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return m_dc; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

// Puts back, when it goes, everything selected into or set on a device
// context since it came: fonts, clipping, colours, modes.
class SavedDc {
public:
    explicit SavedDc(HDC dc)
        : m_dc(dc)
        , m_saved(SaveDC(dc))
    {
    }
    ~SavedDc() { RestoreDC(m_dc, m_saved); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC m_dc;
    int m_saved;
};

} // namespace velmo
