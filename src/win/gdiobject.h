#pragma once

#include <windows.h>

#include <utility>

namespace velmo {

// Owns one GDI object (a font, a brush) and deletes it when it goes.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle)
        : m_handle(handle)
    {
    }
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& other) noexcept
        : m_handle(std::exchange(other.m_handle, nullptr))
    {
    }
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            reset(std::exchange(other.m_handle, nullptr));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return m_handle; }
    void reset(Handle handle = nullptr)
    {
        if (m_handle != nullptr) {
            DeleteObject(m_handle);
        }
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

using Font = GdiObject<HFONT>;

// Selects an object into a device context for the lifetime of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : m_dc(dc)
        , m_previous(SelectObject(dc, object))
    {
    }
    ~SelectedObject() { SelectObject(m_dc, m_previous); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

} // namespace velmo
