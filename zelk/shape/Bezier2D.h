#ifndef ZELK_SHAPE_BEZIER2D_H
#define ZELK_SHAPE_BEZIER2D_H

#include "zelk/shape/Curve2D.h"

namespace zelk {
namespace shape {

// The cubic Bezier segment: p0 at t = 0, p3 at t = 1, pulled towards p1 and p2.
class Bezier2D : public Curve2D {
public:
    Bezier2D();
    Bezier2D(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3);
    ~Bezier2D() override;

    vec2f32 getPoint(float t) override;
    static vec2f32 getPoint(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3, float t);
};

} // namespace shape
} // namespace zelk

#endif
