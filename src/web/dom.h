#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace velmo::web {

using emscripten::val;

// Small helpers over the browser's DOM. Text crosses into JavaScript as
// UTF-16 strings; names of tags, attributes and properties are ASCII.

val document();

// A new element of tag, appended to parent when it is given.
val createElement(const char* tag, const val& parent = val::undefined());

void setText(val element, std::u16string_view text);
void setAttribute(val element, const char* name, std::u16string_view value);
void setStyle(val element, const char* property, std::u16string_view value);

// A length of the page in the unit --u: one page pixel on a wide screen,
// less on a narrow one and on paper (index.html.in).
std::u16string pageLength(double pagePixels);

// A length in CSS pixels, for what is not part of the page (menu, boxes).
std::u16string cssPixels(double pixels);

std::u16string asText(const val& jsString);

} // namespace velmo::web
