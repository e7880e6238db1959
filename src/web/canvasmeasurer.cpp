#include "canvasmeasurer.h"

#include "dom.h"
#include "webfonts.h"

namespace velmo::web {

namespace {

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c < 0xDC00;
}

} // namespace

CanvasMeasurer::CanvasMeasurer()
    : m_context(createElement("canvas").call<val>("getContext", val("2d")))
{
}

std::vector<double> CanvasMeasurer::advances(const FontStyle& font, std::u16string_view run)
{
    m_context.set("font", val(cssFont(font)));
    std::vector<double> advances(run.size(), 0.0);
    double before = 0;
    std::size_t start = 0;
    while (start < run.size()) {
        const std::size_t end = start + (isHighSurrogate(run[start]) && start + 1 < run.size() ? 2 : 1);
        const double width = m_context.call<val>("measureText", val(std::u16string(run.substr(0, end))))["width"].as<double>();
        advances[start] = width - before;
        before = width;
        start = end;
    }
    return advances;
}

} // namespace velmo::web
