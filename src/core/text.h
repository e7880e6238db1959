#pragma once

#include <string>
#include <string_view>

namespace velmo {

// Conversions at the edges of the program, where a library or the system
// wants UTF-8 (exception texts, file names on POSIX, terminals). Text that is
// not valid UTF-16 or UTF-8 has its broken units replaced by U+FFFD.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

// The text of the box that reports an error no command deals with, after
// which the program ends.
std::u16string unhandledErrorText(std::u16string_view message);

} // namespace velmo
