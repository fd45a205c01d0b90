#ifndef ZELK_PHYSICS2D_STATICOBJECT2D_H
#define ZELK_PHYSICS2D_STATICOBJECT2D_H

#include "zelk/physics2D/PhysicObject2D.h"

namespace zelk {
namespace physics2D {

// A physics object that starts as a static body; reading a document may
// change its type.
class StaticObject2D : public PhysicObject2D {
public:
    StaticObject2D() { type = physics::staticBody; }

    using PhysicObject2D::operator=;
};

} // namespace physics2D
} // namespace zelk

#endif
