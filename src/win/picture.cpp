#include "picture.h"

#include "handles.h"
#include "wintext.h"

#include <cassert>
#include <string>

namespace velmo {

namespace {

// A picture's file through the Windows file calls.
class WinPictureFile : public PictureFile {
public:
    FileStatus open(std::u16string_view hostFileName, std::uint64_t& size) override
    {
        const std::wstring name = wideString(hostFileName);
        const HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
                return {FileProblem::Missing, {}};
            }
            // A folder cannot be opened as a file: Windows says only that access is denied.
            const DWORD attributes = GetFileAttributesW(name.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                return {FileProblem::NotAFile, {}};
            }
            return {FileProblem::CannotOpen, systemMessage(error)};
        }
        m_file.reset(handle);
        LARGE_INTEGER bytes{};
        if (!GetFileSizeEx(handle, &bytes)) {
            return {FileProblem::CannotOpen, systemMessage(GetLastError())};
        }
        size = static_cast<std::uint64_t>(bytes.QuadPart);
        return {};
    }

    FileStatus read(std::span<std::uint8_t> into) override
    {
        // The core reads no more than the largest picture it accepts at once,
        // and a file on disk gives all that is asked of it that it has.
        assert(into.size() <= MAXDWORD);
        DWORD got = 0;
        if (!ReadFile(m_file.get(), into.data(), static_cast<DWORD>(into.size()), &got, nullptr)) {
            return {FileProblem::CannotRead, systemMessage(GetLastError())};
        }
        if (got < into.size()) {
            return {FileProblem::CannotRead, {}}; // the file is shorter than it was a moment ago
        }
        return {};
    }

private:
    File m_file;
};

} // namespace

Picture::Picture(std::u16string_view hostFileName)
    : m_picture([hostFileName] {
        WinPictureFile file;
        return readPicture(file, hostFileName);
    }())
{
    // What StretchDIBits reads: the header block from infoOffset, and every
    // row, each padded to four bytes, from pixelOffset.
    [[maybe_unused]] const BitmapLayout& layout = m_picture.layout;
    [[maybe_unused]] const std::size_t rowBytes = (static_cast<std::size_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
    assert(layout.infoOffset + layout.infoBytes <= layout.pixelOffset);
    assert(rowBytes * static_cast<std::size_t>(layout.height) <= layout.pixelBytes);
    assert(layout.pixelOffset + layout.pixelBytes <= m_picture.bytes.size());
}

} // namespace velmo
