#include "zelk/physics2D/DistanceJoint2D.h"

namespace zelk {
namespace physics2D {

DistanceJoint2D::DistanceJoint2D(bool collide)
    : Joint2D(collide), worldPositionB(), distance(0.0f), frequency(0.0f) {
    type = 2;
}

void DistanceJoint2D::draw(size2f32, color3f32 color) {
    drawPrimitive(lines, color, {worldPositionA, worldPositionB});
}

} // namespace physics2D
} // namespace zelk
