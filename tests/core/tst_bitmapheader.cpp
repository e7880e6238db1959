// The checks a picture file passes before any front end reads its pixels
// (src/core/bitmapheader.h), and the reading of a page picture through the
// host's file calls (src/core/picturereading.h). That a refused picture ends
// the program is checked end to end on each front end.

#include "check.h"
#include "bitmapheader.h"
#include "picturereading.h"
#include "platform.h"

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

// The same file with another header size, the header padded with zeros, and
// the rows moved up behind it.
std::vector<std::uint8_t> withHeaderSize(std::vector<std::uint8_t> bytes, std::uint32_t size)
{
    bytes.insert(bytes.begin() + 54, size - 40, 0);
    put32(bytes, 14, size);
    put32(bytes, 10, static_cast<std::uint32_t>(bytes.size() - 4 * 4 * 3));
    return bytes;
}

std::size_t gdiBlock(const std::vector<std::uint8_t>& bytes)
{
    const auto check = velmo::checkBitmapHeader(bytes, bytes.size());
    return check.layout ? check.layout->infoBytes : 0;
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

void countsTheBlockGdiReads()
{
    // A 4 x 4, 24-bit picture whose header says 256 colours are used: GDI
    // reads a table of 256 entries even at this depth, so a file without
    // them is refused, and one that holds them is read whole.
    auto used = bitmap(4, 4, 24);
    put32(used, 46, 256);
    CHECK(refusedFor(used, u"画素データの位置が不正です"));
    used.insert(used.begin() + 54, 1024, 0);
    put32(used, 10, 54 + 1024);
    CHECK_EQ(gdiBlock(used), std::size_t(40 + 1024));
    put32(used, 46, 1000); // past 256 GDI stops counting
    CHECK_EQ(gdiBlock(used), std::size_t(40 + 1024));

    // Bit fields: GDI reads three masks after a header of up to 52 bytes,
    // so that headers of 40 to 51 bytes need room for them behind.
    for (std::uint32_t size = 40; size <= 55; ++size) {
        CHECK_EQ(gdiBlock(withHeaderSize(bitmap(4, 4, 24), size)), std::size_t(size));
        auto masked = withHeaderSize(bitmap(4, 4, 24), size);
        put32(masked, 30, 3);
        masked[28] = 32; // 32 bits a pixel: the rows need 64 bytes
        masked.resize(masked.size() + 16);
        if (size < 52) {
            CHECK(refusedFor(masked, u"画素データの位置が不正です"));
            masked.insert(masked.begin() + 14 + size, 52 - size, 0);
            put32(masked, 10, 14 + 52);
        }
        CHECK_EQ(gdiBlock(masked), std::size_t(size < 52 ? 52 : size));
    }

    // The core header: three-byte colour entries, 2^bits of them. The fuzz
    // target's oracle sees only what an accepted file lacks, not a good one
    // refused.
    std::vector<std::uint8_t> core(14 + 12 + 3 * 16 + 4 * 2, 0);
    core[0] = 'B';
    core[1] = 'M';
    put32(core, 10, 14 + 12 + 3 * 16);
    put32(core, 14, 12);
    core[18] = 2; // width, 16 bits
    core[20] = 2; // height
    core[22] = 1; // planes
    core[24] = 4; // bits a pixel
    CHECK_EQ(gdiBlock(core), std::size_t(12 + 3 * 16));
    put32(core, 10, 14 + 12 + 3 * 16 - 1);
    CHECK(refusedFor(core, u"画素データの位置が不正です"));
}

// A file whose calls fail as the system's do.
class FailingFile : public velmo::PictureFile {
public:
    explicit FailingFile(velmo::FileStatus atOpen, velmo::FileStatus atRead = {})
        : m_atOpen(std::move(atOpen))
        , m_atRead(std::move(atRead))
    {
    }
    velmo::FileStatus open(std::u16string_view, std::uint64_t& size) override
    {
        size = 100;
        return m_atOpen;
    }
    velmo::FileStatus read(std::span<std::uint8_t>) override { return m_atRead; }

private:
    velmo::FileStatus m_atOpen;
    velmo::FileStatus m_atRead;
};

std::u16string errorOf(velmo::PictureFile& file)
{
    try {
        velmo::readPicture(file, u"C:\\絵\\広告7.bmp");
    } catch (const velmo::RuntimeError& error) {
        return error.message();
    }
    return {};
}

void readsPicturesAndNamesTheFileOfEveryFailure()
{
    // Only the bytes up to the last row are kept.
    auto picture = bitmap(3, 2, 24);
    const std::size_t size = picture.size();
    picture.resize(size + 7, 0xAA);
    velmo::MemoryPictureFile file(picture);
    const velmo::CheckedPicture read = velmo::readPicture(file, u"広告7.bmp");
    CHECK_EQ(read.bytes.size(), size);
    CHECK_EQ(read.layout.width, 3);

    using velmo::FileProblem;
    velmo::MemoryPictureFile missing;
    CHECK_EQ(errorOf(missing), std::u16string(u"画像ファイルが見つかりません。\nC:\\絵\\広告7.bmp"));
    FailingFile folder({FileProblem::NotAFile, {}});
    CHECK_EQ(errorOf(folder), std::u16string(u"画像ファイルの代わりにフォルダなどがあり、読み込めません。\nC:\\絵\\広告7.bmp"));
    FailingFile locked({FileProblem::CannotOpen, u"アクセスが拒否されました。"});
    CHECK_EQ(errorOf(locked), std::u16string(u"画像ファイルを開けません（アクセスが拒否されました。）。\nC:\\絵\\広告7.bmp"));
    FailingFile unreadable({}, {FileProblem::CannotRead, {}});
    CHECK_EQ(errorOf(unreadable), std::u16string(u"画像ファイルを読み込めません。\nC:\\絵\\広告7.bmp"));
    velmo::MemoryPictureFile text(std::vector<std::uint8_t>{'G', 'I', 'F', '8'});
    CHECK_EQ(errorOf(text), std::u16string(u"画像ファイルとして読み込めません（ビットマップ形式ではありません）。\nC:\\絵\\広告7.bmp"));
}

} // namespace

int main()
{
    return velmo::test::runTests({
        TEST_CASE(acceptsRowsFromTheTop),
        TEST_CASE(refusesBadSizesBeforeReading),
        TEST_CASE(refusesRowsTheFileDoesNotHold),
        TEST_CASE(countsTheBlockGdiReads),
        TEST_CASE(readsPicturesAndNamesTheFileOfEveryFailure),
    });
}
