#include "zelk/shape/Hermite3D.h"

#include "zelk/shape/CurveFormulas.h"

namespace zelk {
namespace shape {

Hermite3D::Hermite3D() : tangentScale(1.0f) {}

Hermite3D::Hermite3D(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3)
    : Curve3D(p0, p1, p2, p3), tangentScale(1.0f) {}

Hermite3D::~Hermite3D() {}

vec3f32 Hermite3D::getPoint(float t) {
    return getPoint(p0, p1, p2, p3, t, tangentScale);
}

vec3f32 Hermite3D::getPoint(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3, float t, float scale) {
    return vec3f32(curve::hermite(p0.x, p1.x, p2.x, p3.x, t, scale),
                   curve::hermite(p0.y, p1.y, p2.y, p3.y, t, scale),
                   curve::hermite(p0.z, p1.z, p2.z, p3.z, t, scale));
}

} // namespace shape
} // namespace zelk
