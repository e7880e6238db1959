#include "picturereading.h"

#include "platform.h"

#include <algorithm>
#include <cstring>

namespace velmo {

namespace {

[[noreturn]] void fail(std::u16string_view cause, std::u16string_view hostFileName)
{
    throw RuntimeError(pictureErrorText(cause, hostFileName));
}

void failOn(const FileStatus& status, std::u16string_view hostFileName)
{
    const auto withMessage = [&status](std::u16string_view what) {
        return std::u16string(what) + (status.systemMessage.empty() ? u"。" : u"（" + status.systemMessage + u"）。");
    };
    switch (status.problem) {
    case FileProblem::None:
        return;
    case FileProblem::Missing:
        fail(u"画像ファイルが見つかりません。", hostFileName);
    case FileProblem::NotAFile:
        fail(u"画像ファイルの代わりにフォルダなどがあり、読み込めません。", hostFileName);
    case FileProblem::CannotOpen:
        fail(withMessage(u"画像ファイルを開けません"), hostFileName);
    case FileProblem::CannotRead:
        fail(withMessage(u"画像ファイルを読み込めません"), hostFileName);
    }
}

} // namespace

std::u16string pictureErrorText(std::u16string_view cause, std::u16string_view hostFileName)
{
    return std::u16string(cause) + u'\n' + std::u16string(hostFileName);
}

CheckedPicture readPicture(PictureFile& file, std::u16string_view hostFileName)
{
    std::uint64_t size = 0;
    failOn(file.open(hostFileName, size), hostFileName);

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uint64_t>(size, BitmapHeaderBytes)));
    failOn(file.read(bytes), hostFileName);
    const BitmapCheck check = checkBitmapHeader(bytes, size);
    if (!check.layout) {
        fail(check.reason, hostFileName);
    }

    // Only what the headers account for is read; anything after the last
    // row is not part of the picture. A file shorter than its headers
    // claim has been refused above.
    const std::size_t headerBytes = bytes.size();
    const std::size_t wanted = check.layout->fileBytes();
    if (wanted > headerBytes) {
        bytes.resize(wanted);
        failOn(file.read(std::span(bytes).subspan(headerBytes)), hostFileName);
    } else {
        bytes.resize(wanted);
    }
    return {std::move(bytes), *check.layout};
}

MemoryPictureFile::MemoryPictureFile(std::vector<std::uint8_t> bytes)
    : m_exists(true)
    , m_bytes(std::move(bytes))
{
}

FileStatus MemoryPictureFile::open(std::u16string_view, std::uint64_t& size)
{
    if (!m_exists) {
        return {FileProblem::Missing, {}};
    }
    m_position = 0;
    size = m_bytes.size();
    return {};
}

FileStatus MemoryPictureFile::read(std::span<std::uint8_t> into)
{
    if (into.size() > m_bytes.size() - m_position) {
        return {FileProblem::CannotRead, {}};
    }
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position), into.size(), into.begin());
    m_position += into.size();
    return {};
}

} // namespace velmo
