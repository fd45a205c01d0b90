#ifndef ZELK_PHYSICS2D_DISTANCEJOINT2D_H
#define ZELK_PHYSICS2D_DISTANCEJOINT2D_H

#include "zelk/physics2D/Joint2D.h"

namespace zelk {
namespace physics2D {

// A distance joint (type 2): the anchors stay a length apart, rigidly, or on
// a spring of a frequency above 0.
class DistanceJoint2D : public Joint2D {
public:
    explicit DistanceJoint2D(bool collide);

    // Draws the line between the world anchors.
    void draw(size2f32 size, color3f32 color) override;

    // Anchor B in world coordinates, refreshed after each step.
    vec2f32 worldPositionB;
    // The length the joint holds.
    float distance;
    // The spring's frequency in hertz; 0 or below: rigid.
    float frequency;
};

} // namespace physics2D
} // namespace zelk

#endif
