#ifndef ZELK_TYPESIZE_H
#define ZELK_TYPESIZE_H

#include "zelk/TypeVars.h"
#include "zelk/WrapInt.h"

#include <type_traits>

namespace zelk {

// Width and height; one by one unless given. Scalars of another type are
// converted to the element type before the arithmetic (a double scalar of a
// size2f32 is narrowed to float first).
template <typename T> struct size2 {
    T width, height;

    constexpr size2() : width(1), height(1) {}
    constexpr size2(T width, T height) : width(width), height(height) {}
    template <typename A,
              typename = std::enable_if_t<std::is_arithmetic_v<A> && !std::is_same_v<A, T>>>
    constexpr size2(A width, A height)
        : width(static_cast<T>(width)), height(static_cast<T>(height)) {}

    size2 operator()(T width, T height) {
        this->width = width;
        this->height = height;
        return *this;
    }
    template <typename U = T, typename = std::enable_if_t<std::is_floating_point_v<U>>>
    void operator/=(size2 other) {
        width /= other.width;
        height /= other.height;
    }
    void operator-=(T value) {
        width = wrap::sub(width, value);
        height = wrap::sub(height, value);
    }
    void operator*=(T value) {
        width = wrap::mul(width, value);
        height = wrap::mul(height, value);
    }
    size2 operator*(size2 other) const {
        return size2(wrap::mul(width, other.width), wrap::mul(height, other.height));
    }
    size2 operator*(T value) const {
        return size2(wrap::mul(width, value), wrap::mul(height, value));
    }
    bool operator==(size2 other) const { return width == other.width && height == other.height; }
};

// Width, height and depth; one by one by one unless given.
template <typename T> struct size3 {
    T width, height, depth;

    constexpr size3() : width(1), height(1), depth(1) {}
    constexpr size3(T width, T height, T depth) : width(width), height(height), depth(depth) {}
};

typedef size2<float32> size2f32;
typedef size2<int32> size2i32;
typedef size2<uint32> size2ui32;
typedef size2<float64> size2f64;
typedef size3<float32> size3f32;
typedef size3<float64> size3f64;

} // namespace zelk

#endif
