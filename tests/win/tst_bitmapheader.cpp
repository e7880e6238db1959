// The checks a picture file passes before the Windows program reads its
// pixels (src/core/bitmapheader.h). Runs under Wine with the rest of the
// Windows tests; prints each failure and a closing count.

#include "core/bitmapheader.h"
#include "core/text.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

int passed = 0;
int failed = 0;

void check(bool condition, const char* what)
{
    if (condition) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAIL: %s\n", what);
    }
}

void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// A whole file with a BITMAPINFOHEADER, its colour table and zeroed rows.
std::vector<std::uint8_t> bitmap(std::int32_t width, std::int32_t height, std::uint16_t bitCount, std::uint32_t compression = 0)
{
    const std::uint32_t table = bitCount <= 8 ? (4u << bitCount) : 0;
    const std::uint32_t offset = 14 + 40 + table;
    const std::uint64_t rows = height < 0 ? -std::int64_t(height) : height;
    const std::uint64_t stride = ((std::uint64_t(width > 0 ? width : 0) * bitCount + 31) / 32) * 4;
    const std::uint64_t pixels = stride * rows;
    std::vector<std::uint8_t> bytes(offset + (pixels < (1u << 20) ? pixels : 0));
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    put32(bytes, 10, offset);
    put32(bytes, 14, 40);
    put32(bytes, 18, static_cast<std::uint32_t>(width));
    put32(bytes, 22, static_cast<std::uint32_t>(height));
    put16(bytes, 26, 1);
    put16(bytes, 28, bitCount);
    put32(bytes, 30, compression);
    return bytes;
}

velmo::BitmapCheck checkFile(const std::vector<std::uint8_t>& bytes)
{
    return velmo::checkBitmapHeader(bytes, bytes.size());
}

bool refusedFor(const velmo::BitmapCheck& check, std::u16string_view reason)
{
    return !check.layout && check.reason.find(reason) != std::u16string::npos;
}

void acceptsDrawableBitmaps()
{
    const auto bottomUp = checkFile(bitmap(3, 2, 24));
    check(bottomUp.layout && bottomUp.layout->width == 3 && bottomUp.layout->height == 2 && !bottomUp.layout->topDown,
          "a 24-bit picture gives its size");
    // Three pixels of three bytes are nine, padded to twelve a row.
    check(bottomUp.layout && bottomUp.layout->pixelOffset == 54 && bottomUp.layout->pixelBytes == 24,
          "the rows are found after the headers, padded to four bytes");

    const auto topDown = checkFile(bitmap(5, -4, 8));
    check(topDown.layout && topDown.layout->height == 4 && topDown.layout->topDown && topDown.layout->pixelOffset == 54 + 1024,
          "a top-down 8-bit picture has a positive height and its rows after the colour table");

    const auto fields = checkFile(bitmap(2, 2, 32, 3));
    check(!fields.layout, "a 40-byte header with bit fields but no room for the masks is refused");

    std::vector<std::uint8_t> core(14 + 12 + 6 + 4, 0);
    core[0] = 'B';
    core[1] = 'M';
    put32(core, 10, 14 + 12 + 6);
    put32(core, 14, 12);
    put16(core, 18, 1);
    put16(core, 20, 1);
    put16(core, 22, 1);
    put16(core, 24, 1);
    const auto coreCheck = checkFile(core);
    check(coreCheck.layout && coreCheck.layout->width == 1 && coreCheck.layout->bitCount == 1,
          "an old core-header bitmap is accepted");
}

void refusesBadSizesBeforeReading()
{
    // Only the headers are given: the size is judged before any pixel.
    auto huge = bitmap(5000, 5000, 24);
    check(refusedFor(velmo::checkBitmapHeader(huge, huge.size()), u"大きすぎる"), "5000 x 5000 pixels are too large");
    check(refusedFor(checkFile(bitmap(4097, 4096, 24)), u"大きすぎる"), "one column over 4096 x 4096 is too large");
    // 4096 x 4096 itself is allowed, and then found to lack its rows.
    check(refusedFor(checkFile(bitmap(4096, 4096, 24)), u"途中で切れています"), "4096 x 4096 passes the size check");
    check(refusedFor(checkFile(bitmap(0, 5, 24)), u"大きさが正しくありません"), "a zero width is refused");
    check(refusedFor(checkFile(bitmap(-3, 5, 24)), u"大きさが正しくありません"), "a negative width is refused");
    check(refusedFor(checkFile(bitmap(3, 0, 24)), u"大きさが正しくありません"), "a zero height is refused");
    const auto message = checkFile(bitmap(6000, 7000, 24)).reason;
    check(message.find(u"6000 × 7000") != std::u16string::npos, "the message gives the claimed size");
}

void refusesWhatIsNoDrawableBitmap()
{
    check(refusedFor(checkFile({}), u"ビットマップ形式ではありません"), "an empty file is not a bitmap");
    auto png = bitmap(3, 2, 24);
    png[0] = 0x89;
    png[1] = 'P';
    check(refusedFor(checkFile(png), u"ビットマップ形式ではありません"), "a file without BM is not a bitmap");

    auto shortRows = bitmap(3, 2, 24);
    shortRows.pop_back();
    check(refusedFor(checkFile(shortRows), u"途中で切れています"), "one byte missing from the last row is found");
    auto headerOnly = bitmap(3, 2, 24);
    headerOnly.resize(20);
    check(refusedFor(checkFile(headerOnly), u"途中で切れています"), "a file cut inside its header is found");

    auto overlapping = bitmap(2, 2, 8);
    put32(overlapping, 10, 54 + 512);
    check(refusedFor(checkFile(overlapping), u"画素データの位置が不正です"), "rows may not start inside the colour table");

    check(refusedFor(checkFile(bitmap(4, 4, 8, 1)), u"圧縮形式"), "run-length encoding is refused");
    check(refusedFor(checkFile(bitmap(4, 4, 7)), u"色数"), "seven bits a pixel are refused");
    auto planes = bitmap(4, 4, 24);
    put16(planes, 26, 2);
    check(!checkFile(planes).layout, "two planes are refused");
}

} // namespace

int wmain()
{
    acceptsDrawableBitmaps();
    refusesBadSizesBeforeReading();
    refusesWhatIsNoDrawableBitmap();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
