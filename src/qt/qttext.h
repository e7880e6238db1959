#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace velmo {

// The core's UTF-16 text as Qt's, and back; both are UTF-16, so nothing is
// converted.
inline QString qt(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string u16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

} // namespace velmo
