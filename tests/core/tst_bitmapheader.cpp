// The checks a picture file passes before the Windows program reads its
// pixels (src/core/bitmapheader.h). The claimed size of 5000 x 5000 and the
// message that gives it are checked end to end in tests/win/run.

#include "check.h"
#include "core/bitmapheader.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

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
    // Three pixels of three bytes are nine, padded to twelve a row.
    const auto bottomUp = checkFile(bitmap(3, 2, 24));
    CHECK(bottomUp.layout && bottomUp.layout->width == 3 && bottomUp.layout->height == 2 && !bottomUp.layout->topDown);
    CHECK(bottomUp.layout && bottomUp.layout->pixelOffset == 54 && bottomUp.layout->pixelBytes == 24);

    // A negative height runs the rows from the top; the colour table of 256
    // entries comes before them.
    const auto topDown = checkFile(bitmap(5, -4, 8));
    CHECK(topDown.layout && topDown.layout->height == 4 && topDown.layout->topDown && topDown.layout->pixelOffset == 54 + 1024);

    // Bit fields in a 40-byte header need three masks after it, which this
    // file has no room for.
    CHECK(!checkFile(bitmap(2, 2, 32, 3)).layout);

    // The old 12-byte core header of OS/2 bitmaps, one pixel of one bit.
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
    CHECK(coreCheck.layout && coreCheck.layout->width == 1 && coreCheck.layout->bitCount == 1);
}

void refusesBadSizesBeforeReading()
{
    // The rows of a picture this large are never made: its size is judged
    // from the headers alone, one column over the limit is too much, and the
    // limit itself passes to be found short of its rows.
    CHECK(refusedFor(checkFile(bitmap(4097, 4096, 24)), u"大きすぎる"));
    CHECK(refusedFor(checkFile(bitmap(4096, 4096, 24)), u"途中で切れています"));
    for (const auto& [width, height] : {std::pair{0, 5}, {-3, 5}, {3, 0}}) {
        CHECK(refusedFor(checkFile(bitmap(width, height, 24)), u"大きさが正しくありません"));
    }
}

void refusesWhatIsNoDrawableBitmap()
{
    CHECK(refusedFor(checkFile({}), u"ビットマップ形式ではありません"));
    auto png = bitmap(3, 2, 24);
    png[0] = 0x89;
    png[1] = 'P';
    CHECK(refusedFor(checkFile(png), u"ビットマップ形式ではありません"));

    // One byte missing from the last row, and a file cut inside its header.
    auto shortRows = bitmap(3, 2, 24);
    shortRows.pop_back();
    CHECK(refusedFor(checkFile(shortRows), u"途中で切れています"));
    auto headerOnly = bitmap(3, 2, 24);
    headerOnly.resize(20);
    CHECK(refusedFor(checkFile(headerOnly), u"途中で切れています"));

    // Rows that would start inside the colour table.
    auto overlapping = bitmap(2, 2, 8);
    put32(overlapping, 10, 54 + 512);
    CHECK(refusedFor(checkFile(overlapping), u"画素データの位置が不正です"));

    // Run-length encoding, seven bits a pixel and two planes are nothing the
    // page draws.
    CHECK(refusedFor(checkFile(bitmap(4, 4, 8, 1)), u"圧縮形式"));
    CHECK(refusedFor(checkFile(bitmap(4, 4, 7)), u"色数"));
    auto planes = bitmap(4, 4, 24);
    put16(planes, 26, 2);
    CHECK(!checkFile(planes).layout);
}

} // namespace

int main()
{
    return velmo::test::runTests({
        TEST_CASE(acceptsDrawableBitmaps),
        TEST_CASE(refusesBadSizesBeforeReading),
        TEST_CASE(refusesWhatIsNoDrawableBitmap),
    });
}
