// libFuzzer entry for the Qt front end's picture loading: the core reads
// and checks the file (readPicture), then Qt decodes the checked bytes.
// Every input must end in a picture of the size the core checked or in a
// clean RuntimeError, never a crash, a hang or an unbounded allocation.

#include "picturereader.h"
#include "picturereading.h"
#include "platform.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    velmo::MemoryPictureFile file(std::vector<std::uint8_t>(data, data + size));
    try {
        const velmo::CheckedPicture checked = velmo::readPicture(file, u"広告1.bmp");
        const QImage picture = velmo::decodePicture(checked, u"広告1.bmp");
        if (picture.width() != checked.layout.width || picture.height() != checked.layout.height) {
            __builtin_trap();
        }
    } catch (const velmo::RuntimeError&) {
    }
    return 0;
}
