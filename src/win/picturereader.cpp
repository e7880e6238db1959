#include "picturereader.h"

#include "platform.h"
#include "wintext.h"

#include <algorithm>
#include <utility>

namespace velmo {

namespace {

RuntimeError pictureError(std::u16string_view cause, const std::wstring& fileName)
{
    return RuntimeError(std::u16string(cause) + u'\n' + u16(fileName));
}

// The system's own description of an error code, without its line break.
std::u16string systemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length > 0 ? std::wstring(text, length) : L"エラー " + std::to_wstring(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
        message.pop_back();
    }
    return u16(message);
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle)
        : m_handle(handle)
    {
    }
    ~FileHandle()
    {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// Reads from the file's current position until bytes is full.
bool readFully(HANDLE file, std::uint8_t* bytes, std::size_t count)
{
    while (count > 0) {
        DWORD got = 0;
        const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
        if (!ReadFile(file, bytes, asked, &got, nullptr) || got == 0) {
            return false;
        }
        bytes += got;
        count -= got;
    }
    return true;
}

} // namespace

Picture::Picture(std::vector<std::uint8_t> bytes, const BitmapLayout& layout)
    : m_bytes(std::move(bytes))
    , m_layout(layout)
{
}

Picture readPictureFile(const std::wstring& fileName)
{
    const DWORD attributes = GetFileAttributesW(fileName.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            throw pictureError(u"画像ファイルが見つかりません。", fileName);
        }
        throw pictureError(u"画像ファイルを開けません（" + systemMessage(error) + u"）。", fileName);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw pictureError(u"画像ファイルの代わりにフォルダなどがあり、読み込めません。", fileName);
    }

    const FileHandle file(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        throw pictureError(u"画像ファイルを開けません（" + systemMessage(GetLastError()) + u"）。", fileName);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        throw pictureError(u"画像ファイルを開けません（" + systemMessage(GetLastError()) + u"）。", fileName);
    }
    const auto fileSize = static_cast<std::uint64_t>(size.QuadPart);

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, BitmapHeaderBytes)));
    if (!readFully(file.get(), bytes.data(), bytes.size())) {
        throw pictureError(u"画像ファイルを読み込めません（" + systemMessage(GetLastError()) + u"）。", fileName);
    }
    const BitmapCheck check = checkBitmapHeader(bytes, fileSize);
    if (!check.layout) {
        throw pictureError(check.reason, fileName);
    }

    // Only what the headers account for is read; anything after the last
    // row is not part of the picture.
    const std::size_t headerBytes = bytes.size();
    const std::size_t wanted = check.layout->fileBytes();
    if (wanted > headerBytes) {
        bytes.resize(wanted);
        if (!readFully(file.get(), bytes.data() + headerBytes, wanted - headerBytes)) {
            throw pictureError(u"画像ファイルを読み込めません（" + systemMessage(GetLastError()) + u"）。", fileName);
        }
    }
    return Picture(std::move(bytes), *check.layout);
}

} // namespace velmo
