#include "zelk/ObjectNameTree.h"

#include "zelk/vector/Name.h"

#include <cstdio>

namespace zelk {

bool ObjectNameTree::addElement(ObjectWithName* object, ObjectWithName** holder) {
    if (!object || !holder) {
        return false;
    }
    ObjectWithName* stored = getElement(object);
    if (stored) {
        return stored->retainObject(holder) != nullptr;
    }
    if (!add(object)) {
        return false;
    }
    return object->retainObject(holder) != nullptr;
}

bool ObjectNameTree::releaseElement(ObjectWithName* object, ObjectWithName** holder) {
    if (!object || !holder) {
        return false;
    }
    ObjectWithName* stored = getElement(object);
    if (!stored) {
        return false;
    }
    // The element leaves the tree only when this holder is its last one:
    // releasing a stranger must not orphan an element that others still hold.
    if (stored->haveOneRetain() && stored->holders.haveElement(holder)) {
        remove(stored);
    }
    return stored->releaseObject(holder);
}

bool ObjectNameTree::deleteElement(ObjectWithName* object) {
    if (!object) {
        return false;
    }
    ObjectWithName* stored = getElement(object);
    if (!stored || !remove(stored)) {
        return false;
    }
    delete stored;
    return true;
}

bool ObjectNameTree::firstBiggerSecond(ObjectWithName* first, ObjectWithName* second) {
    return first && second && firstNameBiggerSecond(first->getName(), second->getName());
}

bool ObjectNameTree::firstEqualSecond(ObjectWithName* first, ObjectWithName* second) {
    return first && second && nameEqual(first->getName(), second->getName());
}

void ObjectNameTree::printElement(ObjectWithName* object) {
    if (object && object->getName()) {
        printf("\nName %s", object->getName());
    } else {
        printf("\nName NULL");
    }
}

bool ObjectNameTree::firstNameBiggerSecond(const char* first, const char* second) {
    return vector::Name::firstNameBiggerSecond(first, second);
}

bool ObjectNameTree::nameEqual(const char* first, const char* second) {
    return vector::Name::stringEqual(first, second);
}

} // namespace zelk
