#include "zelk/physics2D/PulleyJoint2D.h"

namespace zelk {
namespace physics2D {

PulleyJoint2D::PulleyJoint2D(bool collide)
    : DistanceJoint2D(collide), pulleyPositionA(), pulleyPositionB(), lenghtA(0.0f), lenghtB(0.0f) {
    type = 4;
}

void PulleyJoint2D::draw(size2f32, color3f32 color) {
    drawPrimitive(lineStrip, color,
                  {worldPositionA, pulleyPositionA, pulleyPositionB, worldPositionB});
}

} // namespace physics2D
} // namespace zelk
