#ifndef ZELK_PHYSICS2D_REVOLUTEJOINT2D_H
#define ZELK_PHYSICS2D_REVOLUTEJOINT2D_H

#include "zelk/physics2D/Joint2D.h"

namespace zelk {
namespace physics2D {

// A revolute joint (type 1): the two objects turn about one shared anchor.
// Its kind says what the joint was made with: 0 nothing more, 7 angle limits,
// 8 a motor. Setting one kind keeps the values of the other.
class RevoluteJoint2D : public Joint2D {
public:
    explicit RevoluteJoint2D(bool collide);

    // Draws a cross of that size centred on the anchor.
    void draw(size2f32 size, color3f32 color) override;

    // Limits in degrees, kept as given; kind 7.
    void setAngle(float lower, float upper);
    // The largest torque and the speed, in Box2D's units (radians per
    // second); kind 8.
    void setMotor(float maxTorque, float speed);
    // Kind 0; the values stay.
    void removeType() { revoluteType = 0; }

    uint8 getRevoluteType() { return revoluteType; }
    float getLowerAngle() { return lowerAngle; }
    float getUpperAngle() { return upperAngle; }
    float getMaxTorque() { return maxTorque; }
    float getSpeed() { return speed; }

    float lowerAngle;
    float upperAngle;
    float maxTorque;
    float speed;
    uint8 revoluteType;
};

} // namespace physics2D
} // namespace zelk

#endif
