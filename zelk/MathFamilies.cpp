#include "zelk/Math.h"

#include "zelk/WrapInt.h"

#include <cmath>
#include <limits>

// Square roots, squares, absolute values, lengths, sines and cosines for floats
// and for every integer width: one template per operation, and the named
// operations below pick the element type and size.

namespace zelk {
namespace {

template <typename T> float32 rootOf(T value) {
    return static_cast<float32>(std::sqrt(static_cast<float64>(value)));
}

// For a vector this is the value type's own component product, which wraps.
template <typename T> T squareOf(T value) {
    return wrap::mul(value, value);
}

template <typename T> T moduleOf(T value) {
    return value < 0 ? wrap::neg(value) : value;
}
template <typename T> vec2<T> moduleOf(vec2<T> v) {
    return vec2<T>(moduleOf(v.x), moduleOf(v.y));
}
template <typename T> vec3<T> moduleOf(vec3<T> v) {
    return vec3<T>(moduleOf(v.x), moduleOf(v.y), moduleOf(v.z));
}
template <typename T> vec4<T> moduleOf(vec4<T> v) {
    return vec4<T>(moduleOf(v.x), moduleOf(v.y), moduleOf(v.z), moduleOf(v.w));
}

// The squares are summed in the element type, x first.
template <typename T> float32 lengthOf(vec2<T> v) {
    return rootOf(wrap::add(squareOf(v.x), squareOf(v.y)));
}
template <typename T> float32 lengthOf(vec3<T> v) {
    return rootOf(wrap::add(wrap::add(squareOf(v.x), squareOf(v.y)), squareOf(v.z)));
}
template <typename T> float32 lengthOf(vec4<T> v) {
    return rootOf(wrap::add(wrap::add(wrap::add(squareOf(v.x), squareOf(v.y)), squareOf(v.z)),
                            squareOf(v.w)));
}

// Whether angle equals the given whole angle, answering false when the type
// cannot hold that angle at all.
template <int exact, typename T> bool isAngle(T angle) {
    if constexpr (std::numeric_limits<T>::max() >= exact) {
        return angle == static_cast<T>(exact);
    } else {
        return false;
    }
}

template <typename T> float32 sinOf(T angle) {
    if (isAngle<180>(angle)) {
        return 0.0f;
    }
    float64 radians = Math::angleToRadFloat(static_cast<float32>(angle));
    return static_cast<float32>(std::sin(radians));
}

template <typename T> float32 cosinOf(T angle) {
    if (isAngle<90>(angle) || isAngle<270>(angle)) {
        return 0.0f;
    }
    float64 radians = Math::angleToRadFloat(static_cast<float32>(angle));
    return static_cast<float32>(std::cos(radians));
}

} // namespace

float32 Math::squareRootFloat(float32 value) {
    return rootOf(value);
}
float32 Math::squareFloat32(float32 value) {
    return squareOf(value);
}
float32 Math::squareFloat64(float64 value) {
    return static_cast<float32>(value * value);
}
float32 Math::moduleFloat(float32 value) {
    return moduleOf(value);
}
float32 Math::getSinFloat(float32 angle) {
    return sinOf(angle);
}
float32 Math::getCosinFloat(float32 angle) {
    return cosinOf(angle);
}

#define ZELK_MATH_INTEGER(Name, T)                                                                 \
    float32 Math::squareRoot##Name(T value) {                                                      \
        return rootOf(value);                                                                      \
    }                                                                                              \
    T Math::square##Name(T value) {                                                                \
        return squareOf(value);                                                                    \
    }                                                                                              \
    float32 Math::getSin##Name(T angle) {                                                          \
        return sinOf(angle);                                                                       \
    }                                                                                              \
    float32 Math::getCosin##Name(T angle) {                                                        \
        return cosinOf(angle);                                                                     \
    }

ZELK_MATH_INTEGER(Int8, int8)
ZELK_MATH_INTEGER(Int16, int16)
ZELK_MATH_INTEGER(Int32, int32)
ZELK_MATH_INTEGER(Int64, int64)
ZELK_MATH_INTEGER(Uint8, uint8)
ZELK_MATH_INTEGER(Uint16, uint16)
ZELK_MATH_INTEGER(Uint32, uint32)
ZELK_MATH_INTEGER(Uint64, uint64)

int8 Math::moduleInt8(int8 value) {
    return moduleOf(value);
}
int16 Math::moduleInt16(int16 value) {
    return moduleOf(value);
}
int32 Math::moduleInt32(int32 value) {
    return moduleOf(value);
}
int64 Math::moduleInt64(int64 value) {
    return moduleOf(value);
}

