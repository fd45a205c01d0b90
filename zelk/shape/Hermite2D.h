#ifndef ZELK_SHAPE_HERMITE2D_H
#define ZELK_SHAPE_HERMITE2D_H

#include "zelk/shape/Curve2D.h"

namespace zelk {
namespace shape {

// The cubic Hermite segment from p0 (t = 0) to p3 (t = 1); p2 is the tangent
// at the start and p1 the tangent at the end, both times the tangent scale.
// A Hermite object always uses the scale 1.0; the static form takes any.
class Hermite2D : public Curve2D {
public:
    Hermite2D();
    Hermite2D(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3);
    ~Hermite2D() override;

    vec2f32 getPoint(float t) override;
    static vec2f32 getPoint(vec2f32 p0, vec2f32 p1, vec2f32 p2, vec2f32 p3, float t, float scale);

    float tangentScale;
};

} // namespace shape
} // namespace zelk

#endif
