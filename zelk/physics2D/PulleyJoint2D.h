#ifndef ZELK_PHYSICS2D_PULLEYJOINT2D_H
#define ZELK_PHYSICS2D_PULLEYJOINT2D_H

#include "zelk/physics2D/DistanceJoint2D.h"

namespace zelk {
namespace physics2D {

// A pulley joint (type 4): each anchor hangs from a fixed pulley point, and
// the two rope lengths add up to a constant.
class PulleyJoint2D : public DistanceJoint2D {
public:
    explicit PulleyJoint2D(bool collide);

    // Draws anchor A, the two pulley points and anchor B as one strip.
    void draw(size2f32 size, color3f32 color) override;

    // The fixed pulley points in world coordinates.
    vec2f32 pulleyPositionA;
    vec2f32 pulleyPositionB;
    // The rope lengths on each side when the joint was made.
    float lenghtA;
    float lenghtB;
};

} // namespace physics2D
} // namespace zelk

#endif
