#include "zelk/physics2D/RevoluteJoint2D.h"

namespace zelk {
namespace physics2D {

RevoluteJoint2D::RevoluteJoint2D(bool collide)
    : Joint2D(collide), lowerAngle(0.0f), upperAngle(0.0f), maxTorque(0.0f), speed(0.0f),
      revoluteType(0) {
    type = 1;
}

void RevoluteJoint2D::draw(size2f32 size, color3f32 color) {
    float w = size.width * 0.5f;
    float h = size.height * 0.5f;
    vec2f32 a = worldPositionA;
    drawPrimitive(lines, color,
                  {vec2f32(a.x - w, a.y + h), vec2f32(a.x + w, a.y - h), vec2f32(a.x + w, a.y + h),
                   vec2f32(a.x - w, a.y - h)});
}

void RevoluteJoint2D::setAngle(float lower, float upper) {
    lowerAngle = lower;
    upperAngle = upper;
    revoluteType = 7;
}

void RevoluteJoint2D::setMotor(float maxTorque, float speed) {
    this->maxTorque = maxTorque;
    this->speed = speed;
    revoluteType = 8;
}

} // namespace physics2D
} // namespace zelk
