#include "draws.h"

#include "randomsource.h"

#include <cassert>
#include <cfenv>
#include <cmath>

namespace velmo {

namespace {

// WebAssembly has no floating-point status flags, and its <cfenv> names
// none: there the range check of each draw alone stops a broken value.
#if defined(FE_INVALID) && defined(FE_DIVBYZERO) && defined(FE_OVERFLOW)
constexpr int CheckedExceptions = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
#else
constexpr int CheckedExceptions = 0;
#endif

void checkFloatingPointStatus(const char* step)
{
    if (std::fetestexcept(CheckedExceptions) != 0) {
        throw FloatingPointError(std::string("floating-point error in the ") + step + " of a draw");
    }
}

// Keeps the caller's floating-point flags: they are saved and cleared on
// entry, and put back on every way out, an error included. They are put back
// by raising them again rather than with fesetexceptflag, whose MinGW-w64
// version writes the flags into the SSE unit's exception masks: after it an
// invalid operation anywhere in the Windows program would trap.
class FloatingPointFlagsScope {
public:
    FloatingPointFlagsScope()
        : m_saved(std::fetestexcept(CheckedExceptions))
    {
        std::feclearexcept(CheckedExceptions);
    }
    ~FloatingPointFlagsScope()
    {
        std::feclearexcept(CheckedExceptions);
        if (m_saved != 0) {
            std::feraiseexcept(m_saved);
        }
    }
    FloatingPointFlagsScope(const FloatingPointFlagsScope&) = delete;
    FloatingPointFlagsScope& operator=(const FloatingPointFlagsScope&) = delete;

private:
    int m_saved;
};

// Forms floor(r * factor + base) with the status checked after the product and
// after the sum.
int checkedFloor(float r, int factor, int base)
{
    const FloatingPointFlagsScope flags;
    // The compiler does not know that the status flags depend on the
    // arithmetic: volatile makes each step happen, in order, between the
    // checks instead of being folded or moved past them.
    volatile double product = static_cast<double>(r) * factor;
    checkFloatingPointStatus("product");
    volatile double sum = product + base;
    checkFloatingPointStatus("sum");
    if (!(sum >= -2147483648.0 && sum < 2147483648.0)) {
        throw FloatingPointError("a draw left the range of a 32-bit integer");
    }
    return static_cast<int>(std::floor(sum));
}

} // namespace

int drawNumber(RandomSource& source, int span, int base)
{
    assert(span > 0);
    return checkedFloor(source.nextValue(), span, base);
}

std::u16string indexText(int index)
{
    assert(index >= 0);
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + index % 10));
        index /= 10;
    } while (index > 0);
    return digits;
}

} // namespace velmo
