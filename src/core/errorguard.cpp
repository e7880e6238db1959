#include "errorguard.h"

#include "programinfo.h"
#include "text.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

namespace velmo {

void writeCause(std::u16string_view cause)
{
    const std::string name = ApplicationCommand;
    std::size_t at = 0;
    while (at <= cause.size()) {
        const std::size_t end = std::min(cause.find(u'\n', at), cause.size());
        const std::string line = name + ": " + toUtf8(cause.substr(at, end - at)) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
        at = end + 1;
    }
    std::fflush(stderr);
}

bool runGuarded(Platform& platform, const std::function<void()>& call) noexcept
{
    std::u16string cause;
    try {
        call();
        return true;
    } catch (const RuntimeError& error) {
        cause = error.message();
    } catch (const std::exception& error) {
        cause = fromUtf8(error.what());
    } catch (...) {
        cause = u"不明なエラーです。";
    }
    writeCause(cause);
    try {
        platform.reportUnhandledError(cause);
    } catch (...) {
        // The box itself failed: standard error has the cause already.
    }
    return false;
}

} // namespace velmo
