#include "draws.h"

#include "randomsource.h"

#include <QtGlobal>

#include <cfenv>
#include <cmath>

namespace velmo {

namespace {

constexpr int CheckedExceptions = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

void checkFloatingPointStatus(const char* step)
{
    if (std::fetestexcept(CheckedExceptions) != 0) {
        throw FloatingPointError(std::string("floating-point error in the ") + step + " of a draw");
    }
}

// Forms floor(r * factor + base) with the status checked after the product and
// after the sum; the caller's flags are left as they were.
int checkedFloor(float r, int factor, int base)
{
    std::fexcept_t saved;
    std::fegetexceptflag(&saved, CheckedExceptions);
    std::feclearexcept(CheckedExceptions);

    volatile double product = static_cast<double>(r) * factor;
    checkFloatingPointStatus("product");
    volatile double sum = product + base;
    checkFloatingPointStatus("sum");
    if (!(sum >= -2147483648.0 && sum < 2147483648.0)) {
        throw FloatingPointError("a draw left the range of a 32-bit integer");
    }

    std::fesetexceptflag(&saved, CheckedExceptions);
    return static_cast<int>(std::floor(sum));
}

} // namespace

int drawIndex(RandomSource& source, int count)
{
    Q_ASSERT(count > 0);
    return checkedFloor(source.nextValue(), count, 0);
}

int drawNumber(RandomSource& source, int span, int base)
{
    Q_ASSERT(span > 0);
    return checkedFloor(source.nextValue(), span, base);
}

QString indexText(int index)
{
    Q_ASSERT(index >= 0);
    return QString::number(index);
}

} // namespace velmo
