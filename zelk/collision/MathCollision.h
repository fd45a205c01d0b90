#ifndef ZELK_COLLISION_MATHCOLLISION_H
#define ZELK_COLLISION_MATHCOLLISION_H

#include "zelk/Math.h"
#include "zelk/collision/Vecs2f32.h"
#include "zelk/shape/Polygon2D.h"

namespace zelk {
namespace collision {

// The engine's own geometric contact tests, apart from the physics world.
// They work on raw coordinates: a polygon's translation, angle and scale are
// not applied. A NaN anywhere in a point answers false or nothing.
class MathCollision : public Math {
public:
    MathCollision() {}
    ~MathCollision() override;

    // p inside the axis-aligned box spanned by a and b, borders included.
    static bool boundingContact2D(vec2f32 p, vec2f32 a, vec2f32 b);
    static bool boundingContact3D(vec3f32 p, vec3f32 a, vec3f32 b);
    // p exactly on the infinite line through a and b (twice the signed area
    // of the triangle p, a, b is exactly 0).
    static bool pointStraigh2D(vec2f32 p, vec2f32 a, vec2f32 b);
    // The point where segments a-b and c-d cross, touching ends included;
    // nothing for parallel or degenerate segments.
    static Vecs2f32 straightStraight2D(vec2f32 a, vec2f32 b, vec2f32 c, vec2f32 d);
    // Up to two points where segment a-b meets the circle, in the order of
    // the larger root first; nothing for a segment of length 0.
    static Vecs2f32 straightCircle2D(vec2f32 a, vec2f32 b, vec2f32 centre, float32 radius);
    // p strictly inside a convex polygon whose vertices run counter-clockwise:
    // on the inner side of every edge, the closing one included. A polygon of
    // fewer than 3 vertices has no inside.
    static bool polygonPoint(shape::Polygon2D polygon, vec2f32 p);
};

} // namespace collision
} // namespace zelk

#endif
