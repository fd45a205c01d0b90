#ifndef ZELK_SHAPE_BSPLINES3D_H
#define ZELK_SHAPE_BSPLINES3D_H

#include "zelk/shape/Curve3D.h"

namespace zelk {
namespace shape {

// The uniform cubic B-spline segment over four control points. Its sum is
// scaled by 0.166666, a little less than one sixth.
class BSplines3D : public Curve3D {
public:
    BSplines3D();
    BSplines3D(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3);
    ~BSplines3D() override;

    vec3f32 getPoint(float t) override;
    static vec3f32 getPoint(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3, float t);
};

} // namespace shape
} // namespace zelk

#endif
