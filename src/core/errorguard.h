#pragma once

#include "platform.h"

#include <functional>
#include <string_view>

namespace velmo {

// Writes the cause of a failure to standard error, as one UTF-8 line per
// line of the message, each after the program's name: what the user was
// shown in a box, with the file, the system's message or the printer.
void writeCause(std::u16string_view cause);

// The one guard around everything a front end runs for the page: start-up
// and every event. An exception that escapes call is an error that no
// command deals with: its cause goes to standard error, the platform shows
// the box that ends the program, and false comes back, after which the
// caller ends the program with a non-zero status. Nothing escapes the guard.
bool runGuarded(Platform& platform, const std::function<void()>& call) noexcept;

} // namespace velmo
