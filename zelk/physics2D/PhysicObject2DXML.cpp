#include "zelk/physics2D/PhysicObject2D.h"

#include "zelk/ElementXML.h"
#include "zelk/String.h"
#include "zelk/XML.h"

namespace zelk {
namespace physics2D {

namespace {

const char* const elementPrefix = "physicObject_";

void writeFlag(XML* xml, const char* name, bool value) {
    xml->addSelectedNextAttribute(name, value ? "true" : "false");
}

bool readFlag(XML* xml, const char* name) {
    return String::strCompare(xml->getSelectedAttributeValueByName(name), "true");
}

// A child element holding one attribute per group, in ascending order.
void writeGroups(XML* xml, const char* element, const char* prefix,
                 vector::BinaryTree<unsigned int>& groups) {
    if (!ElementXML::openChild(xml, element)) {
        return;
    }
    for (unsigned int position = 0; position < groups.size(); position++) {
        char* name = ElementXML::numberedName(prefix, position);
        ElementXML::writeInteger(xml, name, groups.getElementInPosition(position));
        delete[] name;
    }
    ElementXML::close(xml);
}

// Replaces the set by the groups of the child element, read up to the first
// missing position; the numbers go in as they are, 0 included.
void readGroups(XML* xml, const char* element, const char* prefix,
                vector::BinaryTree<unsigned int>& groups) {
    groups.clean();
    if (!xml->selectChild(element)) {
        return;
    }
    bool present = true;
    for (unsigned int position = 0; present; position++) {
        char* name = ElementXML::numberedName(prefix, position);
        present = xml->haveSelectedAttribute(name);
        if (present) {
            groups.add(static_cast<unsigned int>(ElementXML::readInteger(xml, name)));
        }
        delete[] name;
    }
    ElementXML::close(xml);
}

} // namespace

bool PhysicObject2D::writeToXML(XML* xml, unsigned int id, bool asText) {
    if (!xml || !ElementXML::open(xml, elementPrefix, id)) {
        return false;
    }
    if (asText) {
        xml->setSelectedString("true");
    }
    Object2D::writeToXML(xml, id);
    ElementXML::writeInteger(xml, "type", getType());
    writeFlag(xml, "sensor", isSensor());
    writeFlag(xml, "fixedRot", fixedRotation);
    writeFlag(xml, "canSleep", canSleep);
    physicsMesh.writeToXML(xml, 0);
    writeGroups(xml, "collision", "c", collisionGroups);
    writeGroups(xml, "notCollision", "n", notCollisionGroups);
    positionPath.writeToXML(xml, 0);
    anglePath.writeToXML(xml, 1);
    ElementXML::close(xml);
    return true;
}

bool PhysicObject2D::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    physicsMesh.cleanPolygons();
    Object2D::readFromXML(xml, id);
    type = static_cast<physics::bodyType>(
        static_cast<uint32>(static_cast<int32>(ElementXML::readInteger(xml, "type"))));
    sensor = readFlag(xml, "sensor");
    fixedRotation = readFlag(xml, "fixedRot");
    canSleep = readFlag(xml, "canSleep");
    physicsMesh.readFromXML(xml, 0);
    readGroups(xml, "collision", "c", collisionGroups);
    readGroups(xml, "notCollision", "n", notCollisionGroups);
    positionPath.readFromXML(xml, 0);
    anglePath.readFromXML(xml, 1);
    ElementXML::close(xml);
    return true;
}

bool PhysicObject2D::readFromXMLisSensor(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    bool isSensor = readFlag(xml, "sensor");
    ElementXML::close(xml);
    return isSensor;
}

} // namespace physics2D
} // namespace zelk
