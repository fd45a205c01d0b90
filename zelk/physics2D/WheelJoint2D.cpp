#include "zelk/physics2D/WheelJoint2D.h"

#include "zelk/physics2D/PhysicObject2D.h"

namespace zelk {
namespace physics2D {

WheelJoint2D::WheelJoint2D(bool collide)
    : Joint2D(collide), direction(), frequency(0.0f), dampingRatio(0.0f), maxTorque(0.0f),
      speed(0.0f), wheelType(0) {
    type = 5;
}

void WheelJoint2D::draw(size2f32, color3f32 color) {
    if (!objectA || !objectB) {
        return;
    }
    drawPrimitive(lineStrip, color, {objectA->position, objectB->position, worldPositionA});
}

void WheelJoint2D::setMotor(float maxTorque, float speed) {
    this->maxTorque = maxTorque;
    this->speed = speed;
    wheelType = 8;
}

} // namespace physics2D
} // namespace zelk
