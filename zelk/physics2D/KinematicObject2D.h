#ifndef ZELK_PHYSICS2D_KINEMATICOBJECT2D_H
#define ZELK_PHYSICS2D_KINEMATICOBJECT2D_H

#include "zelk/physics2D/StaticObject2D.h"

namespace zelk {
namespace physics2D {

// A physics object that starts as a kinematic body; reading a document may
// change its type.
class KinematicObject2D : public StaticObject2D {
public:
    KinematicObject2D() { type = physics::kinematicBody; }

    using StaticObject2D::operator=;
};

} // namespace physics2D
} // namespace zelk

#endif
