#ifndef ZELK_PHYSICS2D_PRISMATICJOINT2D_H
#define ZELK_PHYSICS2D_PRISMATICJOINT2D_H

#include "zelk/physics2D/Joint2D.h"

namespace zelk {
namespace physics2D {

// A prismatic joint (type 3): object B slides along an axis fixed in object
// A, between two translations when the lower is below the upper. Its kind is
// 0, or 8 with a motor.
class PrismaticJoint2D : public Joint2D {
public:
    explicit PrismaticJoint2D(bool collide);

    // Draws a line from anchor A to anchor A plus the size.
    void draw(size2f32 size, color3f32 color) override;

    // The largest force and the speed, in Box2D's units; kind 8.
    void setForce(float maxForce, float speed);
    // Kind 0; the values stay.
    void removeType() { prismaticType = 0; }

    uint8 getPrismaticType() { return prismaticType; }
    float getMaxForce() { return maxForce; }
    float getSpeed() { return speed; }

    // The axis as given, not normalised.
    vec2f32 direction;
    float lowerDistance;
    float upperDistance;
    float maxForce;
    float speed;
    uint8 prismaticType;
};

} // namespace physics2D
} // namespace zelk

#endif
