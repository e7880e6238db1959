#pragma once

#include "handles.h"

#include <windows.h>

#include <cwctype>
#include <string>
#include <string_view>

namespace velmo {

// The page core keeps its text in char16_t and Windows in wchar_t; both are
// UTF-16 code units on Windows, so text crosses between them unconverted.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t holds UTF-16 on Windows");

inline const wchar_t* wide(const char16_t* text)
{
    return reinterpret_cast<const wchar_t*>(text);
}

inline std::wstring wideString(std::u16string_view text)
{
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string u16(std::wstring_view text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// The system's own words for an error code, without the line break at their
// end; empty for no error.
inline std::u16string systemMessage(DWORD error)
{
    if (error == 0) {
        return {};
    }
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const Owned<wchar_t*, LocalFree> owned(buffer);
    std::wstring_view message(buffer, length);
    while (!message.empty() && std::iswspace(message.back())) {
        message.remove_suffix(1);
    }
    return message.empty() ? u"エラー " + u16(std::to_wstring(error)) : u16(message);
}

} // namespace velmo
