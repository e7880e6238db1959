#include "dom.h"

#include "text.h"

#include <cmath>
#include <cstdio>

namespace velmo::web {

namespace {

std::u16string number(double value)
{
    char digits[32];
    // Page lengths are whole or half pixels; three decimals keep any scale.
    std::snprintf(digits, sizeof digits, "%.3f", value);
    std::string text = digits;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return fromUtf8(text);
}

} // namespace

val document()
{
    return val::global("document");
}

val createElement(const char* tag, const val& parent)
{
    val element = document().call<val>("createElement", val(tag));
    if (!parent.isUndefined()) {
        parent.call<void>("append", element);
    }
    return element;
}

void setText(val element, std::u16string_view text)
{
    element.set("textContent", val(std::u16string(text)));
}

void setAttribute(val element, const char* name, std::u16string_view value)
{
    element.call<void>("setAttribute", val(name), val(std::u16string(value)));
}

void setStyle(val element, const char* property, std::u16string_view value)
{
    element["style"].call<void>("setProperty", val(property), val(std::u16string(value)));
}

std::u16string pageLength(double pagePixels)
{
    return u"calc(var(--u) * " + number(pagePixels) + u")";
}

std::u16string cssPixels(double pixels)
{
    return number(pixels) + u"px";
}

std::u16string asText(const val& jsString)
{
    return jsString.isString() ? jsString.as<std::u16string>() : std::u16string();
}

} // namespace velmo::web
