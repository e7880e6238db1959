// The checks a picture file passes before the Windows program reads its
// pixels (src/core/bitmapheader.h). That a refused picture names its file
// and ends the program is checked end to end in tests/win/run.

#include "check.h"
#include "bitmapheader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A whole file with a BITMAPINFOHEADER, its colour table and zeroed rows;
// the rows of a picture of a megabyte or more are left out.
std::vector<std::uint8_t> bitmap(std::int32_t width, std::int32_t height, std::uint8_t bitCount)
{
    const std::uint32_t offset = 14 + 40 + (bitCount <= 8 ? (4u << bitCount) : 0);
    const std::uint64_t pixels = ((std::uint64_t(width) * bitCount + 31) / 32) * 4 * std::uint64_t(height < 0 ? -height : height);
    std::vector<std::uint8_t> bytes(offset + (pixels < (1u << 20) ? pixels : 0));
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 10, offset);
    put32(bytes, 14, 40);
    put32(bytes, 18, static_cast<std::uint32_t>(width));
    put32(bytes, 22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = bitCount;
    return bytes;
}

bool refusedFor(const std::vector<std::uint8_t>& bytes, std::u16string_view reason)
{
    const auto check = velmo::checkBitmapHeader(bytes, bytes.size());
    return !check.layout && check.reason.find(reason) != std::u16string::npos;
}

void acceptsRowsFromTheTop()
{
    // A negative height runs the rows from the top down.
    const auto bytes = bitmap(5, -4, 8);
    const auto check = velmo::checkBitmapHeader(bytes, bytes.size());
    CHECK(check.layout && check.layout->height == 4 && check.layout->topDown);
}

void refusesBadSizesBeforeReading()
{
    // The rows of a picture this large are never made: its size is judged
    // from the headers alone, one column over the limit is too much, and the
    // limit itself passes to be found short of its rows.
    CHECK(refusedFor(bitmap(4097, 4096, 24), u"大きすぎる"));
    CHECK(refusedFor(bitmap(4096, 4096, 24), u"途中で切れています"));
}

void refusesRowsTheFileDoesNotHold()
{
    // One byte missing from the last row.
    auto shortRows = bitmap(3, 2, 24);
    shortRows.pop_back();
    CHECK(refusedFor(shortRows, u"途中で切れています"));

    // Rows that would start inside the colour table of 256 entries.
    auto overlapping = bitmap(2, 2, 8);
    put32(overlapping, 10, 54 + 512);
    CHECK(refusedFor(overlapping, u"画素データの位置が不正です"));
}

} // namespace

int main()
{
    return velmo::test::runTests({
        TEST_CASE(acceptsRowsFromTheTop),
        TEST_CASE(refusesBadSizesBeforeReading),
        TEST_CASE(refusesRowsTheFileDoesNotHold),
    });
}
