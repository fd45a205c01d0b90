#ifndef ZELK_PHYSICS2D_ROPEJOINT2D_H
#define ZELK_PHYSICS2D_ROPEJOINT2D_H

#include "zelk/physics2D/Joint2D.h"

namespace zelk {
namespace physics2D {

// A rope joint (type 6): the anchors are never farther apart than the rope's
// length, and move freely closer.
class RopeJoint2D : public Joint2D {
public:
    explicit RopeJoint2D(bool collide);

    // Draws the line between the anchors where the objects are now.
    void draw(size2f32 size, color3f32 color) override;

    // Anchor B in world coordinates when the joint was made.
    vec2f32 worldPositionB;
    float maxLength;
    // Where draw last placed an anchor, relative to its object.
    vec2f32 drawPosition;
};

} // namespace physics2D
} // namespace zelk

#endif
