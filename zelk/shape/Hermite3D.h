#ifndef ZELK_SHAPE_HERMITE3D_H
#define ZELK_SHAPE_HERMITE3D_H

#include "zelk/shape/Curve3D.h"

namespace zelk {
namespace shape {

// The cubic Hermite segment from p0 (t = 0) to p3 (t = 1); p2 is the tangent
// at the start and p1 the tangent at the end, both times the tangent scale.
// A Hermite object always uses the scale 1.0; the static form takes any.
class Hermite3D : public Curve3D {
public:
    Hermite3D();
    Hermite3D(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3);
    ~Hermite3D() override;

    vec3f32 getPoint(float t) override;
    static vec3f32 getPoint(vec3f32 p0, vec3f32 p1, vec3f32 p2, vec3f32 p3, float t, float scale);

    float tangentScale;
};

} // namespace shape
} // namespace zelk

#endif
