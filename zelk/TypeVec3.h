#ifndef ZELK_TYPEVEC3_H
#define ZELK_TYPEVEC3_H

#include "zelk/TypeVars.h"
#include "zelk/WrapInt.h"

#include <type_traits>

namespace zelk {

// Three components in order x, y, z; zero by default.
template <typename T> struct vec3 {
    T x, y, z;

    constexpr vec3() : x(0), y(0), z(0) {}
    constexpr vec3(T x, T y, T z) : x(x), y(y), z(z) {}

    vec3 operator=(T value) {
        x = y = z = value;
        return *this;
    }
    template <typename U = T, typename = std::enable_if_t<std::is_floating_point_v<U>>>
    void operator/=(T value) {
        x /= value;
        y /= value;
        z /= value;
    }
    bool operator==(vec3 other) const { return x == other.x && y == other.y && z == other.z; }
    vec3 operator-(vec3 other) const {
        return vec3(wrap::sub(x, other.x), wrap::sub(y, other.y), wrap::sub(z, other.z));
    }
    vec3 operator+(vec3 other) const {
        return vec3(wrap::add(x, other.x), wrap::add(y, other.y), wrap::add(z, other.z));
    }
    vec3 operator*(vec3 other) const {
        return vec3(wrap::mul(x, other.x), wrap::mul(y, other.y), wrap::mul(z, other.z));
    }
    vec3 operator*(T value) const {
        return vec3(wrap::mul(x, value), wrap::mul(y, value), wrap::mul(z, value));
    }
};

typedef vec3<int8> vec3i8;
typedef vec3<int16> vec3i16;
typedef vec3<int32> vec3i32;
typedef vec3<int64> vec3i64;
typedef vec3<uint8> vec3ui8;
typedef vec3<uint16> vec3ui16;
typedef vec3<uint32> vec3ui32;
typedef vec3<uint64> vec3ui64;
typedef vec3<float32> vec3f32;
typedef vec3<float64> vec3f64;

} // namespace zelk

#endif
