#ifndef ZELK_SHAPE_BSPLINES2D_H
#define ZELK_SHAPE_BSPLINES2D_H

#include "zelk/shape/Curve2D.h"

namespace zelk {
namespace shape {

// The uniform cubic B-spline segment over four control points. Its sum is
// scaled by 0.1666, a little less than one sixth, so it runs slightly inside
// the points.
class BSplines2D : public Curve2D {
public:
    BSplines2D();
    BSplines2D(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3);
    ~BSplines2D() override;

    vec2f32 getPoint(float t) override;
    static vec2f32 getPoint(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3, float t);
};

} // namespace shape
} // namespace zelk

#endif
