#ifndef ZELK_SHAPE_CATMULL3D_H
#define ZELK_SHAPE_CATMULL3D_H

#include "zelk/shape/Curve3D.h"

namespace zelk {
namespace shape {

// The Catmull-Rom segment: from p1 at t = 0 to p2 at t = 1, p0 and p3 shaping
// the tangents.
class Catmull3D : public Curve3D {
public:
    Catmull3D();
    Catmull3D(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3);
    ~Catmull3D() override;

    vec3f32 getPoint(float t) override;
    static vec3f32 getPoint(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3, float t);
};

} // namespace shape
} // namespace zelk

#endif
