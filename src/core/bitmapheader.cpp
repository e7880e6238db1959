#include "bitmapheader.h"

#include "text.h"

#include <algorithm>
#include <string>

namespace velmo {

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t Uncompressed = 0; // BI_RGB
constexpr std::uint32_t BitFields = 3;    // BI_BITFIELDS

std::uint32_t readU16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | (std::uint32_t(bytes[at + 1]) << 8);
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return readU16(bytes, at) | (readU16(bytes, at + 2) << 16);
}

std::u16string number(std::int64_t value)
{
    return fromUtf8(std::to_string(value));
}

BitmapCheck refused(std::u16string reason)
{
    return {std::nullopt, std::move(reason)};
}

BitmapCheck notABitmap(std::u16string_view detail)
{
    return refused(u"画像ファイルとして読み込めません（" + std::u16string(detail) + u"）。");
}

} // namespace

BitmapCheck checkBitmapHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize, std::int64_t maxPixels)
{
    if (head.size() > fileSize) {
        head = head.first(static_cast<std::size_t>(fileSize));
    }
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') {
        return notABitmap(u"ビットマップ形式ではありません");
    }
    if (head.size() < FileHeaderSize + 4) {
        return notABitmap(u"ファイルが途中で切れています");
    }
    const std::uint32_t headerSize = readU32(head, FileHeaderSize);
    const bool core = headerSize == CoreHeaderSize;
    if (!core && (headerSize < InfoHeaderSize || headerSize > 1024)) {
        return notABitmap(u"ビットマップの情報ヘッダが不正です");
    }
    if (head.size() < FileHeaderSize + headerSize) {
        return notABitmap(u"ファイルが途中で切れています");
    }

    const std::size_t info = FileHeaderSize;
    // The core header gives unsigned 16-bit sizes; the others signed 32-bit
    // ones, where a negative height means rows from the top down.
    const std::int64_t width = core ? std::int64_t(readU16(head, info + 4)) : std::int64_t(std::int32_t(readU32(head, info + 4)));
    const std::int64_t rawHeight = core ? std::int64_t(readU16(head, info + 6)) : std::int64_t(std::int32_t(readU32(head, info + 8)));
    const std::uint32_t planes = readU16(head, info + (core ? 8 : 12));
    const std::uint32_t bitCount = readU16(head, info + (core ? 10 : 14));
    const std::uint32_t compression = core ? Uncompressed : readU32(head, info + 16);
    const std::int64_t height = rawHeight < 0 ? -rawHeight : rawHeight;

    if (width <= 0 || height <= 0) {
        return refused(u"画像の大きさが正しくありません（" + number(width) + u" × " + number(rawHeight) + u" ピクセル）。");
    }
    if (width * height > maxPixels) {
        return refused(u"画像が大きすぎるため読み込めません（" + number(width) + u" × " + number(height) + u" ピクセル）。");
    }
    if (planes != 1) {
        return notABitmap(u"ビットマップの情報ヘッダが不正です");
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return notABitmap(u"対応していない色数です");
    }
    const bool fieldsAllowed = bitCount == 16 || bitCount == 32;
    if (compression != Uncompressed && !(compression == BitFields && fieldsAllowed)) {
        return notABitmap(u"対応していない圧縮形式です");
    }
    if (rawHeight < 0 && core) {
        return notABitmap(u"ビットマップの情報ヘッダが不正です");
    }

    // The block GDI reads as the picture's header: the information header,
    // or a 40-byte one with its three masks where that is larger, then the
    // colour table. Up to 8 bits a pixel every entry is read; at any depth
    // the entries the header says are used are read too, at most 256.
    std::uint64_t infoBytes = 0;
    if (core) {
        infoBytes = CoreHeaderSize + (bitCount <= 8 ? (std::uint64_t(1) << bitCount) * 3 : 0);
    } else {
        const std::uint64_t masks = compression == BitFields ? 12 : 0;
        const std::uint32_t used = readU32(head, info + 32);
        std::uint64_t entries = 0;
        if (bitCount <= 8) {
            if (used > (std::uint32_t(1) << bitCount)) {
                return notABitmap(u"カラーテーブルが不正です");
            }
            entries = used == 0 ? (std::uint64_t(1) << bitCount) : used;
        } else {
            entries = std::min<std::uint64_t>(used, 256);
        }
        infoBytes = std::max<std::uint64_t>(headerSize, InfoHeaderSize + masks) + entries * 4;
    }
    const std::uint64_t pixelOffset = readU32(head, 10);
    if (pixelOffset < FileHeaderSize + infoBytes) {
        return notABitmap(u"画素データの位置が不正です");
    }

    const std::uint64_t stride = ((std::uint64_t(width) * bitCount + 31) / 32) * 4;
    const std::uint64_t pixelBytes = stride * std::uint64_t(height);
    if (pixelOffset + pixelBytes > fileSize) {
        return notABitmap(u"ファイルが途中で切れています");
    }

    BitmapLayout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.topDown = rawHeight < 0;
    layout.bitCount = static_cast<int>(bitCount);
    layout.infoOffset = info;
    layout.infoBytes = static_cast<std::size_t>(infoBytes);
    layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
    layout.pixelBytes = static_cast<std::size_t>(pixelBytes);
    return {layout, {}};
}

} // namespace velmo