// The vector overload applies op; the overload taking components builds the
// vector and forwards to it.
#define ZELK_MATH_VEC2(Result, name, T, op)                                                        \
    Result Math::name(vec2<T> v) {                                                                 \
        return op(v);                                                                              \
    }                                                                                              \
    Result Math::name(T x, T y) {                                                                  \
        return name(vec2<T>(x, y));                                                                \
    }
#define ZELK_MATH_VEC3(Result, name, T, op)                                                        \
    Result Math::name(vec3<T> v) {                                                                 \
        return op(v);                                                                              \
    }                                                                                              \
    Result Math::name(T x, T y, T z) {                                                             \
        return name(vec3<T>(x, y, z));                                                             \
    }
#define ZELK_MATH_VEC4(Result, name, T, op)                                                        \
    Result Math::name(vec4<T> v) {                                                                 \
        return op(v);                                                                              \
    }                                                                                              \
    Result Math::name(T x, T y, T z, T w) {                                                        \
        return name(vec4<T>(x, y, z, w));                                                          \
    }

// Squares and absolute values answer a vector of the same type.
#define ZELK_MATH_PER_COMPONENT(name2, name3, name4, T, op)                                        \
    ZELK_MATH_VEC2(vec2<T>, name2, T, op)                                                          \
    ZELK_MATH_VEC3(vec3<T>, name3, T, op)                                                          \
    ZELK_MATH_VEC4(vec4<T>, name4, T, op)

#define ZELK_MATH_LENGTHS(name2, name3, name4, T)                                                  \
    ZELK_MATH_VEC2(float32, name2, T, lengthOf)                                                    \
    ZELK_MATH_VEC3(float32, name3, T, lengthOf)                                                    \
    ZELK_MATH_VEC4(float32, name4, T, lengthOf)

ZELK_MATH_PER_COMPONENT(squarevec2f32, squarevec3f32, squarevec4f32, float32, squareOf)
ZELK_MATH_PER_COMPONENT(squareVec2i8, squareVec3i8, squareVec4i8, int8, squareOf)
ZELK_MATH_PER_COMPONENT(squareVec2i16, squareVec3i16, squareVec4i16, int16, squareOf)
ZELK_MATH_PER_COMPONENT(squareVec2i32, squareVec3i32, squareVec4i32, int32, squareOf)
ZELK_MATH_PER_COMPONENT(squareVec2i64, squareVec3i64, squareVec4i64, int64, squareOf)
ZELK_MATH_PER_COMPONENT(squareVec2ui8, squareVec3ui8, squareVec4ui8, uint8, squareOf)
ZELK_MATH_PER_COMPONENT(squareVec2ui1, squareVec3ui1, squareVec4ui1, uint16, squareOf)
ZELK_MATH_PER_COMPONENT(squareVec2ui32, squareVec3ui32, squareVec4ui32, uint32, squareOf)
ZELK_MATH_PER_COMPONENT(squareVec2ui64, squareVec3ui64, squareVec4ui64, uint64, squareOf)

ZELK_MATH_PER_COMPONENT(modulevec2f32, modulevec3f32, modulevec4f32, float32, moduleOf)
ZELK_MATH_PER_COMPONENT(moduleVec2i8, moduleVec3i8, moduleVec4i8, int8, moduleOf)
ZELK_MATH_PER_COMPONENT(moduleVec2i16, moduleVec3i16, moduleVec4i16, int16, moduleOf)
ZELK_MATH_PER_COMPONENT(moduleVec2i32, moduleVec3i32, moduleVec4i32, int32, moduleOf)
ZELK_MATH_PER_COMPONENT(moduleVec2i64, moduleVec3i64, moduleVec4i64, int64, moduleOf)

ZELK_MATH_LENGTHS(pythagoras2f, pythagoras3f, pythagoras4f, float32)
ZELK_MATH_LENGTHS(pythagoras2i8, pythagoras3i8, pythagoras4i8, int8)
ZELK_MATH_LENGTHS(pythagoras2i16, pythagoras3i16, pythagoras4i16, int16)
ZELK_MATH_LENGTHS(pythagoras2i32, pythagoras3i32, pythagoras4i32, int32)
ZELK_MATH_LENGTHS(pythagoras2i64, pythagoras3i64, pythagoras4i64, int64)
ZELK_MATH_LENGTHS(pythagoras2ui8, pythagoras3ui8, pythagoras4ui8, uint8)
ZELK_MATH_LENGTHS(pythagoras2ui16, pythagoras3ui16, pythagoras4ui16, uint16)
ZELK_MATH_LENGTHS(pythagoras2ui32, pythagoras3ui32, pythagoras4ui32, uint32)
ZELK_MATH_LENGTHS(pythagoras2ui64, pythagoras3ui64, pythagoras4ui64, uint64)

} // namespace zelk
