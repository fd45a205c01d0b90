#include "zelk/ObjectWithName.h"

#include "zelk/String.h"

namespace zelk {

ObjectWithName::ObjectWithName() : objectName(nullptr) {}

ObjectWithName::ObjectWithName(char* name) : ObjectWithName() {
    setName(name);
}

ObjectWithName::ObjectWithName(const char* name) : ObjectWithName() {
    setName(name);
}

ObjectWithName::~ObjectWithName() {
    deleteName();
    removeAll();
}

bool ObjectWithName::setName(char* name) {
    deleteName();
    if (!name) {
        return false;
    }
    objectName = String::strCopy(name);
    return true;
}

bool ObjectWithName::setName(const char* name) {
    return setName(const_cast<char*>(name));
}

void ObjectWithName::deleteName() {
    delete[] objectName;
    objectName = nullptr;
}

} // namespace zelk
