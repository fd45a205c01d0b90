#ifndef ZELK_TYPEVEC2_H
#define ZELK_TYPEVEC2_H

#include "zelk/TypeVars.h"
#include "zelk/WrapInt.h"

#include <type_traits>

namespace zelk {

// Two components in order x, y; zero by default. Integer arithmetic wraps in
// the element width; float equality is exact.
template <typename T> struct vec2 {
    T x, y;

    constexpr vec2() : x(0), y(0) {}
    constexpr vec2(T x, T y) : x(x), y(y) {}
    // Pairs of another arithmetic type convert member by member (an unsigned
    // value into a float as its unsigned value, an unsigned into a signed
    // integer keeping its bit pattern).
    template <typename A,
              typename = std::enable_if_t<std::is_arithmetic_v<A> && !std::is_same_v<A, T>>>
    constexpr vec2(A x, A y) : x(static_cast<T>(x)), y(static_cast<T>(y)) {}

    vec2 operator=(T value) {
        x = y = value;
        return *this;
    }
    template <typename U = T, typename = std::enable_if_t<std::is_floating_point_v<U>>>
    void operator/=(T value) {
        x /= value;
        y /= value;
    }
    bool operator==(vec2 other) const { return x == other.x && y == other.y; }
    vec2 operator-(vec2 other) const { return vec2(wrap::sub(x, other.x), wrap::sub(y, other.y)); }
    vec2 operator+(vec2 other) const { return vec2(wrap::add(x, other.x), wrap::add(y, other.y)); }
    vec2 operator*(vec2 other) const { return vec2(wrap::mul(x, other.x), wrap::mul(y, other.y)); }
    vec2 operator*(T value) const { return vec2(wrap::mul(x, value), wrap::mul(y, value)); }
    void operator+=(vec2 other) {
        x = wrap::add(x, other.x);
        y = wrap::add(y, other.y);
    }
    void operator+=(T value) {
        x = wrap::add(x, value);
        y = wrap::add(y, value);
    }
};

typedef vec2<int8> vec2i8;
typedef vec2<int16> vec2i16;
typedef vec2<int32> vec2i32;
typedef vec2<int64> vec2i64;
typedef vec2<uint8> vec2ui8;
typedef vec2<uint16> vec2ui16;
typedef vec2<uint32> vec2ui32;
typedef vec2<uint64> vec2ui64;
typedef vec2<float32> vec2f32;
typedef vec2<float64> vec2f64;

} // namespace zelk

#endif
