#ifndef ZELK_PHYSICS_BODYTYPE_H
#define ZELK_PHYSICS_BODYTYPE_H

#include "zelk/TypeVars.h"

namespace zelk {
namespace physics {

// The kind of body a physics object becomes, numbered as Box2D numbers them.
// A variable of this type holds any 32-bit number: a document may store
// another one, which the world then refuses.
enum bodyType : uint32 { staticBody = 0, kinematicBody = 1, dynamicBody = 2 };

} // namespace physics
} // namespace zelk

#endif
