#ifndef ZELK_COLLISION_LINECONTACT2D_H
#define ZELK_COLLISION_LINECONTACT2D_H

#include "zelk/collision/Vecs2f32.h"
#include "zelk/shape/Circle2D.h"
#include "zelk/shape/Line2D.h"
#include "zelk/shape/Polygon2D.h"

namespace zelk {
namespace collision {

// The contact tests of MathCollision phrased for a Line2D, whose ends are the
// positions of its two vertices.
class LineContact2D {
public:
    LineContact2D() {}
    virtual ~LineContact2D();

    // p exactly on the infinite line through the ends.
    static bool contactPoint(vec2f32 p, shape::Line2D line);
    static Vecs2f32 contactLine(shape::Line2D first, shape::Line2D second);
    // Against the circle of the shape's radius centred on its translation.
    static Vecs2f32 contactCircle(shape::Circle2D circle, shape::Line2D line);
    // Both ends when both lie inside the polygon; otherwise the crossings
    // with its edges in edge order (a line through a vertex may give that
    // point twice).
    static Vecs2f32 contactPolygon(shape::Polygon2D polygon, shape::Line2D line);
};

} // namespace collision
} // namespace zelk

#endif
