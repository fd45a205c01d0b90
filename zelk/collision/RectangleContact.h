#ifndef ZELK_COLLISION_RECTANGLECONTACT_H
#define ZELK_COLLISION_RECTANGLECONTACT_H

#include "zelk/TypeVec2.h"
#include "zelk/shape/Rectangle2D.h"

namespace zelk {
namespace collision {

// Whether a point lies in a rectangle's box; views test the mouse with it.
class RectangleContact {
public:
    RectangleContact() {}
    virtual ~RectangleContact();

    // p in the box of the two corners, borders included; the rectangle's
    // translation, angle and scale are not applied.
    static bool contactPoint(vec2f32 p, shape::Rectangle2D rectangle);
};

} // namespace collision
} // namespace zelk

#endif
