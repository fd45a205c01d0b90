#include "zelk/physics2D/StaticSensor2D.h"

namespace zelk {
namespace physics2D {

StaticSensor2D::~StaticSensor2D() {
    if (canDeleteObject) {
        activateObjects.clean();
    } else {
        activateObjects.cantDestruct();
    }
}

bool StaticSensor2D::addActivateObject(PhysicObject2D* object) {
    return object && activateObjects.add(object);
}

bool StaticSensor2D::removeActivateObject(PhysicObject2D* object) {
    return object && activateObjects.remove(object);
}

bool StaticSensor2D::haveActivateObject(PhysicObject2D* object) {
    return object && activateObjects.haveElement(object);
}

} // namespace physics2D
} // namespace zelk
