#pragma once

#include "picturereading.h"

#include <windows.h>

#include <string_view>

namespace velmo {

// One picture of the page as the core has read and checked it from its file:
// the bytes hold every byte that StretchDIBits reads, the header block and
// all rows.
class Picture {
public:
    // Reads the file. Throws RuntimeError with the core's message, which
    // gives the cause and the file's name.
    explicit Picture(std::u16string_view hostFileName);

    int width() const { return m_picture.layout.width; }
    int height() const { return m_picture.layout.height; }
    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(m_picture.bytes.data() + m_picture.layout.infoOffset); }
    const void* bits() const { return m_picture.bytes.data() + m_picture.layout.pixelOffset; }

private:
    CheckedPicture m_picture;
};

} // namespace velmo
