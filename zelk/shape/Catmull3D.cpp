#include "zelk/shape/Catmull3D.h"

#include "zelk/shape/CurveFormulas.h"

namespace zelk {
namespace shape {

Catmull3D::Catmull3D() {}

Catmull3D::Catmull3D(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3) : Curve3D(p0, p1, p2, p3) {}

Catmull3D::~Catmull3D() {}

vec3f32 Catmull3D::getPoint(float t) {
    return getPoint(p0, p1, p2, p3, t);
}

vec3f32 Catmull3D::getPoint(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3, float t) {
    return vec3f32(curve::catmull(p0.x, p1.x, p2.x, p3.x, t),
                   curve::catmull(p0.y, p1.y, p2.y, p3.y, t),
                   curve::catmull(p0.z, p1.z, p2.z, p3.z, t));
}

} // namespace shape
} // namespace zelk
