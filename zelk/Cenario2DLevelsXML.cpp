#include "zelk/Cenario2DLevels.h"

#include "zelk/String.h"
#include "zelk/XML.h"
#include "zelk/physics2D/PhysicObjectOfElement.h"
#include "zelk/shape/ElementXML.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace zelk {

using physics2D::PhysicObject2D;
using shape::ElementXML;

namespace {

const char* const entriesPrefix = "Objects_";
const char* const entryPrefix = "obj_";

// The entry's depth, read from its text.
double depthOf(XML* xml) {
    char* text = ElementXML::filteredText(xml);
    double depth = String::strToFloat32(text);
    delete[] text;
    return depth;
}

void deleteEntry(Cenario2D::ObjClass* entry) {
    delete entry->object;
    delete entry;
}

} // namespace

bool Cenario2D::TreeObjDepth::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::open(xml, entriesPrefix, id)) {
        return false;
    }
    writeText(xml, String::uint32ToStr(size()));
    unsigned int position = 0;
    for (ObjClass* entry : elements()) {
        if (ElementXML::open(xml, entryPrefix, position)) {
            writeText(xml, String::float32ToStr(static_cast<float>(entry->depth)));
            writeObject(xml, entry->object, position);
            ElementXML::close(xml);
        }
        position++;
    }
    ElementXML::close(xml);
    return true;
}

bool Cenario2D::TreeObjDepth::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, entriesPrefix, id)) {
        return false;
    }
    uint32 count = readCount(xml);
    // Every numbered element is read where it stands, then the entries are
    // filed in the order of their numbers.
    std::map<uint32, ObjClass*> read;
    ElementXML::forEachChild(xml, [&](char* name) {
        uint32 number = 0;
        if (!ElementXML::numberOf(name, entryPrefix, count, &number) || read.count(number)) {
            return;
        }
        double depth = depthOf(xml);
        Object2D* object = readObject(xml, number);
        read[number] = object ? new ObjClass(true, object, depth) : nullptr;
    });
    std::set<double> depths;
    std::vector<ObjClass*> kept;
    for (auto& numbered : read) {
        ObjClass* entry = numbered.second;
        if (!entry) {
            continue;
        }
        if (std::isnan(entry->depth) || getObjClassFromDepth(entry->depth) ||
            !depths.insert(entry->depth).second) {
            deleteEntry(entry);
            continue;
        }
        kept.push_back(entry);
    }
    std::sort(kept.begin(), kept.end(),
              [](ObjClass* first, ObjClass* second) { return first->depth < second->depth; });
    for (ObjClass* refused : addSorted(kept)) {
        kept.erase(std::find(kept.begin(), kept.end(), refused));
        deleteEntry(refused);
    }
    for (ObjClass* entry : kept) {
        startAnimations(entry->object);
    }
    ElementXML::close(xml);
    return true;
}

Object2D* Cenario2D::TreeObjDepth::readObject(XML* xml, unsigned int id) {
    Object2D* object = new Object2D();
    if (!object->readFromXML(xml, id)) {
        delete object;
        return nullptr;
    }
    return object;
}

void Cenario2D::TreeObjDepth::writeObject(XML* xml, Object2D* object, unsigned int id) {
    object->writeToXML(xml, id);
}

void Cenario2D::TreeObjDepth::startAnimations(Object2D* object) {
    object->playMeshAnimations();
    object->animationPosition.playForward();
    object->animationAngle.playForward();
    object->animationSize.playForward();
}

Object2D* Cenario2D::TreePhysObjDepth::readObject(XML* xml, unsigned int id) {
    PhysicObject2D* object = physics2D::newPhysicObjectOfElement(xml, id);
    if (!object->readFromXML(xml, id)) {
        delete object;
        return nullptr;
    }
    return object;
}

void Cenario2D::TreePhysObjDepth::writeObject(XML* xml, Object2D* object, unsigned int id) {
    static_cast<PhysicObject2D*>(object)->writeToXML(xml, id, false);
}

void Cenario2D::TreePhysObjDepth::startAnimations(Object2D* object) {
    PhysicObject2D* physicObject = static_cast<PhysicObject2D*>(object);
    physicObject->playMeshAnimations();
    physicObject->positionPath.playForward();
    physicObject->anglePath.playForward();
    physicObject->animationSize.playForward();
}

} // namespace zelk
