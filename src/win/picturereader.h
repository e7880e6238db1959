#pragma once

#include "bitmapheader.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velmo {

// One picture of the page as read from its file: the bitmap's information
// header, colour table and pixel rows, ready for StretchDIBits.
class Picture {
public:
    Picture(std::vector<std::uint8_t> bytes, const BitmapLayout& layout);

    int width() const { return m_layout.width; }
    int height() const { return m_layout.height; }
    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(m_bytes.data() + m_layout.infoOffset); }
    const void* bits() const { return m_bytes.data() + m_layout.pixelOffset; }

private:
    std::vector<std::uint8_t> m_bytes;
    BitmapLayout m_layout;
};

// Reads a Windows bitmap file. Its headers are checked before the pixels are
// read, so a file that claims a huge picture costs no memory. Throws
// RuntimeError with a Japanese message that gives the cause and, on its
// second line, the file's name: missing, a folder, unreadable, too large, or
// not a bitmap the page can draw.
Picture readPictureFile(const std::wstring& fileName);

} // namespace velmo
