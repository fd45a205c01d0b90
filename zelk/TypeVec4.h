#ifndef ZELK_TYPEVEC4_H
#define ZELK_TYPEVEC4_H

#include "zelk/TypeVars.h"
#include "zelk/WrapInt.h"

#include <type_traits>

namespace zelk {

// Four components in order x, y, z, w; zero by default. A vec4f32 also
// serves as a quaternion with w last.
template <typename T> struct vec4 {
    T x, y, z, w;

    constexpr vec4() : x(0), y(0), z(0), w(0) {}
    constexpr vec4(T x, T y, T z, T w) : x(x), y(y), z(z), w(w) {}

    vec4 operator=(T value) {
        x = y = z = w = value;
        return *this;
    }
    template <typename U = T, typename = std::enable_if_t<std::is_floating_point_v<U>>>
    void operator/=(T value) {
        x /= value;
        y /= value;
        z /= value;
        w /= value;
    }
    bool operator==(vec4 other) const {
        return x == other.x && y == other.y && z == other.z && w == other.w;
    }
    vec4 operator-(vec4 other) const {
        return vec4(wrap::sub(x, other.x), wrap::sub(y, other.y), wrap::sub(z, other.z),
                    wrap::sub(w, other.w));
    }
    vec4 operator+(vec4 other) const {
        return vec4(wrap::add(x, other.x), wrap::add(y, other.y), wrap::add(z, other.z),
                    wrap::add(w, other.w));
    }
    vec4 operator*(vec4 other) const {
        return vec4(wrap::mul(x, other.x), wrap::mul(y, other.y), wrap::mul(z, other.z),
                    wrap::mul(w, other.w));
    }
    vec4 operator*(T value) const {
        return vec4(wrap::mul(x, value), wrap::mul(y, value), wrap::mul(z, value),
                    wrap::mul(w, value));
    }
};

typedef vec4<int8> vec4i8;
typedef vec4<int16> vec4i16;
typedef vec4<int32> vec4i32;
typedef vec4<int64> vec4i64;
typedef vec4<uint8> vec4ui8;
typedef vec4<uint16> vec4ui16;
typedef vec4<uint32> vec4ui32;
typedef vec4<uint64> vec4ui64;
typedef vec4<float32> vec4f32;
typedef vec4<float64> vec4f64;

} // namespace zelk

#endif
