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
    // Copied before the old name is freed: the argument may point into it.
    char* copy = String::strCopy(name);
    deleteName();
    objectName = copy;
    return name != nullptr;
}

bool ObjectWithName::setName(const char* name) {
    return setName(const_cast<char*>(name));
}

void ObjectWithName::deleteName() {
    delete[] objectName;
    objectName = nullptr;
}

} // namespace zelk
