#include "zelk/physics2D/World2D.h"

namespace zelk {
namespace physics2D {

// The world makes no joints yet: an object has none to remove, a step no
// anchor to refresh and the world's end no joint to destroy. The joint
// operations fill these in.

bool World2D::removeObjectJoints(PhysicObject2D*) {
    return false;
}

void World2D::refreshJointAnchors() {}

void World2D::destroyJoints() {}

} // namespace physics2D
} // namespace zelk
