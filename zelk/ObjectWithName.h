#ifndef ZELK_OBJECTWITHNAME_H
#define ZELK_OBJECTWITHNAME_H

#include "zelk/Object.h"

namespace zelk {

class ObjectNameTree;

// A shared counted object with a name of its own: the base of the engine's
// shared resources, kept by name in an ObjectNameTree. Destroying it clears
// every registered holder, whatever cantDestruct() says, so it is never copied.
class ObjectWithName : public Object<ObjectWithName> {
public:
    ObjectWithName();
    explicit ObjectWithName(char* name);
    explicit ObjectWithName(const char* name);
    ObjectWithName(const ObjectWithName&) = delete;
    ObjectWithName& operator=(const ObjectWithName&) = delete;
    ~ObjectWithName() override;

    // Replaces the name with a copy; false for null. An empty text leaves the
    // object without a name and answers true.
    bool setName(char* name);
    bool setName(const char* name);

    // The stored name, owned by the object; null when there is none.
    char* getName() { return objectName; }
    char* name() { return objectName; }
    void deleteName();

private:
    // The tree asks whether a release is the one that leaves an element
    // without holders before it lets the element go.
    friend class ObjectNameTree;

    char* objectName;
};

} // namespace zelk

#endif
