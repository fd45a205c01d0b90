#include "zelk/ElementXML.h"
#include "zelk/XML.h"
#include "zelk/physics2D/PhysicObjectOfElement.h"
#include "zelk/physics2D/World2D.h"

namespace zelk {
namespace physics2D {

namespace {

const char* const elementPrefix = "physWorld_";

} // namespace

bool World2D::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, elementPrefix, id)) {
        return false;
    }
    writeSection(xml, "static", staticObjects);
    writeSection(xml, "dynamic", dynamicObjects);
    writeSection(xml, "kinematic", kinematicObjects);
    ElementXML::close(xml);
    return true;
}

void World2D::writeSection(XML* xml, const char* name, treeObjects& tree) {
    if (!ElementXML::openChild(xml, name)) {
        return;
    }
    std::vector<PhysicObject2D*> objects = tree.getObjects();
    for (size_t i = 0; i < objects.size(); i++) {
        objects[i]->writeToXML(xml, static_cast<unsigned int>(i), true);
    }
    ElementXML::close(xml);
}

bool World2D::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    readSection(xml, "static");
    readSection(xml, "dynamic");
    readSection(xml, "kinematic");
    ElementXML::close(xml);
    return true;
}

// Objects are read up to the first that is missing or cannot be added, so a
// section costs what the document holds.
void World2D::readSection(XML* xml, const char* name) {
    if (!xml->selectChild(name)) {
        return;
    }
    for (unsigned int i = 0;; i++) {
        PhysicObject2D* object = newPhysicObjectOfElement(xml, i);
        if (!object->readFromXML(xml, i) || !addObject(object)) {
            delete object;
            break;
        }
        createdObjects.addBalanced(object);
    }
    ElementXML::close(xml);
}

} // namespace physics2D
} // namespace zelk
