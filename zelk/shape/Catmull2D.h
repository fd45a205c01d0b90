#ifndef ZELK_SHAPE_CATMULL2D_H
#define ZELK_SHAPE_CATMULL2D_H

#include "zelk/shape/Curve2D.h"

namespace zelk {
namespace shape {

// The Catmull-Rom segment: from p1 at t = 0 to p2 at t = 1, p0 and p3 shaping
// the tangents.
class Catmull2D : public Curve2D {
public:
    Catmull2D();
    Catmull2D(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3);
    ~Catmull2D() override;

    vec2f32 getPoint(float t) override;
    static vec2f32 getPoint(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3, float t);
};

} // namespace shape
} // namespace zelk

#endif
