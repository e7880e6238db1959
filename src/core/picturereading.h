#pragma once

#include "bitmapheader.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmo {

// What went wrong with a picture's file, as the host's file calls see it.
enum class FileProblem { None, Missing, NotAFile, CannotOpen, CannotRead };

struct FileStatus {
    FileProblem problem = FileProblem::None;
    std::u16string systemMessage; // the system's own words for CannotOpen and CannotRead, if it has any
};

// The host's file calls, as the picture reading needs them: one file opened
// for reading from its start. Each front end answers them with its own
// system's calls; the browser's answers from bytes it has fetched.
class PictureFile {
public:
    virtual ~PictureFile() = default;

    // Opens the file named in the host's own form and tells its size.
    virtual FileStatus open(std::u16string_view hostFileName, std::uint64_t& size) = 0;

    // Reads the next bytes of the open file until into is full.
    virtual FileStatus read(std::span<std::uint8_t> into) = 0;
};

// A picture file's bytes from its start up to its last row, with its
// layout: every byte that the system reads when it draws the picture.
struct CheckedPicture {
    std::vector<std::uint8_t> bytes;
    BitmapLayout layout;
};

// Reads one of the page's pictures: the headers first, checked before any
// pixel is read (so a file that claims a huge picture costs no memory), then
// the rows. Throws RuntimeError whose message gives the cause in Japanese
// and, on its second line, the file's name: missing, a folder, unreadable,
// too large, or not a bitmap the page can draw.
CheckedPicture readPicture(PictureFile& file, std::u16string_view hostFileName);

// The message of a picture that cannot be shown: the cause, then the file.
std::u16string pictureErrorText(std::u16string_view cause, std::u16string_view hostFileName);

// A file already held in memory, for the browser, which fetches the
// pictures before the page is read, and for tests.
class MemoryPictureFile : public PictureFile {
public:
    MemoryPictureFile() = default; // a missing file
    explicit MemoryPictureFile(std::vector<std::uint8_t> bytes);

    FileStatus open(std::u16string_view hostFileName, std::uint64_t& size) override;
    FileStatus read(std::span<std::uint8_t> into) override;

private:
    bool m_exists = false;
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

} // namespace velmo
