#include "zelk/physics2D/PrismaticJoint2D.h"

namespace zelk {
namespace physics2D {

PrismaticJoint2D::PrismaticJoint2D(bool collide)
    : Joint2D(collide), direction(), lowerDistance(0.0f), upperDistance(0.0f), maxForce(0.0f),
      speed(0.0f), prismaticType(0) {
    type = 3;
}

void PrismaticJoint2D::draw(size2f32 size, color3f32 color) {
    vec2f32 a = worldPositionA;
    drawPrimitive(lines, color, {a, vec2f32(a.x + size.width, a.y + size.height)});
}

void PrismaticJoint2D::setForce(float maxForce, float speed) {
    this->maxForce = maxForce;
    this->speed = speed;
    prismaticType = 8;
}

} // namespace physics2D
} // namespace zelk
