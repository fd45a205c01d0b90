#ifndef ZELK_PHYSICS2D_WHEELJOINT2D_H
#define ZELK_PHYSICS2D_WHEELJOINT2D_H

#include "zelk/physics2D/Joint2D.h"

namespace zelk {
namespace physics2D {

// A wheel joint (type 5): object B turns freely and moves along an axis
// fixed in object A on a suspension spring. Its kind is 0, or 8 with a
// motor.
class WheelJoint2D : public Joint2D {
public:
    explicit WheelJoint2D(bool collide);

    // Draws a strip from object A's position to object B's to anchor A.
    void draw(size2f32 size, color3f32 color) override;

    // The largest torque and the speed (radians per second); kind 8.
    void setMotor(float maxTorque, float speed);
    // Kind 0; the values stay.
    void removeType() { wheelType = 0; }

    uint8 getWheelType() { return wheelType; }
    float getMaxTorque() { return maxTorque; }
    float getSpeed() { return speed; }

    // The axis as given, not normalised.
    vec2f32 direction;
    // The spring: its frequency in hertz (0 or below: no spring) and its
    // damping ratio.
    float frequency;
    float dampingRatio;
    float maxTorque;
    float speed;
    uint8 wheelType;
};

} // namespace physics2D
} // namespace zelk

#endif
