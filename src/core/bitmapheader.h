#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace velmo {

// What the headers of a Windows bitmap file (.bmp) say about its pixels,
// once they have been found sound.
struct BitmapLayout {
    int width = 0;                 // in pixels, at least 1
    int height = 0;                // in pixels, at least 1, whichever way the rows run
    bool topDown = false;          // the file's rows run from the top down
    int bitCount = 0;              // bits per pixel: 1, 4, 8, 16, 24 or 32
    std::size_t infoOffset = 0;    // where the information header starts (after the 14-byte file header)
    std::size_t infoBytes = 0;     // what the system reads from there: header, masks and colour table
    std::size_t pixelOffset = 0;   // where the pixel rows start, at or after infoOffset + infoBytes
    std::size_t pixelBytes = 0;    // the bytes of all rows, each padded to four bytes
    std::size_t fileBytes() const { return pixelOffset + pixelBytes; } // what must be read of the file
};

struct BitmapCheck {
    std::optional<BitmapLayout> layout; // set when the file can be drawn
    std::u16string reason;              // otherwise why not, in Japanese, as one sentence
};

// The largest picture the page accepts: 4096 x 4096 is far beyond any page picture.
inline constexpr std::int64_t MaxPicturePixels = 4096LL * 4096LL;

// The most a file's headers can take: the file header and the largest
// information header accepted.
inline constexpr std::size_t BitmapHeaderBytes = 14 + 1024;

// Checks the start of a bitmap file before any pixel is read: the "BM"
// signature, an information header the system draws (BITMAPCOREHEADER or
// BITMAPINFOHEADER and its successors, uncompressed or with bit fields), a
// positive size of at most maxPixels pixels, and a file of fileSize bytes
// long enough for every byte that the system reads when it draws the
// picture. That is the block GDI takes as the picture's header (the larger of
// the header's own size and a 40-byte header with its three masks, then the
// colour table: every entry up to 8 bits a pixel, and at any depth the
// entries the header says are used, at most 256) and every row. head holds the first
// bytes of the file: all of it, or at least both headers, for which the
// first BitmapHeaderBytes bytes are always enough.
BitmapCheck checkBitmapHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize, std::int64_t maxPixels = MaxPicturePixels);

} // namespace velmo
