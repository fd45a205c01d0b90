#ifndef ZELK_TYPERECT_H
#define ZELK_TYPERECT_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"

namespace zelk {

// An origin followed by a size: x, y, width, height. A default rectf32 is all
// zero, not the size's own one by one.
struct rectf32 {
    vec2f32 origin;
    size2f32 size;

    constexpr rectf32() : origin(0.f, 0.f), size(0.f, 0.f) {}
    constexpr rectf32(float32 x, float32 y, float32 width, float32 height)
        : origin(x, y), size(width, height) {}
    constexpr rectf32(float64 x, float64 y, float64 width, float64 height)
        : origin(x, y), size(width, height) {}
    constexpr rectf32(int32 x, int32 y, int32 width, int32 height)
        : origin(x, y), size(width, height) {}
    constexpr rectf32(uint32 x, uint32 y, uint32 width, uint32 height)
        : origin(x, y), size(width, height) {}
};

// Always built from its four values.
struct rectui32 {
    vec2ui32 origin;
    size2ui32 size;

    constexpr rectui32(uint32 x, uint32 y, uint32 width, uint32 height)
        : origin(x, y), size(width, height) {}
};

} // namespace zelk

#endif
