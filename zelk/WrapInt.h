#ifndef ZELK_WRAPINT_H
#define ZELK_WRAPINT_H

#include <type_traits>

// Integer arithmetic that keeps the low bits of the result in the operand's
// own width, for signed types too. The work is done in an unsigned type at
// least as wide as unsigned int, so neither signed overflow nor the promotion
// of small types to int can make it undefined.
namespace zelk {
namespace wrap {

template <typename T>
using Unsigned =
    std::conditional_t<(sizeof(T) < sizeof(unsigned int)), unsigned int, std::make_unsigned_t<T>>;

template <typename T> constexpr T mul(T a, T b) {
    if constexpr (std::is_integral_v<T>) {
        return static_cast<T>(static_cast<Unsigned<T>>(a) * static_cast<Unsigned<T>>(b));
    } else {
        return a * b;
    }
}

template <typename T> constexpr T add(T a, T b) {
    if constexpr (std::is_integral_v<T>) {
        return static_cast<T>(static_cast<Unsigned<T>>(a) + static_cast<Unsigned<T>>(b));
    } else {
        return a + b;
    }
}

template <typename T> constexpr T sub(T a, T b) {
    if constexpr (std::is_integral_v<T>) {
        return static_cast<T>(static_cast<Unsigned<T>>(a) - static_cast<Unsigned<T>>(b));
    } else {
        return a - b;
    }
}

// The negation of a signed value; the most negative value comes back unchanged.
template <typename T> constexpr T neg(T a) {
    if constexpr (std::is_integral_v<T>) {
        return static_cast<T>(Unsigned<T>(0) - static_cast<Unsigned<T>>(a));
    } else {
        return -a;
    }
}

} // namespace wrap
} // namespace zelk

#endif
