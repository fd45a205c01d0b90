#ifndef ZELK_TYPECOLOR_H
#define ZELK_TYPECOLOR_H

#include "zelk/TypeVars.h"

namespace zelk {

// Colours are opaque white unless given; 1.0 (or 255) is full intensity.
struct color3f32 {
    float32 r = 1.f, g = 1.f, b = 1.f;

    constexpr color3f32() = default;
    constexpr color3f32(float32 r, float32 g, float32 b) : r(r), g(g), b(b) {}
};

struct color3f64 {
    float64 r = 1.0, g = 1.0, b = 1.0;
};

struct color3ui8 {
    uint8 r = 255, g = 255, b = 255;

    constexpr color3ui8() = default;
    // Each channel above 255 becomes 255; the test is unsigned, so a negative
    // int handed in also becomes 255.
    constexpr color3ui8(uint32 r, uint32 g, uint32 b) : r(clamp(r)), g(clamp(g)), b(clamp(b)) {}

private:
    static constexpr uint8 clamp(uint32 value) {
        return value > 255u ? uint8(255) : static_cast<uint8>(value);
    }
};

struct color4f32 {
    float32 r = 1.f, g = 1.f, b = 1.f, a = 1.f;

    constexpr color4f32() = default;
    constexpr color4f32(float32 r, float32 g, float32 b, float32 a) : r(r), g(g), b(b), a(a) {}
    // No scaling: (1, 1, 1, 1) is opaque white.
    constexpr color4f32(int32 r, int32 g, int32 b, int32 a)
        : r(static_cast<float32>(r)), g(static_cast<float32>(g)), b(static_cast<float32>(b)),
          a(static_cast<float32>(a)) {}

    // The bytes divided by 255, opaque.
    color4f32 operator=(color3ui8 color) {
        r = color.r / 255.f;
        g = color.g / 255.f;
        b = color.b / 255.f;
        a = 1.f;
        return *this;
    }
    color4f32 operator()(float32 r, float32 g, float32 b, float32 a) {
        this->r = r;
        this->g = g;
        this->b = b;
        this->a = a;
        return *this;
    }
};

struct color4f64 {
    float64 r = 1.0, g = 1.0, b = 1.0, a = 1.0;
};

} // namespace zelk

#endif
