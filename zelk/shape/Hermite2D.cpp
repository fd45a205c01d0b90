#include "zelk/shape/Hermite2D.h"

#include "zelk/shape/CurveFormulas.h"

namespace zelk {
namespace shape {

Hermite2D::Hermite2D() : tangentScale(1.0f) {}

Hermite2D::Hermite2D(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3)
    : Curve2D(p0, p1, p2, p3), tangentScale(1.0f) {}

Hermite2D::~Hermite2D() {}

vec2f32 Hermite2D::getPoint(float t) {
    return getPoint(p0, p1, p2, p3, t, tangentScale);
}

vec2f32 Hermite2D::getPoint(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3, float t, float scale) {
    return vec2f32(curve::hermite(p0.x, p1.x, p2.x, p3.x, t, scale),
                   curve::hermite(p0.y, p1.y, p2.y, p3.y, t, scale));
}

} // namespace shape
} // namespace zelk
