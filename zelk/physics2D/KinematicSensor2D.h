#ifndef ZELK_PHYSICS2D_KINEMATICSENSOR2D_H
#define ZELK_PHYSICS2D_KINEMATICSENSOR2D_H

#include "zelk/physics2D/StaticSensor2D.h"

namespace zelk {
namespace physics2D {

// A sensor on a kinematic body, whatever its type field says.
class KinematicSensor2D : public StaticSensor2D {
public:
    using StaticSensor2D::operator=;

    uint8 getType() override { return physics::kinematicBody; }
};

} // namespace physics2D
} // namespace zelk

#endif
