#ifndef ZELK_SHAPE_CIRCLE2D_H
#define ZELK_SHAPE_CIRCLE2D_H

#include "zelk/shape/Polygon2D.h"

namespace zelk {
namespace shape {

// A regular polygon that stands for a circle in the physics world: the
// circle marker is set, vertex 0 lies at (radius, 0) and the vertices run
// counter-clockwise, textured so that the unit texture square maps onto the
// circle's bounding square. Rebuilt through the virtual createPolygon(n)
// (reading, assignment) it gets plain vertices whose positions come from the
// source.
class Circle2D : public Polygon2D {
public:
    // Four vertices on a circle of radius 1.
    Circle2D();
    Circle2D(unsigned int n, float32 radius);
    ~Circle2D() override;

    using Polygon2D::operator=;
    using Polygon2D::createPolygon;
    // n vertices on the circle; a radius of 0 or below becomes 1. Fewer than
    // 2 vertices answer false and leave none, with the radius kept.
    bool createPolygon(unsigned int n, float32 radius);
    void print() override;
};

} // namespace shape
} // namespace zelk

#endif
