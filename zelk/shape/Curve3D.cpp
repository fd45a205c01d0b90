#include "zelk/shape/Curve3D.h"

namespace zelk {
namespace shape {

Curve3D::Curve3D() {}

Curve3D::Curve3D(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3) : p0(p0), p1(p1), p2(p2), p3(p3) {}

Curve3D::~Curve3D() {}

vec3f32 Curve3D::getPoint(float) {
    return vec3f32();
}

vec3f32 Curve3D::getPoint(vec3f32, vec3f32, vec3f32, vec3f32, float) {
    return vec3f32();
}

} // namespace shape
} // namespace zelk
