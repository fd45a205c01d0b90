#include "zelk/physics2D/PhysicObjectOfElement.h"

#include "zelk/physics2D/KinematicSensor2D.h"
#include "zelk/shape/ElementXML.h"

namespace zelk {
namespace physics2D {

using shape::ElementXML;

namespace {

// The "type" of the element "physicObject_<id>" under the selected node.
int64 typeOf(XML* xml, unsigned int id) {
    if (!ElementXML::select(xml, "physicObject_", id)) {
        return 0;
    }
    int64 type = ElementXML::readInteger(xml, "type");
    ElementXML::close(xml);
    return type;
}

} // namespace

PhysicObject2D* newPhysicObjectOfElement(XML* xml, unsigned int id) {
    if (!PhysicObject2D::readFromXMLisSensor(xml, id)) {
        return new PhysicObject2D();
    }
    int64 type = typeOf(xml, id);
    if (type == physics::kinematicBody || type == physics::dynamicBody) {
        return new KinematicSensor2D();
    }
    return new StaticSensor2D();
}

} // namespace physics2D
} // namespace zelk
