#include "zelk/physics2D/RopeJoint2D.h"

#include "zelk/Math.h"
#include "zelk/physics2D/PhysicObject2D.h"

namespace zelk {
namespace physics2D {

RopeJoint2D::RopeJoint2D(bool collide)
    : Joint2D(collide), worldPositionB(), maxLength(0.0f), drawPosition() {
    type = 6;
}

void RopeJoint2D::draw(size2f32, color3f32 color) {
    if (!objectA || !objectB) {
        return;
    }
    drawPosition = Math::rotatePlus2f(positionA, objectA->angle);
    vec2f32 endA = objectA->position + drawPosition;
    drawPosition = Math::rotatePlus2f(positionB, objectB->angle);
    vec2f32 endB = objectB->position + drawPosition;
    drawPrimitive(lines, color, {endA, endB});
}

} // namespace physics2D
} // namespace zelk
