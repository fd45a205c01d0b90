#ifndef ZELK_PHYSICS2D_DYNAMICOBJECT2D_H
#define ZELK_PHYSICS2D_DYNAMICOBJECT2D_H

#include "zelk/physics2D/KinematicObject2D.h"

namespace zelk {
namespace physics2D {

// A physics object that starts as a dynamic body; reading a document may
// change its type.
class DynamicObject2D : public KinematicObject2D {
public:
    DynamicObject2D() { type = physics::dynamicBody; }

    using KinematicObject2D::operator=;
};

} // namespace physics2D
} // namespace zelk

#endif
