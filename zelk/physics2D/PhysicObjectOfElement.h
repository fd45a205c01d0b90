#ifndef ZELK_PHYSICS2D_PHYSICOBJECTOFELEMENT_H
#define ZELK_PHYSICS2D_PHYSICOBJECTOFELEMENT_H

namespace zelk {

class XML;

namespace physics2D {

class PhysicObject2D;

// A new, still unread object of the class that wrote the element
// "physicObject_<id>" under the selected node: a sensor whose type moves on
// its own (kinematic or dynamic) is a KinematicSensor2D, any other sensor a
// StaticSensor2D, everything else a plain PhysicObject2D (also when the
// element is missing). The caller reads it and owns it.
PhysicObject2D* newPhysicObjectOfElement(XML* xml, unsigned int id);

} // namespace physics2D
} // namespace zelk

#endif
