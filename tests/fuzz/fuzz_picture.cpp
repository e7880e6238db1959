// libFuzzer entry for the picture loading step: every input must end in a
// picture or a clean RuntimeError, never a crash, a hang or an unbounded
// allocation.

#include "app/picturereader.h"
#include "app/qtruntimeservices.h"
#include "app/runtimeservices.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const QImage picture = velmo::decodePicture(buffer, QStringLiteral("広告1.bmp"), velmo::QtRuntimeServices::MaxPicturePixels);
        // A decoded picture is always within the limit.
        if (static_cast<qint64>(picture.width()) * picture.height() > velmo::QtRuntimeServices::MaxPicturePixels) {
            __builtin_trap();
        }
    } catch (const velmo::RuntimeError&) {
    }
    return 0;
}
