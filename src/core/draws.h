#pragma once

#include <stdexcept>
#include <string>

namespace velmo {

class RandomSource;

// Raised when a draw's arithmetic sets the invalid-operation, division-by-zero
// or overflow flag, or leaves the range of a 32-bit integer. With values in
// [0, 1) and the page's small factors this cannot happen; the check guards
// against a broken source.
class FloatingPointError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Number draw: consumes one value r and returns floor(r * span + base). The
// product and the sum are formed in double precision; in single precision
// r * 4 + 9 would round up to 13 for the largest r. span must be positive.
int drawNumber(RandomSource& source, int span, int base);

// Table draw: consumes one value r and returns floor(r * count), which lies in
// 0 .. count - 1, so every entry has the same chance. count must be positive.
inline int drawIndex(RandomSource& source, int count)
{
    return drawNumber(source, count, 0);
}

// An index in plain decimal digits: no sign, blank, leading zero or point.
// index must not be negative.
std::u16string indexText(int index);

} // namespace velmo
