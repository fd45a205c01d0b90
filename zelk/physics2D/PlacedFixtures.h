#ifndef ZELK_PHYSICS2D_PLACEDFIXTURES_H
#define ZELK_PHYSICS2D_PLACEDFIXTURES_H

#include "zelk/physics2D/Box2DAdapter.h"

#include <vector>

namespace zelk {
namespace physics2D {

class PhysicObject2D;

// The fixtures of the object's physics polygons, placed in its body's frame:
// each polygon's vertices scaled by the polygon's scale times the object's
// size, turned by the polygon's angle and moved by its translate times the
// size. A circle gives a circle, a line its edges through its first 8
// vertices, a two-corner rectangle a box (a plain one when it is centred and
// neither moved nor turned), any other polygon the convex polygon of its
// first 8 vertices. Polygons Box2D could not take give nothing; an object
// whose size is not finite gives nothing at all.
std::vector<Box2DAdapter::Fixture> placedFixtures(PhysicObject2D* object);

} // namespace physics2D
} // namespace zelk

#endif
