#ifndef ZELK_SHAPE_BEZIER3D_H
#define ZELK_SHAPE_BEZIER3D_H

#include "zelk/shape/Curve3D.h"

namespace zelk {
namespace shape {

// The cubic Bezier segment: p0 at t = 0, p3 at t = 1, pulled towards p1 and p2.
class Bezier3D : public Curve3D {
public:
    Bezier3D();
    Bezier3D(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3);
    ~Bezier3D() override;

    vec3f32 getPoint(float t) override;
    static vec3f32 getPoint(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3, float t);
};

} // namespace shape
} // namespace zelk

#endif
