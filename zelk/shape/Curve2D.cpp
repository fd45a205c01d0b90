#include "zelk/shape/Curve2D.h"

namespace zelk {
namespace shape {

Curve2D::Curve2D() {}

Curve2D::Curve2D(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3) : p0(p0), p1(p1), p2(p2), p3(p3) {}

Curve2D::~Curve2D() {}

vec2f32 Curve2D::getPoint(float) {
    return vec2f32();
}

vec2f32 Curve2D::getPoint(vec2f32, vec2f32, vec2f32, vec2f32, float) {
    return vec2f32();
}

} // namespace shape
} // namespace zelk
