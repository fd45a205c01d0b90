#ifndef ZELK_SHAPE_CURVE2D_H
#define ZELK_SHAPE_CURVE2D_H

#include "zelk/TypeVec2.h"

namespace zelk {
namespace shape {

// A cubic curve segment over four control points, evaluated at a curve
// parameter t (0 to 1 covers the segment; nothing clamps t, so other values
// extrapolate the cubic). This base has no shape: every point is zero. The
// kinds derive from it; each also evaluates its formula on loose points through
// its static getPoint. A curve owns nothing; copies copy the points.
class Curve2D {
public:
    Curve2D();
    Curve2D(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3);
    virtual ~Curve2D();

    virtual vec2f32 getPoint(float t);
    static vec2f32 getPoint(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3, float t);

    vec2f32 p0;
    vec2f32 p1;
    vec2f32 p2;
    vec2f32 p3;
};

} // namespace shape
} // namespace zelk

#endif
