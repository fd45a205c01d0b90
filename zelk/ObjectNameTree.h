#ifndef ZELK_OBJECTNAMETREE_H
#define ZELK_OBJECTNAMETREE_H

#include "zelk/ObjectWithName.h"
#include "zelk/vector/BinaryTree.h"

namespace zelk {

// A cache of shared objects by name: the first user stores an object, every
// later user of the same name is handed the stored one and registers a holder
// of its own, and the release that leaves an element without holders takes it
// out and deletes it. An object argument serves as a key: only its name is
// read. The tree frees its nodes, never the elements still stored. An element
// must leave through releaseElement or deleteElement, never by a plain delete.
class ObjectNameTree : public vector::BinaryTree<ObjectWithName*> {
public:
    bool addElement(ObjectWithName* object, ObjectWithName** holder);
    bool releaseElement(ObjectWithName* object, ObjectWithName** holder);
    // Takes the element out and deletes it, clearing all of its holders.
    bool deleteElement(ObjectWithName* object);

    bool firstBiggerSecond(ObjectWithName* first, ObjectWithName* second) override;
    bool firstEqualSecond(ObjectWithName* first, ObjectWithName* second) override;
    void printElement(ObjectWithName* object) override;

    static bool firstNameBiggerSecond(const char* first, const char* second);
    static bool nameEqual(const char* first, const char* second);
};

} // namespace zelk

#endif
