#ifndef ZELK_PHYSICS2D_STATICSENSOR2D_H
#define ZELK_PHYSICS2D_STATICSENSOR2D_H

#include "zelk/physics2D/PhysicObject2D.h"

namespace zelk {
namespace physics2D {

// A static body that is always a sensor, whatever its fields say: it hears
// the objects that touch it and never pushes them. Its activation set names
// the objects that may set it off; an empty set lets every object do so. The
// set holds pointers only and never deletes them.
class StaticSensor2D : public PhysicObject2D {
public:
    StaticSensor2D() { sensor = true; }
    StaticSensor2D(const StaticSensor2D& other) = default;
    ~StaticSensor2D() override;

    // Assignment of the physics object part; the activation set stays.
    using PhysicObject2D::operator=;
    PhysicObject2D operator=(const StaticSensor2D& other) {
        return PhysicObject2D::operator=(other);
    }

    uint8 getType() override { return physics::staticBody; }
    bool isSensor() override { return true; }

    bool addActivateObject(PhysicObject2D* object);
    bool removeActivateObject(PhysicObject2D* object);
    bool haveActivateObject(PhysicObject2D* object);
    void cleanActivateObjects() { activateObjects.clean(); }
    unsigned int getActivateSize() { return activateObjects.size(); }

    vector::BinaryTree<PhysicObject2D*> activateObjects;
};

} // namespace physics2D
} // namespace zelk

#endif
