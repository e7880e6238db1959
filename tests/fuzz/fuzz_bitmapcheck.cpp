// libFuzzer entry for the page core's picture check, with an oracle: every
// file the check accepts holds every byte that GDI reads when it draws it
// (the header block as GDI sizes it, worked out here from the raw header,
// and every row), and every file it refuses has a reason.

#include "bitmapheader.h"
#include "picturereading.h"
#include "platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace {

std::uint32_t read32(const std::uint8_t* data, std::size_t at)
{
    return data[at] | std::uint32_t(data[at + 1]) << 8 | std::uint32_t(data[at + 2]) << 16 | std::uint32_t(data[at + 3]) << 24;
}

// The bytes GDI reads from the start of the information header: a core
// header with 2^bits three-byte entries up to 8 bits; otherwise the larger
// of the header and a 40-byte header with masks, then min(used, 256)
// four-byte entries (2^bits when used is 0 up to 8 bits).
std::uint64_t gdiHeaderBlock(const std::uint8_t* data)
{
    const std::uint32_t size = read32(data, 14);
    if (size == 12) {
        const unsigned bits = data[24] | unsigned(data[25]) << 8;
        return 12 + (bits <= 8 ? (std::uint64_t(1) << bits) * 3 : 0);
    }
    const unsigned bits = data[28] | unsigned(data[29]) << 8;
    const std::uint32_t compression = read32(data, 30);
    const std::uint32_t used = read32(data, 46);
    const std::uint64_t entries = bits <= 8 && used == 0 ? (std::uint64_t(1) << bits) : std::min<std::uint32_t>(used, 256);
    return std::max<std::uint64_t>(size, 40 + (compression == 3 ? 12 : 0)) + entries * 4;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    const velmo::BitmapCheck check = velmo::checkBitmapHeader(file.first(std::min(size, velmo::BitmapHeaderBytes)), size);
    if (!check.layout) {
        if (check.reason.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    const velmo::BitmapLayout& layout = *check.layout;
    const std::uint64_t stride = (std::uint64_t(layout.width) * layout.bitCount + 31) / 32 * 4;
    if (layout.infoOffset + gdiHeaderBlock(data) > layout.fileBytes() || layout.infoBytes != gdiHeaderBlock(data)
        || layout.pixelOffset + stride * std::uint64_t(layout.height) > layout.fileBytes() || layout.fileBytes() > size) {
        __builtin_trap();
    }
    // Reading the file keeps exactly those bytes.
    velmo::MemoryPictureFile memory(std::vector<std::uint8_t>(data, data + size));
    if (velmo::readPicture(memory, u"広告1.bmp").bytes.size() != layout.fileBytes()) {
        __builtin_trap();
    }
    return 0;
}
