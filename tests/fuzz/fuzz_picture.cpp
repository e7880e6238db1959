// libFuzzer entry for the picture loading step: every input must end in a
// picture or a clean RuntimeError, never a crash, a hang or an unbounded
// allocation.

#include "platform.h"
#include "picturereader.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

constexpr qint64 MaxPicturePixels = 4096LL * 4096LL;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const QImage picture = velmo::decodePicture(buffer, QStringLiteral("広告1.bmp"), MaxPicturePixels);
        // A decoded picture is always within the limit.
        if (static_cast<qint64>(picture.width()) * picture.height() > MaxPicturePixels) {
            __builtin_trap();
        }
    } catch (const velmo::RuntimeError&) {
    }
    return 0;
}
