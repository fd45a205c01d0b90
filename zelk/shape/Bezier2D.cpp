#include "zelk/shape/Bezier2D.h"

#include "zelk/shape/CurveFormulas.h"

namespace zelk {
namespace shape {

Bezier2D::Bezier2D() {}

Bezier2D::Bezier2D(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3) : Curve2D(p0, p1, p2, p3) {}

Bezier2D::~Bezier2D() {}

vec2f32 Bezier2D::getPoint(float t) {
    return getPoint(p0, p1, p2, p3, t);
}

vec2f32 Bezier2D::getPoint(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3, float t) {
    return vec2f32(curve::bezier(p0.x, p1.x, p2.x, p3.x, t),
                   curve::bezier(p0.y, p1.y, p2.y, p3.y, t));
}

} // namespace shape
} // namespace zelk
